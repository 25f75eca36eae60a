"""Thrask's five music loops, written for the sequencer (see sequencer.py).

Tempos are given as samples per sixteenth-note step at 22050 Hz:
22050 * 15 / beats-per-minute, rounded.
"""

from sequencer import Song

# The title and menu screens: calm, A minor, about 100 beats a minute.
MENU = Song(step=3308, lead_duty=0.5, form="A B", levels=dict(lead=0.16), sections={
    "A": dict(
        chords="Am F C G",
        lead="A4 - C5 - E5 - - D5 | C5 - - A4 F4 - A4 - | G4 - C5 - E5 - G5 - | F5 - E5 - D5 - - .",
        bass="1 - - . 5 - - . 8 - - . 5 - - .",
        arp="8",
        drums="k . h . . . h . s . h . . . h ."),
    "B": dict(
        chords="Am F G E",
        lead="E5 - - - A5 - G5 E5 | F5 - E5 - C5 - A4 - | B4 - D5 - G5 - F5 D5 | E5 - - - G#4 - - .",
        bass="1 - - . 5 - - . 8 - - . 5 - - .",
        arp="8",
        drums="k . h . . . h . s . h . . . h . | k . h . . . h . s . h . s . s ."),
})

# Levels 1 to 5, out in the fields: cheerful, G major, 128 beats a minute.
FIELDS = Song(step=2584, lead_duty=0.25, form="A A2 B", sections={
    "A": dict(
        chords="G Em C D",
        lead="D5 - G5 - B5 - A5 G5 | E5 - - G5 B4 - E5 - | C5 - E5 G5 - E5 C5 - | D5 - F#5 - A5 - - .",
        bass="1 . 8 . 5 . 8 .",
        arp="16",
        drums="k . h . s . h . k . h k s . h ."),
    "A2": dict(
        chords="G Em C D",
        lead="D5 - G5 - B5 - A5 G5 | E5 - - G5 B5 - A5 G5 | E5 - C5 - G5 - E5 C5 | D5 - - - . . D5 E5",
        bass="1 . 8 . 5 . 8 .",
        arp="16",
        drums="k . h . s . h . k . h k s . h . | k . h . s . h . k . h k s . s s"),
    "B": dict(
        chords="C D Em D",
        lead="G5 - - E5 - - C5 - | A5 - - F#5 - - D5 - | B5 - A5 - G5 - E5 - | F#5 - - - A5 - - .",
        bass="1 . 1 5 8 . 5 .",
        arp="16",
        drums="k . h . s . h . k . h k s . h o | k . h . s . h . k . h k s . t t"),
})

# Levels 6 to 10: darker, D minor, 136 beats a minute.
DARK = Song(step=2432, lead_duty=0.125, form="A B A2", levels=dict(lead=0.24), sections={
    "A": dict(
        chords="Dm Bb C A",
        lead="A4 - D5 - F5 - E5 D5 | F5 - - D5 Bb4 - D5 - | E5 - G5 - C5 - E5 - | C#5 - - E5 A5 - - .",
        bass="1 . 1 . 8 . 1 . 1 . 1 . 8 . 5 .",
        arp="16",
        drums="k . h . s . h k . k h . s . h h"),
    "B": dict(
        chords="Gm Dm Bb A",
        lead="Bb5 - A5 - G5 - D5 - | F5 - E5 - D5 - A4 - | Bb4 - D5 - F5 - Bb5 - | A5 - G5 - E5 - C#5 -",
        bass="1 . 1 . 8 . 1 . 1 . 1 . 8 . 5 .",
        arp="16",
        drums="k . h . s . h k . k h . s . h h | k . h . s . h k . k h . s . t t"),
    "A2": dict(
        chords="Dm Bb C A",
        lead="A4 - D5 - F5 - A5 - | G5 - F5 - D5 - Bb4 - | C5 - E5 - G5 - E5 - | E5 - C#5 - A4 - - .",
        bass="1 . 1 . 8 . 1 . 1 . 1 . 8 . 5 .",
        arp="16",
        drums="k . h . s . h k . k h . s . h h"),
})

# Levels 11 to 15, the last stretch: driving, E minor, 148 beats a minute.
FINAL = Song(step=2235, lead_duty=0.25, form="A A2 B B2", sections={
    "A": dict(
        chords="Em C D B",
        lead="E5 - B4 - E5 - G5 - | G5 - E5 - C5 - E5 - | F#5 - A5 - D5 - F#5 - | D#5 - F#5 - B5 - - .",
        bass="1 . 1 1 8 . 1 1 1 . 1 1 8 . 5 5",
        arp="16",
        drums="k . h . s . h k k . h . s . h ."),
    "A2": dict(
        chords="Em C D B7",
        lead="E5 - B4 - E5 - G5 - | G5 - E5 - C5 - E5 G5 | A5 - F#5 - D5 - A5 - | B5 - - - A5 - F#5 -",
        bass="1 . 1 1 8 . 1 1 1 . 1 1 8 . 5 5",
        arp="16",
        drums="k . h . s . h k k . h . s . h . | k . h . s . h k k . h . s s s s"),
    "B": dict(
        chords="Am Em C D",
        lead="C6 - B5 - A5 - E5 - | G5 - F#5 - E5 - B4 - | C5 - E5 - G5 - C6 - | B5 - A5 - F#5 - D5 -",
        bass="1 . 1 1 8 . 1 1 1 . 1 1 8 . 5 5",
        arp="16",
        drums="kc . h . s . h k k . h . s . h o | k . h . s . h k k . h . s . h o"),
    "B2": dict(
        chords="Am Em C B7",
        lead="C6 - B5 - A5 - E5 - | G5 - B5 - E5 - - . | E5 - G5 - C5 - E5 - | D#5 - F#5 - B4 - - .",
        bass="1 . 1 1 8 . 1 1 1 . 1 1 8 . 5 5",
        arp="16",
        drums="k . h . s . h k k . h . s . h o | k . h . s . h k k . t . t t t t"),
})

# The ending screen: warm and proud, C major, 92 beats a minute.
ENDING = Song(step=3595, lead_duty=0.5, form="A B", levels=dict(lead=0.17, echo=0.32), sections={
    "A": dict(
        chords="C Am F G",
        lead="G4 - C5 - E5 - G5 - | A5 - - - E5 - C5 - | F5 - A5 - C6 - A5 - | G5 - - - D5 - B4 -",
        bass="1 - 5 - 8 - 5 -",
        arp="8",
        drums="kc . h . s . h . k . h . s . h . | k . h . s . h . k . h . s . h ."),
    "B": dict(
        chords="C Am F/G C",
        lead="C5 - E5 - G5 - C6 - | B5 - A5 - E5 - C5 - | A5 - C6 - B5 - G5 - | C6 - - - - - . .",
        bass="1 - 5 - 8 - 5 -",
        arp="8",
        drums="k . h . s . h . k . h . s . h . | k . h . s . h . k . t . t t t t"),
})
