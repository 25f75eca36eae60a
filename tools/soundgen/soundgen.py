#!/usr/bin/python3
"""Builds every sound of Thrask into data/Sounds and data/Music.

    /usr/bin/python3 tools/soundgen/soundgen.py [--out DIR] [--list] [NAME ...]

--out DIR writes into DIR/Sounds and DIR/Music instead of the game's data
folder; names (such as pepper.wav) limit the run to those files. Needs Debian's
python3-numpy and vorbis-tools. Everything is synthesised and seeded, and only
exactly rounded arithmetic is used (see dsp.py), so every run writes the same
bytes: effects as 16-bit WAV, music as Ogg Vorbis encoded by oggenc with a
fixed stream serial number.
"""

import argparse
import os
import struct
import subprocess
import sys

sys.dont_write_bytecode = True  # keep the source folder clean
HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import dsp  # noqa: E402
import effects  # noqa: E402
import sequencer  # noqa: E402
import songs  # noqa: E402

EFFECT_PEAK = 0.7   # about -3 dB: headroom when several effects sound at once
MUSIC_PEAK = 0.4    # about -8 dB: the music sits below the effects
OGG_QUALITY = "5"   # oggenc's scale; about 55 kbit/s for these mono loops
OGG_SERIAL = "1"    # oggenc picks a random stream serial number unless told

# file name -> recipe, in data/Sounds
EFFECTS = {
    "pepper.wav": effects.pepper,
    "tint.wav": effects.tint,
    "hurt_zombie.wav": effects.hurt_zombie,
    "hurt_burning.wav": effects.hurt_burning,
    "hurt_ninja.wav": effects.hurt_ninja,
    "hurt_knife.wav": effects.hurt_knife,
    "hurt_flame.wav": effects.hurt_flame,
    "hurt_cabbage.wav": effects.hurt_cabbage,
    "health.wav": effects.health,
    "knife_throw.wav": effects.knife_throw,
    "flame_lit.wav": effects.flame_lit,
    "cabbage_pop.wav": effects.cabbage_pop,
    "level_clear.wav": effects.level_clear,
    "death.wav": effects.death,
    "menu_hover.wav": effects.menu_hover,
    "menu_click.wav": effects.menu_click,
    "save.wav": effects.save,
    "fanfare.wav": effects.ending,
}

# file name -> song, in data/Music
MUSIC = {
    "menu.ogg": songs.MENU,
    "levels_1_5.ogg": songs.FIELDS,
    "levels_6_10.ogg": songs.DARK,
    "levels_11_15.ogg": songs.FINAL,
    "ending.ogg": songs.ENDING,
}


def wav_bytes(signal):
    """A canonical 44-byte-header WAV file: PCM, mono, 16-bit, dsp.RATE Hz, and
    nothing else (no date, no tool name)."""
    data = dsp.pcm16(signal)
    header = struct.pack("<4sI4s4sIHHIIHH4sI", b"RIFF", 36 + len(data), b"WAVE", b"fmt ", 16,
                         1, 1, dsp.RATE, dsp.RATE * 2, 2, 16, b"data", len(data))
    return header + data


def ogg_bytes(signal):
    """The signal's WAV encoded as Ogg Vorbis by oggenc (vorbis-tools)."""
    result = subprocess.run(["oggenc", "--quiet", "--quality", OGG_QUALITY,
                             "--serial", OGG_SERIAL, "--output", "-", "-"],
                            input=wav_bytes(signal), capture_output=True, check=True)
    return result.stdout


def effect_file(recipe):
    return wav_bytes(dsp.normalise(dsp.fade(recipe()), EFFECT_PEAK))


def music_file(song):
    return ogg_bytes(dsp.normalise(sequencer.render(song), MUSIC_PEAK))


def targets():
    """(folder, file name, function making the file's bytes) of every file."""
    out = [("Sounds", name, lambda r=recipe: effect_file(r)) for name, recipe in EFFECTS.items()]
    out += [("Music", name, lambda s=song: music_file(s)) for name, song in MUSIC.items()]
    return out


def main():
    parser = argparse.ArgumentParser(description="Builds Thrask's sounds.")
    parser.add_argument("--out", default=os.path.join(HERE, "..", "..", "data"),
                        help="data folder to write Sounds/ and Music/ into")
    parser.add_argument("--list", action="store_true", help="only list the files")
    parser.add_argument("names", nargs="*", help="build only these files")
    args = parser.parse_args()
    known = {name for _, name, _ in targets()}
    unknown = sorted(set(args.names) - known)
    if unknown:
        parser.error("no such sound: %s" % ", ".join(unknown))
    for folder, name, make in targets():
        if args.list:
            print("%s/%s" % (folder, name))
            continue
        if args.names and name not in args.names:
            continue
        blob = make()
        os.makedirs(os.path.join(args.out, folder), exist_ok=True)
        with open(os.path.join(args.out, folder, name), "wb") as f:
            f.write(blob)
        print("%-6s %-18s %8d bytes" % (folder, name, len(blob)))


if __name__ == "__main__":
    main()
