#!/usr/bin/env bash
# The player's settings file: keys given to the actions play in the real
# game (W marks the menu's last entry, Best Scores, W again the Options sign
# before it, Space chooses it and the Options screen opens), the run's recording plays back exactly in the game's
# window whatever the watcher's own settings are, and a settings file that
# cannot be used never keeps the game from starting: it says so on standard
# error and the game plays with its defaults.
. "$(dirname "$0")/harness.sh"

player="$E2E_WORK/player-config"
watcher="$E2E_WORK/watcher-config"
rm -rf "$player" "$watcher" "$E2E_WORK/broken"
mkdir -p "$player/thrask" "$watcher/thrask"
printf 'key-up = W\nkey-enter = Space\naspect = true\nmusic-volume = 30\n' >"$player/thrask/settings.ini"
# The watcher's keys would send the recorded run elsewhere if they counted.
printf 'key-up = I\nkey-enter = Tab\naspect = false\n' >"$watcher/thrask/settings.ini"

e2e_start_display
export XDG_CONFIG_HOME="$player"
e2e_start_game -record "$E2E_WORK/options.replay"
e2e_key w w             # Best Scores, then Options
e2e_key Up Return       # the arrow and Enter gave their actions away
e2e_key space
sleep 1.5
e2e_key Escape          # Esc still goes back
sleep 1.5
e2e_close_window
e2e_wait_exit
[ "$GAME_STATUS" = 0 ] || e2e_fail "exit status $GAME_STATUS"
[ ! -s "$E2E_WORK/game.err" ] || e2e_fail "the game complained: $(cat "$E2E_WORK/game.err")"
"$THRASK_REPLAY" --expect --trace --data "$E2E_WORK/data" "$E2E_WORK/options.replay" >"$E2E_WORK/trace.out" 2>&1 \
    || { cat "$E2E_WORK/trace.out"; e2e_fail "the recording does not play back as recorded"; }
grep -q "screen fade main-menu -> options" "$E2E_WORK/trace.out" \
    || { cat "$E2E_WORK/trace.out"; e2e_fail "W and Space did not open the Options screen"; }
grep -qx "screen main-menu" "$E2E_WORK/trace.out" \
    || { cat "$E2E_WORK/trace.out"; e2e_fail "the run did not end at the main menu"; }

# Watched in the game's own window by a player with other settings.
export XDG_CONFIG_HOME="$watcher"
e2e_start_program "$E2E_WORK/data" "$THRASK_BIN" -win -replay "$E2E_WORK/options.replay" -fast
tries=0
until grep -q "the replay" "$E2E_WORK/game.out" "$E2E_WORK/game.err" 2>/dev/null; do
    tries=$((tries + 1))
    [ $tries -gt 200 ] && e2e_fail "the replay did not end"
    sleep 0.1
done
grep -q "the replay ended as recorded" "$E2E_WORK/game.out" \
    || e2e_fail "watched with other settings: $(cat "$E2E_WORK/game.out" "$E2E_WORK/game.err")"
# The recorded run ended with its window closed, and so does the replay.
e2e_wait_exit
[ "$GAME_STATUS" = 0 ] || e2e_fail "watching: exit status $GAME_STATUS"
grep -qx "key-up = I" "$watcher/thrask/settings.ini" || e2e_fail "watching changed the watcher's settings"

# A folder where the file should be, then a damaged file: the game starts,
# says what it could not use in one line each, and plays.
export XDG_CONFIG_HOME="$E2E_WORK/broken"
mkdir -p "$XDG_CONFIG_HOME/thrask/settings.ini"
e2e_start_game
e2e_close_window
e2e_wait_exit
[ "$GAME_STATUS" = 0 ] || e2e_fail "a folder for a settings file: exit status $GAME_STATUS"
[ "$(grep -c "settings.ini is a folder" "$E2E_WORK/game.err")" = 1 ] \
    || e2e_fail "a folder for a settings file: $(cat "$E2E_WORK/game.err")"
rmdir "$XDG_CONFIG_HOME/thrask/settings.ini"
printf 'music-volume = loud\n\001\002\000\003' >"$XDG_CONFIG_HOME/thrask/settings.ini"
e2e_start_game
e2e_key m               # a change: the damaged file is kept aside, the new one written
e2e_close_window
e2e_wait_exit
[ "$GAME_STATUS" = 0 ] || e2e_fail "a damaged settings file: exit status $GAME_STATUS"
grep -q "binary bytes" "$E2E_WORK/game.err" || e2e_fail "the damaged file was not named: $(cat "$E2E_WORK/game.err")"
[ -s "$XDG_CONFIG_HOME/thrask/settings.ini.damaged" ] || e2e_fail "the damaged file was not kept aside"
grep -qx "music = false" "$XDG_CONFIG_HOME/thrask/settings.ini" || e2e_fail "M was not kept"
echo "PASS"
