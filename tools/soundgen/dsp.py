"""Signal building blocks for Thrask's sounds, in exactly rounded arithmetic.

Every sample is computed from +, -, *, /, sqrt, floor, comparisons and integer
bit operations only. IEEE 754 rounds those the same way on every processor.
Library sine, exp, log and pow (numpy's and the C library's) choose
processor-dependent code at run time and may differ in the last bit, which after
rounding to 16 bits changes a file now and then; array sums may be reordered the
same way. So this module computes sine and powers of two from polynomials,
noise from an integer hash, and recursive filters sample by sample in Python.

Signals are float64 numpy arrays at RATE samples per second, nominally within
[-1, 1]. Phases are in cycles (1.0 is one period).
"""

import functools

import numpy as np

RATE = 22050
TAU = 6.283185307179586
LN2 = 0.6931471805599453


def samples(seconds):
    """Number of samples in `seconds`."""
    return int(seconds * RATE + 0.5)


def times(n):
    """Time in seconds of each of n samples."""
    return np.arange(n) / RATE


# ---------------------------------------------------------------- arithmetic

def exp2(x):
    """2 to the power x, elementwise, to about 1e-8 relative."""
    x = np.asarray(x, dtype=np.float64)
    k = np.floor(x)
    y = (x - k) * LN2  # 2**f = e**(f ln 2) with f in [0, 1)
    p = 1.0 + y * (1.0 + y / 2 * (1.0 + y / 3 * (1.0 + y / 4 * (1.0 + y / 5 * (
        1.0 + y / 6 * (1.0 + y / 7 * (1.0 + y / 8 * (1.0 + y / 9 * (1.0 + y / 10)))))))))
    return np.ldexp(p, k.astype(np.int32))


def sine(phase):
    """sin(2 pi phase), elementwise, to about 1e-9."""
    phase = np.asarray(phase, dtype=np.float64)
    x = phase - np.floor(phase + 0.5)  # [-0.5, 0.5)
    x = np.where(x > 0.25, 0.5 - x, x)
    x = np.where(x < -0.25, -0.5 - x, x)  # [-0.25, 0.25], same sine
    z = x * TAU
    z2 = z * z
    return z * (1.0 - z2 / 6 * (1.0 - z2 / 20 * (1.0 - z2 / 42 * (1.0 - z2 / 72 * (
        1.0 - z2 / 110 * (1.0 - z2 / 156 * (1.0 - z2 / 210)))))))


def note_hz(midi):
    """Frequency of a MIDI note number (69 is A4 at 440 Hz)."""
    return 440.0 * float(exp2((midi - 69) / 12.0))


# ---------------------------------------------------------------- oscillators

def phase_of(freq, n):
    """Phase (cycles, starting at 0) of an oscillator at `freq` Hz, a number
    or an array of n per-sample frequencies."""
    if np.ndim(freq) == 0:
        return np.arange(n) * (float(freq) / RATE)
    step = np.asarray(freq, dtype=np.float64) / RATE
    return np.cumsum(step) - step[0]


def _blep(t, dt):
    """Band-limiting correction of a unit step at phase 0 (polyBLEP)."""
    a = t / dt
    b = (t - 1.0) / dt
    return np.where(t < dt, a + a - a * a - 1.0,
                    np.where(t > 1.0 - dt, b * b + b + b + 1.0, 0.0))


def pulse(phase, freq, duty=0.5):
    """Pulse wave of the given duty cycle (0.5 is a square), band-limited so
    high notes do not fold back as harsh whistles, and centred on zero (a
    narrow pulse is shifted up), so a note's envelope adds no thump."""
    t = phase - np.floor(phase)
    dt = np.asarray(freq, dtype=np.float64) / RATE
    naive = np.where(t < duty, 1.0, -1.0)
    u = t + (1.0 - duty)
    u = u - np.floor(u)
    return naive + _blep(t, dt) - _blep(u, dt) + (1.0 - 2.0 * duty)


def saw(phase, freq):
    """Falling sawtooth, band-limited."""
    t = phase - np.floor(phase)
    dt = np.asarray(freq, dtype=np.float64) / RATE
    return 1.0 - 2.0 * t + _blep(t, dt)


def triangle(phase):
    """Triangle wave starting at 0 and rising."""
    u = phase + 0.25
    u = u - np.floor(u)
    return 1.0 - 4.0 * np.abs(u - 0.5)


def chip_triangle(phase):
    """Triangle in 16 steps, the stepped bass of old sound chips."""
    level = np.floor((triangle(phase) + 1.0) * 8.0)
    return (np.minimum(level, 15.0) - 7.5) / 7.5


