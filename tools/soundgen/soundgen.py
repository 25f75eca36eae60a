#!/usr/bin/python3
"""Builds every sound effect of Thrask into data/Sounds.

    /usr/bin/python3 tools/soundgen/soundgen.py [--out DIR] [--list] [NAME ...]

--out DIR writes into DIR/Sounds instead of the game's data
folder; names (such as pepper.wav) limit the run to those files. Needs Debian's
python3-numpy. Everything is synthesised and seeded, and only exactly rounded
arithmetic is used (see dsp.py), so every run on every machine writes the same
bytes.
"""

import argparse
import os
import struct
import sys

sys.dont_write_bytecode = True  # keep the source folder clean
HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import dsp  # noqa: E402
import effects  # noqa: E402

EFFECT_PEAK = 0.7   # about -3 dB: headroom when several effects sound at once

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

def wav_bytes(signal):
    """A canonical 44-byte-header WAV file: PCM, mono, 16-bit, dsp.RATE Hz, and
    nothing else (no date, no tool name)."""
    data = dsp.pcm16(signal)
    header = struct.pack("<4sI4s4sIHHIIHH4sI", b"RIFF", 36 + len(data), b"WAVE", b"fmt ", 16,
                         1, 1, dsp.RATE, dsp.RATE * 2, 2, 16, b"data", len(data))
    return header + data


def effect_signal(recipe):
    return dsp.normalise(dsp.fade(recipe()), EFFECT_PEAK)


def targets():
    """(folder, file name, function making the signal) of every file."""
    out = [("Sounds", name, lambda r=recipe: effect_signal(r)) for name, recipe in EFFECTS.items()]
    return out


def main():
    parser = argparse.ArgumentParser(description="Builds Thrask's sounds.")
    parser.add_argument("--out", default=os.path.join(HERE, "..", "..", "data"),
                        help="data folder to write Sounds/ into")
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
        blob = wav_bytes(make())
        os.makedirs(os.path.join(args.out, folder), exist_ok=True)
        with open(os.path.join(args.out, folder, name), "wb") as f:
            f.write(blob)
        print("%-6s %-18s %6.2f s %8d bytes" % (folder, name, (len(blob) - 44) / 2 / dsp.RATE,
                                              len(blob)))


if __name__ == "__main__":
    main()
