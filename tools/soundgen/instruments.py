"""The chip voices shared by the music and the jingle effects.

A voice turns one note (a frequency, a gate length in samples) into a signal
that starts from silence and ends in silence: it sounds for the gate and then
for its release. Drums are one-shot and take no pitch.
"""

import functools

import numpy as np

import dsp


def _cached(make):
    """Keeps every note a voice has made: songs repeat the same notes many
    times. The arrays are shared, so they are made read-only."""
    @functools.lru_cache(maxsize=None)
    def cached(*args, **kwargs):
        out = make(*args, **kwargs)
        out.flags.writeable = False
        return out
    cached.__doc__ = make.__doc__
    return cached


NAMES = {"C": 0, "D": 2, "E": 4, "F": 5, "G": 7, "A": 9, "B": 11}
BELL_TOP = 10000.0  # Hz


def midi(name):
    """MIDI number of a note name such as "C4", "F#5" or "Bb3" (C4 is 60)."""
    pitch = NAMES[name[0]]
    rest = name[1:]
    while rest and rest[0] in "#b":
        pitch += 1 if rest[0] == "#" else -1
        rest = rest[1:]
    return 12 * (int(rest) + 1) + pitch


def envelope(n_gate, attack, half_life, sustain, release):
    """Attack from 0, decay towards `sustain` (halving the distance every
    half_life seconds) while the gate is held, then a linear release to 0."""
    n_rel = dsp.samples(release)
    n = n_gate + n_rel
    env = sustain + (1.0 - sustain) * dsp.decay(n, half_life, attack)
    a = min(dsp.samples(attack), n_gate)
    if a:
        env[:a] *= np.arange(a) / a
    if n_rel:
        env[n_gate:] = env[n_gate - 1] * (1.0 - np.arange(1, n_rel + 1) / n_rel)
    return env


def vibrato(freq, n, depth=0.006, rate=5.5, delay=0.18):
    """Per-sample frequency with a vibrato fading in after `delay` seconds."""
    t = dsp.times(n)
    amount = np.clip((t - delay) / 0.15, 0.0, 1.0) * depth
    return freq * (1.0 + amount * dsp.sine(t * rate))


@_cached
def pulse_note(freq, n_gate, duty=0.25, attack=0.004, half_life=0.1, sustain=0.6,
               release=0.05, vib=0.006):
    """Lead or harmony note on a pulse channel."""
    env = envelope(n_gate, attack, half_life, sustain, release)
    f = vibrato(freq, len(env), depth=vib) if vib else freq
    return dsp.pulse(dsp.phase_of(f, len(env)), f, duty) * env


@_cached
def bass_note(freq, n_gate, release=0.02):
    """Bass note on the stepped triangle channel, full for its gate."""
    env = envelope(n_gate, 0.003, 0.3, 0.85, release)
    return dsp.chip_triangle(dsp.phase_of(freq, len(env))) * env


def bell_note(freq, n, half_life=0.15):
    """Struck bell: a sine with two inharmonic partials, bright at first.
    Partials at or above 10 kHz are left out: they would fold back below
    the 11025 Hz limit of the sample rate as stray tones."""
    out = np.zeros(n)
    for ratio, gain, life in ((1.0, 1.0, 1.0), (2.76, 0.35, 0.5), (5.40, 0.15, 0.25)):
        if freq * ratio < BELL_TOP:
            out += gain * dsp.sine(dsp.phase_of(freq * ratio, n)) * dsp.decay(n, half_life * life)
    return out * _attack(n, 0.002)


def _attack(n, seconds):
    env = np.ones(n)
    a = min(dsp.samples(seconds), n)
    if a:
        env[:a] = np.arange(a) / a
    return env


# ---------------------------------------------------------------- drums

@_cached
def kick(seed=0):
    """Low thump: a sine gliding down from 160 Hz."""
    n = dsp.samples(0.18)
    f = dsp.sweep(n, 160.0, 45.0, 0.03)
    return dsp.sine(dsp.phase_of(f, n)) * dsp.decay(n, 0.045) * _attack(n, 0.001)


@_cached
def snare(seed=0):
    """Noise burst over a short low tone."""
    n = dsp.samples(0.16)
    body = dsp.triangle(dsp.phase_of(190.0, n)) * dsp.decay(n, 0.025)
    rattle = dsp.noise(n, 101 + seed, 11025) * dsp.decay(n, 0.035)
    return (0.6 * body + 0.7 * rattle) * _attack(n, 0.001)


@_cached
def hat(seed=0, half_life=0.012):
    """Closed hi-hat: bright, very short noise."""
    n = dsp.samples(half_life * 6)
    return dsp.first_difference(dsp.noise(n, 202 + seed)) * 0.5 * dsp.decay(n, half_life) \
        * _attack(n, 0.0005)


def open_hat(seed=0):
    return hat(seed, 0.05)


@_cached
def crash(seed=0):
    """Long bright noise for the end of a phrase."""
    n = dsp.samples(0.9)
    return dsp.first_difference(dsp.noise(n, 303 + seed, 16000)) * 0.45 \
        * dsp.decay(n, 0.16) * _attack(n, 0.002)


@_cached
def tom(seed=0):
    """Pitched drum gliding from 220 Hz to 110 Hz."""
    n = dsp.samples(0.2)
    f = dsp.sweep(n, 220.0, 110.0, 0.05)
    return dsp.triangle(dsp.phase_of(f, n)) * dsp.decay(n, 0.06) * _attack(n, 0.001)


DRUMS = {"k": (kick, 1.0), "s": (snare, 0.55), "h": (hat, 0.22), "o": (open_hat, 0.2),
         "c": (crash, 0.3), "t": (tom, 0.6)}
