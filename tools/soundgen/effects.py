"""Recipes of Thrask's sound effects.

Each recipe returns the raw signal of one effect; soundgen.py fades its ends
and scales it to the common peak, so loudness here is only the balance of the
parts within one effect. Noise seeds are fixed per effect.
"""

import numpy as np

import dsp
import instruments as ins


def _notes(total, notes, voice):
    """Sequence of (start seconds, seconds held, note name) on a voice."""
    out = np.zeros(dsp.samples(total))
    for start, held, name in notes:
        dsp.place(out, voice(dsp.note_hz(ins.midi(name)), dsp.samples(held)), dsp.samples(start))
    return out


def _tone(freq, n, wave="sine"):
    phase = dsp.phase_of(freq, n)
    if wave == "sine":
        return dsp.sine(phase)
    if wave == "triangle":
        return dsp.triangle(phase)
    if wave == "saw":
        return dsp.saw(phase, freq)
    return dsp.pulse(phase, freq, {"square": 0.5, "pulse": 0.25}[wave])


def _ouch(n, start_hz=520.0, end_hz=260.0):
    """The player's own short falling cry, shared by every hurt sound so all of
    them read as "you were hit" under the attacker's own sound."""
    m = dsp.samples(0.14)
    f = dsp.sweep(m, start_hz, end_hz, 0.04)
    cry = dsp.pulse(dsp.phase_of(f, m), f, 0.25) * dsp.ramp(m, [(0, 0), (0.005, 1), (0.14, 0)])
    out = np.zeros(n)
    dsp.place(out, cry, dsp.samples(0.03))
    return out


# ---------------------------------------------------------------- pickups

def pepper():
    """A pepper collected: two quick rising notes, bright like a coin."""
    voice = lambda f, g: ins.pulse_note(f, g, 0.25, 0.002, 0.06, 0.4, 0.12, 0.0)  # noqa: E731
    return _notes(0.3, [(0.0, 0.05, "B5"), (0.05, 0.1, "E6")], voice)


def tint():
    """Every fourth pepper: a sparkling bell arpeggio."""
    out = np.zeros(dsp.samples(0.85))
    for i, name in enumerate(("C6", "E6", "G6", "C7")):
        dsp.place(out, ins.bell_note(dsp.note_hz(ins.midi(name)), dsp.samples(0.85 - 0.06 * i),
                                     0.12), dsp.samples(0.06 * i))
    return out


def health():
    """A health pickup taken: a warm rising arpeggio on triangle and pulse."""
    def voice(f, g):
        env = ins.envelope(g, 0.003, 0.12, 0.5, 0.1)
        tri = env * dsp.triangle(dsp.phase_of(f, len(env)))
        return tri + 0.3 * ins.pulse_note(f * 2, g, 0.125, 0.003, 0.08, 0.3, 0.1, 0.0)
    return _notes(0.6, [(0.0, 0.07, "C5"), (0.07, 0.07, "E5"), (0.14, 0.07, "G5"),
                        (0.21, 0.25, "C6")], voice)


# ---------------------------------------------------------------- hurt

def hurt_zombie():
    """Bitten in a zombie's lunge: a low wet growl and a snap of teeth."""
    n = dsp.samples(0.42)
    f = dsp.sweep(n, 110.0, 62.0, 0.12) * (1.0 + 0.08 * dsp.sine(dsp.times(n) * 23.0))
    growl = dsp.lowpass(dsp.saw(dsp.phase_of(f, n), f) + 0.5 * dsp.noise(n, 11, 3000), 900.0)
    growl *= dsp.ramp(n, [(0, 0), (0.03, 1), (0.25, 0.6), (0.42, 0)])
    snap = dsp.highpass(dsp.noise(n, 12), 1500.0) * dsp.decay(n, 0.012)
    return growl + 0.7 * snap + 0.5 * _ouch(n)


def hurt_burning():
    """Hit by a burning zombie: a short growl inside crackling fire."""
    n = dsp.samples(0.5)
    f = dsp.sweep(n, 95.0, 70.0, 0.1)
    growl = dsp.lowpass(dsp.saw(dsp.phase_of(f, n), f), 700.0) * dsp.ramp(
        n, [(0, 0), (0.02, 0.8), (0.2, 0.3), (0.35, 0)])
    grain = dsp.noise(n, 21)
    crackle = np.where(np.abs(grain) > 0.985, grain, 0.0)  # sparse pops
    crackle = dsp.bandpass(crackle, 2200.0, 1.5) * 2.5
    roar = dsp.bandpass(dsp.noise(n, 22), 900.0, 0.8) * dsp.ramp(n, [(0, 0), (0.05, 0.6), (0.5, 0)])
    return 1.3 * growl + crackle * dsp.ramp(n, [(0, 1), (0.5, 0.2)]) + roar + 0.5 * _ouch(n)


