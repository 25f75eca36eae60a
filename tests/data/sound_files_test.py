#!/usr/bin/python3
"""The shipped sounds are fit to play.

    sound_files_test.py DATA_DIR

Effects (Sounds/*.wav) must be plain 16-bit mono PCM at 22050 Hz, short,
audible, peak-normalised with headroom and faded at both ends; music loops
(Music/*.ogg, decoded with oggdec through libvorbisfile, as the mixer decodes
them) must be mono at 22050 Hz, never fall silent, stay quieter than the
effects and join end to start without a click.
"""

import glob
import hashlib
import os
import struct
import subprocess
import sys
import tempfile
import unittest
import wave

import numpy as np

RATE = 22050
FULL = 32768.0
DATA = None  # set from the command line


def read_wav(path):
    with wave.open(path, "rb") as w:
        params = (w.getnchannels(), w.getsampwidth(), w.getframerate())
        frames = w.readframes(w.getnframes())
    return params, np.frombuffer(frames, "<i2").astype(np.float64) / FULL


def decode_ogg(path):
    with tempfile.TemporaryDirectory(prefix="sound-test-") as tmp:
        out = os.path.join(tmp, "decoded.wav")
        subprocess.run(["oggdec", "--quiet", "--output", out, path], check=True)
        return read_wav(out)


def rms(x):
    return float(np.sqrt(np.mean(x * x)))


def effects():
    return sorted(glob.glob(os.path.join(DATA, "Sounds", "*.wav")))


def loops():
    return sorted(glob.glob(os.path.join(DATA, "Music", "*.ogg")))


class EffectFiles(unittest.TestCase):

    def test_header_is_plain_pcm_mono_16_bit_at_22050(self):
        for path in effects():
            with self.subTest(os.path.basename(path)):
                with open(path, "rb") as f:
                    blob = f.read()
                fields = struct.unpack("<4sI4s4sIHHIIHH4sI", blob[:44])
                self.assertEqual(fields, (b"RIFF", len(blob) - 8, b"WAVE", b"fmt ", 16, 1, 1,
                                          RATE, RATE * 2, 2, 16, b"data", len(blob) - 44))

    def test_short_audible_normalised_with_headroom(self):
        for path in effects():
            with self.subTest(os.path.basename(path)):
                _, x = read_wav(path)
                self.assertTrue(0.05 <= len(x) / RATE <= 1.5, "%.3f s" % (len(x) / RATE))
                peak = float(np.max(np.abs(x)))
                self.assertTrue(0.5 <= peak <= 0.75, "peak %.3f of full scale" % peak)
                self.assertGreater(rms(x), 0.03, "too quiet to hear next to the music")

    def test_starts_and_ends_in_silence(self):
        edge = RATE // 2000  # half a millisecond
        for path in effects():
            with self.subTest(os.path.basename(path)):
                _, x = read_wav(path)
                peak = float(np.max(np.abs(x)))
                self.assertLessEqual(abs(x[0]), 2 / FULL)
                self.assertLessEqual(abs(x[-1]), 2 / FULL)
                self.assertLessEqual(float(np.max(np.abs(x[:edge]))), 0.3 * peak, "clicks on")
                self.assertLessEqual(float(np.max(np.abs(x[-edge:]))), 0.3 * peak, "clicks off")

    def test_every_effect_is_its_own_sound(self):
        seen = {}
        for path in effects():
            _, x = read_wav(path)
            key = hashlib.sha256(x.tobytes()).hexdigest()
            if key in seen:
                self.fail("%s sounds exactly like %s" % (path, seen[key]))
            seen[key] = path
        hurt = [p for p in seen.values() if os.path.basename(p).startswith("hurt_")]
        self.assertGreaterEqual(len(hurt), 4, "at least four different hurt sounds")


class MusicLoops(unittest.TestCase):

    @classmethod
    def setUpClass(cls):
        cls.decoded = {os.path.basename(p): decode_ogg(p) for p in loops()}
        cls.effect_rms = float(np.median([rms(read_wav(p)[1]) for p in effects()]))

    def test_five_loops_mono_at_22050_of_a_sensible_length(self):
        self.assertEqual(len(self.decoded), 5)
        for name, (params, x) in self.decoded.items():
            with self.subTest(name):
                self.assertEqual(params, (1, 2, RATE))
                self.assertTrue(12 <= len(x) / RATE <= 32, "%.1f s" % (len(x) / RATE))

    def test_never_silent_and_quieter_than_the_effects(self):
        for name, (_, x) in self.decoded.items():
            with self.subTest(name):
                for start in range(0, len(x) - RATE + 1, RATE):
                    self.assertGreater(rms(x[start:start + RATE]), 0.02,
                                       "silent second at %d s" % (start // RATE))
                self.assertLess(float(np.max(np.abs(x))), 0.6)
                self.assertLess(rms(x), self.effect_rms)

    def test_last_sample_joins_the_first_without_a_click(self):
        # A click is a jump larger than anything the waveform itself does in
        # the 5 ms around it. The songs rest their lead over the loop point, so
        # only quiet parts cross it and even a waveform edge there stays small.
        window = RATE // 200
        for name, (_, x) in self.decoded.items():
            with self.subTest(name):
                joined = np.concatenate([x[-window:], x[:window]])
                steps = np.abs(np.diff(joined))
                seam = steps[window - 1]
                around = max(float(np.max(steps[:window - 1])), float(np.max(steps[window:])))
                self.assertLessEqual(seam, around, "seam jump %.4f, largest step near it %.4f"
                                     % (seam, around))
                self.assertLessEqual(seam, 0.06, "seam jump %.4f of full scale" % seam)


class Totals(unittest.TestCase):

    def test_sounds_stay_small(self):
        total = sum(os.path.getsize(p) for p in effects() + loops())
        self.assertLess(total, 8 * 1024 * 1024, "%d bytes of sound" % total)


if __name__ == "__main__":
    DATA = sys.argv.pop(1)
    unittest.main(verbosity=1)
