#!/usr/bin/python3
"""The sound generator's own rules.

    soundgen_test.py GENERATOR_DIR

Its arithmetic stays exactly rounded (so the files are the same on every
processor) and accurate, its notation means what the sequencer documents, and
every song it renders is one period of an endless repetition, so the loop
point sounds like the song going on.
"""

import math
import os
import re
import sys
import unittest

import numpy as np

sys.dont_write_bytecode = True
GENERATOR = sys.argv.pop(1) if __name__ == "__main__" else os.environ["SOUNDGEN_DIR"]
sys.path.insert(0, GENERATOR)

import dsp  # noqa: E402
import sequencer  # noqa: E402
import songs  # noqa: E402

# Calls whose last bit depends on the processor or on how numpy splits a sum.
FORBIDDEN = re.compile(
    r"\b(?:np|numpy|math)\.(?:sin|cos|tan|exp|exp2|expm1|log|log2|log10|log1p|power|pow|"
    r"sum|mean|dot|convolve|interp|hanning|hamming|fft)\b"
    r"|[\w)\]]\s*\*\*")  # the power operator (not **kwargs)


class Arithmetic(unittest.TestCase):

    def test_generator_uses_only_exactly_rounded_operations(self):
        for name in sorted(os.listdir(GENERATOR)):
            if not name.endswith(".py"):
                continue
            with open(os.path.join(GENERATOR, name)) as f:
                for number, line in enumerate(f, 1):
                    code = line.split("#")[0]
                    with self.subTest("%s:%d" % (name, number)):
                        self.assertIsNone(FORBIDDEN.search(code), line.strip())

    def test_polynomial_sine_and_powers_of_two_are_accurate(self):
        for x in np.linspace(-3.0, 3.0, 2001):
            self.assertAlmostEqual(float(dsp.sine(x)), math.sin(2 * math.pi * x), delta=1e-9)
        for x in np.linspace(-24.0, 24.0, 2001):
            self.assertAlmostEqual(float(dsp.exp2(x)) / 2.0 ** x, 1.0, delta=1e-8)
        self.assertAlmostEqual(dsp.note_hz(60), 261.6255653, places=6)
        self.assertEqual(dsp.note_hz(81), 880.0)


class Notation(unittest.TestCase):

    def test_note_and_chord_names(self):
        for name, number in (("C4", 60), ("A4", 69), ("F#5", 78), ("Bb3", 58), ("B2", 47)):
            self.assertEqual(sequencer.ins.midi(name), number, name)
        self.assertEqual(sequencer.chord_notes("F#m7"), (6, (0, 3, 7, 10)))
        self.assertEqual(sequencer.chord_notes("Bb"), (10, (0, 4, 7)))
        self.assertEqual(sequencer.chord_notes("E7"), (4, (0, 4, 7, 10)))

    def test_holds_rests_and_eighth_note_bars(self):
        tokens, per = sequencer.split_bar("C5 - . - D5 - - -")
        self.assertEqual(per, 2)
        # a hold after a rest keeps resting; eighth-note tokens span two steps
        self.assertEqual(sequencer.notes_of(tokens, per), [(0, 4, "C5"), (8, 8, "D5")])
        tokens, per = sequencer.split_bar(" ".join(["E4", "-", "-", "G4"] + ["."] * 12))
        self.assertEqual(sequencer.notes_of(tokens, per), [(0, 3, "E4"), (3, 1, "G4")])

    def test_a_bar_of_the_wrong_length_is_named(self):
        with self.assertRaisesRegex(ValueError, "C5 D5 E5"):
            sequencer.split_bar("C5 D5 E5")

    def test_a_note_starts_on_its_step(self):
        step = 1000
        song = sequencer.Song(step, {"A": dict(chords="C", lead=". . E5 - . . . .",
                                               bass=". . . . . . . .", drums=" ".join("." * 16))},
                              "A", levels=dict(echo=0.0))
        out = sequencer.render(song)
        self.assertEqual(len(out), 16 * step)
        self.assertEqual(float(np.max(np.abs(out[:4 * step]))), 0.0)
        self.assertGreater(float(np.max(np.abs(out[4 * step:5 * step]))), 0.05)
        self.assertEqual(float(np.max(np.abs(out[9 * step:]))), 0.0)


class Loops(unittest.TestCase):

    def test_each_song_played_twice_is_its_loop_twice(self):
        for name in ("MENU", "FIELDS", "DARK", "FINAL", "ENDING"):
            song = getattr(songs, name)
            with self.subTest(name):
                once = sequencer.render(song)
                twice = sequencer.render(sequencer.Song(
                    song.step, song.sections, " ".join(song.form * 2), song.lead_duty,
                    song.levels))
                self.assertEqual(len(twice), 2 * len(once))
                self.assertLess(float(np.max(np.abs(twice - np.tile(once, 2)))), 1e-9)


if __name__ == "__main__":
    unittest.main(verbosity=1)
