"""A small pattern sequencer that plays a song on four chip channels.

A song is a tempo (samples per sixteenth-note step), a table of sections and
a form naming the sections in playing order. A section holds the chords of
its bars and the channels' patterns:

- lead: a melody, bars separated by "|", each bar 8 tokens (eighth notes) or
  16 (sixteenths). A token is a note name ("E5", "F#4", "Bb3") that starts a
  note, "-" that holds the one before, or "." for a rest.
- bass: one bar of chord degrees played on the triangle every bar: "1" root,
  "3" and "5" the chord's third and fifth, "7" its seventh, "8" the root an
  octave up; "-" holds, "." rests. 8 or 16 tokens.
- arp: "16" or "8" plays the chord's notes upwards, one per step or per two
  steps, quietly on a thin pulse; "" plays none.
- drums: bars of 16 tokens separated by "|", cycled over the section's bars:
  "k" kick, "s" snare, "h" closed hat, "o" open hat, "c" crash, "t" tom,
  combined freely ("kh"), "." nothing.

Chords are written one per bar ("Am F C G"), or two in a bar joined by "/"
("F/G"). The song is rendered as one period of an endless repetition: sound
that rings past the end wraps round to the start, so the loop joins without a
click.
"""

import numpy as np

import dsp
import instruments as ins

CHORD_SHAPES = {"": (0, 4, 7), "m": (0, 3, 7), "7": (0, 4, 7, 10), "m7": (0, 3, 7, 10),
                "maj7": (0, 4, 7, 11), "sus4": (0, 5, 7), "dim": (0, 3, 6)}
BASS_ROOT = 36  # C2: bass notes sit between C2 and B2 (plus the octave)
ARP_ROOT = 72   # C5: arpeggios between C5 and B5
STEPS_PER_BAR = 16


class Song:
    """A looping chip tune; see the module comment for the notation."""

    def __init__(self, step, sections, form, lead_duty=0.25, levels=None):
        self.step = step  # samples per sixteenth note
        self.sections = sections
        self.form = form.split()
        self.lead_duty = lead_duty
        self.levels = dict(lead=0.22, arp=0.06, bass=0.32, drums=0.3, echo=0.28)
        self.levels.update(levels or {})


def chord_notes(name):
    """(root pitch class, intervals) of a chord name such as "F#m" or "G7"."""
    size = 2 if len(name) > 1 and name[1] in "#b" else 1
    root = ins.NAMES[name[0]] + (0 if size == 1 else (1 if name[1] == "#" else -1))
    return root % 12, CHORD_SHAPES[name[size:]]


def split_bar(bar):
    tokens = bar.split()
    if len(tokens) not in (8, 16):
        raise ValueError("a bar needs 8 or 16 tokens: %r" % bar)
    return tokens, STEPS_PER_BAR // len(tokens)


def notes_of(tokens, steps_per_token):
    """(first step, steps held, token) of every note in a bar's tokens."""
    out = []
    for i, tok in enumerate(tokens):
        if tok in "-.":
            if tok == "-" and out and out[-1][0] + out[-1][1] == i * steps_per_token:
                out[-1] = (out[-1][0], out[-1][1] + steps_per_token, out[-1][2])
            continue
        out.append((i * steps_per_token, steps_per_token, tok))
    return out


class Track:
    """One channel's buffer, one loop long; notes past the end wrap round."""

    def __init__(self, length):
        self.buf = np.zeros(length)

    def add(self, sig, start):
        n = len(self.buf)
        start %= n
        head = min(len(sig), n - start)
        self.buf[start:start + head] += sig[:head]
        if head < len(sig):
            self.buf[:len(sig) - head] += sig[head:]


def bar_chords(section, bar):
    """The chord sounding at each of the 16 steps of a section's bar."""
    names = section["chords"].split()[bar].split("/")
    per = STEPS_PER_BAR // len(names)
    return [chord_notes(names[s // per]) for s in range(STEPS_PER_BAR)]


def degree_pitch(chord, degree):
    root, shape = chord
    base = BASS_ROOT + root
    if degree == "1":
        return base
    if degree == "8":
        return base + 12
    index = {"3": 1, "5": 2, "7": 3}[degree]
    return base + (shape[index] if index < len(shape) else 10)


def render(song):
    """The song's samples, one loop, not yet normalised."""
    step = song.step
    bars = [(name, b) for name in song.form
            for b in range(len(song.sections[name]["chords"].split()))]
    length = len(bars) * STEPS_PER_BAR * step
    lead, arp, bass, drums = (Track(length) for _ in range(4))
    for index, (name, b) in enumerate(bars):
        section = song.sections[name]
        at = index * STEPS_PER_BAR * step
        chords = bar_chords(section, b)
        melody = [bar.strip() for bar in section["lead"].split("|")]
        tokens, per = split_bar(melody[b])
        for first, held, tok in notes_of(tokens, per):
            gate = held * step - dsp.samples(0.012)
            lead.add(ins.pulse_note(dsp.note_hz(ins.midi(tok)), gate, song.lead_duty),
                     at + first * step)
        tokens, per = split_bar(section["bass"])
        for first, held, tok in notes_of(tokens, per):
            pitch = degree_pitch(chords[first], tok)
            bass.add(ins.bass_note(dsp.note_hz(pitch), held * step - dsp.samples(0.01)),
                     at + first * step)
        if section.get("arp"):
            every = STEPS_PER_BAR // int(section["arp"])
            for s in range(0, STEPS_PER_BAR, every):
                root, shape = chords[s]
                tones = list(shape[:3]) + [12]
                pitch = ARP_ROOT + root + tones[(s // every) % len(tones)]
                arp.add(ins.pulse_note(dsp.note_hz(pitch), every * step // 2, 0.125,
                                       0.002, 0.04, 0.3, 0.03, 0.0), at + s * step)
        patterns = [p.split() for p in section["drums"].split("|")]
        pattern = patterns[b % len(patterns)]
        for s, tok in enumerate(pattern):
            for i, letter in enumerate(tok if tok != "." else ""):
                make, gain = ins.DRUMS[letter]
                # the noise of a hit depends on its place in the section only, so
                # a section sounds the same every time the form comes back to it
                drums.add(gain * make(b * STEPS_PER_BAR + s + i), at + s * step)
    lv = song.levels
    echo = 3 * step
    wet = lead.buf + lv["echo"] * np.roll(lead.buf, echo) \
        + lv["echo"] * lv["echo"] * np.roll(lead.buf, 2 * echo)
    return lv["lead"] * wet + lv["arp"] * arp.buf + lv["bass"] * bass.buf \
        + lv["drums"] * drums.buf
