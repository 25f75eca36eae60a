#!/usr/bin/env bash
# The real game's sound, heard through SDL's disk driver (the mix goes into a
# file at the pace of a real device): the title menu's music sounds; M fades
# it out to silence; -nosound opens no sound at all; and where no device can
# be opened the game says so in one line and plays on.
. "$(dirname "$0")/harness.sh"

mix="$E2E_WORK/mix.raw"

# Prints the loudest sample (0..32767) of the 16-bit stereo mix between two
# times in seconds; a negative time counts from the end.
loudest()
{
    python3 - "$mix" "$1" "$2" <<'EOF'
import array, sys
samples = array.array("h")
with open(sys.argv[1], "rb") as f:
    samples.frombytes(f.read())
frames = len(samples) // 2
def at(seconds):
    s = float(seconds)
    index = int(s * 44100) if s >= 0 else frames + int(s * 44100)
    return 2 * min(max(index, 0), frames)
part = samples[at(sys.argv[2]):at(sys.argv[3])]
print(max((abs(v) for v in part), default=0))
EOF
}

e2e_start_display
export SDL_DISKAUDIOFILE="$mix"

# The menu's loop plays; M fades it out; the game ends cleanly, quietly.
export SDL_AUDIODRIVER=disk
rm -f "$mix"
e2e_start_game
e2e_move 0 90   # away from the entries: no hover sound
sleep 1.5
e2e_key m
sleep 2
e2e_close_window
e2e_wait_exit
[ "$GAME_STATUS" = 0 ] || e2e_fail "exit status $GAME_STATUS"
[ -s "$mix" ] || e2e_fail "no mix was written"
[ -s "$E2E_WORK/game.err" ] && e2e_fail "the game complained: $(cat "$E2E_WORK/game.err")"
music=$(loudest 0 1.5)
quiet=$(loudest -1 -0.1)
echo "loudest sample: $music in the first 1.5 s, $quiet in the last second after M"
[ "$music" -gt 3000 ] || e2e_fail "the menu's music is missing or faint ($music)"
[ "$quiet" = 0 ] || e2e_fail "the music still sounds after M ($quiet)"

# -nosound: no device is opened, so no mix is written at all.
rm -f "$mix"
e2e_start_game -nosound
sleep 1
e2e_close_window
e2e_wait_exit
[ "$GAME_STATUS" = 0 ] || e2e_fail "-nosound: exit status $GAME_STATUS"
[ -e "$mix" ] && e2e_fail "-nosound still opened the sound device"
[ -s "$E2E_WORK/game.err" ] && e2e_fail "-nosound: the game complained: $(cat "$E2E_WORK/game.err")"

# No device: one line, and the game goes on (a menu click and the menu still answers).
export SDL_AUDIODRIVER=nonesuch
e2e_start_game
e2e_click 5 -35   # Load Game
sleep 1.5
kill -0 "$GAME_PID" 2>/dev/null || e2e_fail "the game ended without a sound device"
e2e_close_window
e2e_wait_exit
[ "$GAME_STATUS" = 0 ] || e2e_fail "no device: exit status $GAME_STATUS"
[ "$(wc -l <"$E2E_WORK/game.err")" = 1 ] || e2e_fail "expected one line on standard error, got: $(cat "$E2E_WORK/game.err")"
grep -q "^thrask: no sound (" "$E2E_WORK/game.err" || e2e_fail "the line does not say there is no sound"

echo "PASS"