def noise(n, seed, hold_hz=RATE):
    """White noise in [-1, 1) from an integer hash of the sample index, so a
    seed gives the same noise everywhere. Below the full rate each value is
    held for RATE / hold_hz samples, which darkens it like a chip's noise
    channel clocked slower."""
    index = (np.arange(n, dtype=np.int64) * int(hold_hz)) // RATE
    x = (index & 0xFFFFFFFF).astype(np.uint32)
    x = x + np.uint32((seed * 0x9E3779B9) & 0xFFFFFFFF)
    x ^= x >> np.uint32(16)
    x *= np.uint32(0x7FEB352D)
    x ^= x >> np.uint32(15)
    x *= np.uint32(0x846CA68B)
    x ^= x >> np.uint32(16)
    return x / 2147483648.0 - 1.0


# ---------------------------------------------------------------- envelopes

def ramp(n, points):
    """Piecewise-linear curve through (seconds, level) points; the level of the
    last point holds to the end, the first one from the start."""
    out = np.full(n, float(points[-1][1]))
    first = min(samples(points[0][0]), n)
    out[:first] = points[0][1]
    for (t0, v0), (t1, v1) in zip(points, points[1:]):
        a, b = samples(t0), samples(t1)
        if b <= a or a >= n:
            continue
        k = np.arange(b - a) / (b - a)
        seg = v0 + (v1 - v0) * k
        out[a:min(b, n)] = seg[:min(b, n) - a]
    return out


def decay(n, half_life, delay=0.0):
    """1 until `delay` seconds, then halving every `half_life` seconds."""
    t = np.maximum(times(n) - delay, 0.0)
    return exp2(-t / half_life)


def sweep(n, start_hz, end_hz, half_life):
    """Frequency gliding from start_hz towards end_hz, halving the distance in
    log-pitch every half_life seconds."""
    octaves = _log2(end_hz / start_hz)
    return start_hz * exp2(octaves * (1.0 - decay(n, half_life)))


@functools.lru_cache(maxsize=None)
def _log2(x):
    """log2 of a positive number, by bisection on exp2 (for constants only)."""
    lo, hi = -64.0, 64.0
    for _ in range(80):
        mid = (lo + hi) / 2
        if float(exp2(mid)) < x:
            lo = mid
        else:
            hi = mid
    return (lo + hi) / 2


# ---------------------------------------------------------------- filters

def lowpass(x, cutoff):
    """One-pole low-pass; cutoff in Hz, a number or a per-sample array."""
    a = 1.0 - exp2(-(TAU / LN2) * np.broadcast_to(cutoff, x.shape) / RATE)
    out = []
    y = 0.0
    for xi, ai in zip(x.tolist(), a.tolist()):
        y += ai * (xi - y)
        out.append(y)
    return np.array(out)


def highpass(x, cutoff):
    """One-pole high-pass (the input less its low-passed self)."""
    return x - lowpass(x, cutoff)


def bandpass(x, centre, q=2.0):
    """State-variable band-pass; centre in Hz (a number or per-sample array,
    kept below 3.5 kHz where this filter is stable at 22050 Hz); higher q is
    narrower."""
    f = 2.0 * sine(np.minimum(np.broadcast_to(centre, x.shape), 3500.0) / (2 * RATE))
    damp = 1.0 / q
    low = band = 0.0
    out = []
    for xi, fi in zip(x.tolist(), f.tolist()):
        low += fi * band
        high = xi - low - damp * band
        band += fi * high
        out.append(band)
    return np.array(out)


def first_difference(x):
    """x[n] - x[n-1]: a fixed, bright high-pass for hats and sizzle."""
    return np.concatenate(([x[0]], x[1:] - x[:-1]))


# ---------------------------------------------------------------- finishing

def place(buf, sig, start):
    """Adds sig into buf from sample `start`, cut at the end of buf."""
    end = min(len(buf), start + len(sig))
    if end > start:
        buf[start:end] += sig[:end - start]


def fade(x, fade_in=0.002, fade_out=0.012):
    """Linear fade at both ends, so the sound starts and stops without a click."""
    n = len(x)
    a, b = min(samples(fade_in), n), min(samples(fade_out), n)
    env = np.ones(n)
    if a:
        env[:a] = np.arange(a) / a
    if b:
        env[n - b:] = np.minimum(env[n - b:], np.arange(b, 0, -1) / b - 1.0 / b)
    return x * env


def normalise(x, peak):
    """Scales x so its largest magnitude is `peak`."""
    top = float(np.max(np.abs(x)))
    return x * (peak / top) if top > 0 else x


def pcm16(x):
    """Little-endian signed 16-bit samples, rounded to nearest."""
    q = np.floor(np.asarray(x) * 32767.0 + 0.5)
    return np.clip(q, -32768, 32767).astype("<i2").tobytes()