def hurt_ninja():
    """Struck by a ninja: a fast rising whoosh ending in a sharp slap."""
    n = dsp.samples(0.3)
    centre = dsp.ramp(n, [(0, 700.0), (0.09, 3000.0), (0.3, 3000.0)])
    whoosh = dsp.bandpass(dsp.noise(n, 31), centre, 3.0) * dsp.ramp(
        n, [(0, 0), (0.08, 1), (0.1, 0)])
    slap = np.zeros(n)
    m = dsp.samples(0.12)
    hit = dsp.lowpass(dsp.noise(m, 32), 4000.0) * dsp.decay(m, 0.015) \
        + 0.8 * dsp.sine(dsp.phase_of(dsp.sweep(m, 260.0, 120.0, 0.02), m)) * dsp.decay(m, 0.03)
    dsp.place(slap, hit, dsp.samples(0.09))
    return 0.8 * whoosh + slap + 0.5 * _ouch(n, 600.0, 300.0)


def hurt_knife():
    """Hit by a thrown knife: a metallic clang with a short ring."""
    n = dsp.samples(0.4)
    ring = np.zeros(n)
    for freq, gain, half in ((1180.0, 1.0, 0.06), (1873.0, 0.7, 0.045),
                             (2641.0, 0.5, 0.03), (3307.0, 0.35, 0.02)):
        ring += gain * dsp.sine(dsp.phase_of(freq, n)) * dsp.decay(n, half)
    click = dsp.highpass(dsp.noise(n, 41), 2000.0) * dsp.decay(n, 0.004)
    return 0.5 * ring + click + 0.6 * _ouch(n, 560.0, 280.0)


def hurt_flame():
    """Touched by a robot's flame: a sizzling hiss with a falling zap."""
    n = dsp.samples(0.35)
    hiss = dsp.bandpass(dsp.noise(n, 51), 2400.0, 1.2)
    hiss *= (0.6 + 0.4 * dsp.sine(dsp.times(n) * 31.0)) * dsp.ramp(
        n, [(0, 0), (0.01, 1), (0.2, 0.5), (0.35, 0)])
    f = dsp.sweep(n, 700.0, 180.0, 0.05)
    zap = dsp.pulse(dsp.phase_of(f, n), f, 0.5) * dsp.ramp(n, [(0, 0), (0.004, 0.5), (0.18, 0)])
    return hiss + 0.5 * zap + 0.4 * _ouch(n)


def hurt_cabbage():
    """Bitten by a cabbage: two crunchy chomps."""
    n = dsp.samples(0.28)
    out = np.zeros(n)
    for i, at in enumerate((0.0, 0.1)):
        m = dsp.samples(0.09)
        crunch = dsp.lowpass(dsp.noise(m, 61 + i, 3500), 2500.0) * dsp.decay(m, 0.02)
        thud = dsp.sine(dsp.phase_of(dsp.sweep(m, 180.0, 90.0, 0.02), m)) * dsp.decay(m, 0.025)
        dsp.place(out, crunch + 0.8 * thud, dsp.samples(at))
    return out + 0.45 * _ouch(n, 500.0, 250.0)


# ---------------------------------------------------------------- world

def knife_throw():
    """A knife thrown: a short whistling whoosh."""
    n = dsp.samples(0.22)
    centre = dsp.ramp(n, [(0, 900.0), (0.1, 2800.0), (0.22, 1400.0)])
    body = dsp.bandpass(dsp.noise(n, 71), centre, 4.0)
    whistle = dsp.sine(dsp.phase_of(centre * 1.2, n)) * 0.15
    return (body + whistle) * dsp.ramp(n, [(0, 0), (0.07, 1), (0.22, 0)])


def flame_lit():
    """A robot lights its flame: a soft roaring "fwoomp"."""
    n = dsp.samples(0.7)
    cutoff = dsp.ramp(n, [(0, 200.0), (0.15, 3000.0), (0.7, 900.0)])
    roar = dsp.lowpass(dsp.lowpass(dsp.noise(n, 81, 16000), cutoff), cutoff)
    roar *= dsp.ramp(n, [(0, 0), (0.08, 1), (0.3, 0.6), (0.7, 0)])
    thump = dsp.sine(dsp.phase_of(dsp.sweep(n, 120.0, 55.0, 0.05), n)) * dsp.decay(n, 0.06)
    return 2.0 * roar + 0.6 * thump


def cabbage_pop():
    """A cabbage pops out of the ground: a rising bloop and a spray of dirt."""
    n = dsp.samples(0.3)
    f = dsp.sweep(n, 180.0, 720.0, 0.03)
    bloop = dsp.sine(dsp.phase_of(f, n)) * dsp.ramp(n, [(0, 0), (0.005, 1), (0.12, 0.5), (0.2, 0)])
    dirt = dsp.lowpass(dsp.noise(n, 91, 6000), 1800.0) * dsp.decay(n, 0.03) * 0.8
    return bloop + dirt


# ---------------------------------------------------------------- jingles

def _lead(duty=0.25):
    return lambda f, g: ins.pulse_note(f, g, duty, 0.003, 0.12, 0.6, 0.08, 0.008)  # noqa: E731


def _bass(f, g):
    return ins.bass_note(f, g, 0.08)


def level_clear():
    """A level cleared: a bright rising run to a held high note."""
    lead = _notes(1.4, [(0.0, 0.09, "G4"), (0.1, 0.09, "C5"), (0.2, 0.09, "E5"),
                        (0.3, 0.09, "G5"), (0.4, 0.8, "C6")], _lead())
    third = _notes(1.4, [(0.4, 0.8, "E5")], _lead(0.125))
    bass = _notes(1.4, [(0.0, 0.18, "C3"), (0.2, 0.18, "G3"), (0.4, 0.8, "C3")], _bass)
    return lead + 0.5 * third + 0.9 * bass


def death():
    """The player dies: a slow, sagging chromatic fall."""
    lead = _notes(1.5, [(0.0, 0.16, "E5"), (0.2, 0.16, "D#5"), (0.42, 0.18, "D5"),
                        (0.66, 0.7, "C#5")], _lead(0.5))
    bass = _notes(1.5, [(0.0, 0.36, "A2"), (0.42, 0.2, "G#2"), (0.66, 0.7, "G2")], _bass)
    n = len(lead)
    sag = dsp.ramp(n, [(0, 1.0), (0.9, 1.0), (1.5, 0.55)])
    return (lead + 0.9 * bass) * sag


def ending():
    """The game won: a short fanfare with a cymbal."""
    lead = _notes(1.5, [(0.0, 0.08, "G4"), (0.1, 0.08, "G4"), (0.2, 0.08, "G4"),
                        (0.3, 0.25, "C5"), (0.58, 0.12, "E5"), (0.72, 0.7, "G5")], _lead(0.5))
    harmony = _notes(1.5, [(0.3, 0.25, "G4"), (0.58, 0.12, "C5"), (0.72, 0.7, "E5")],
                     _lead(0.125))
    bass = _notes(1.5, [(0.0, 0.28, "C3"), (0.3, 0.25, "G2"), (0.58, 0.12, "G2"),
                        (0.72, 0.7, "C3")], _bass)
    cymbal = np.zeros(len(lead))
    dsp.place(cymbal, ins.crash(7), dsp.samples(0.72))
    return lead + 0.45 * harmony + 0.9 * bass + 0.5 * cymbal


# ---------------------------------------------------------------- menus

def menu_hover():
    """The pointer moves onto a menu entry: a tiny soft tick."""
    n = dsp.samples(0.05)
    return dsp.sine(dsp.phase_of(1760.0, n)) * dsp.decay(n, 0.008) \
        + 0.3 * dsp.triangle(dsp.phase_of(880.0, n)) * dsp.decay(n, 0.012)


def menu_click():
    """A menu entry chosen: a quick two-step confirm blip."""
    voice = lambda f, g: ins.pulse_note(f, g, 0.25, 0.001, 0.03, 0.5, 0.02, 0.0)  # noqa: E731
    return _notes(0.12, [(0.0, 0.035, "E5"), (0.04, 0.05, "B5")], voice)


def save():
    """A game saved: two soft rising notes and a small bell."""
    def voice(f, g):
        env = ins.envelope(g, 0.004, 0.1, 0.5, 0.08)
        return dsp.triangle(dsp.phase_of(f, len(env))) * env
    notes = _notes(0.55, [(0.0, 0.08, "C5"), (0.1, 0.1, "G5")], voice)
    bell = np.zeros(len(notes))
    dsp.place(bell, ins.bell_note(dsp.note_hz(ins.midi("G6")), dsp.samples(0.4), 0.08),
              dsp.samples(0.1))
    return notes + 0.35 * bell
