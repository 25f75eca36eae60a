"""Measures a rendered mix (16-bit WAV): samples at full scale (clipping),
samples at the limiter's ceiling (the limiter at work), and the loudness of
each tenth of a second: the median is the music bed, the upper percentiles
are the effects over it."""
import array
import math
import sys
import wave

CEILING = int(0.95 * 32767)


def main(path):
    with wave.open(path) as w:
        rate = w.getframerate()
        channels = w.getnchannels()
        samples = array.array("h")
        samples.frombytes(w.readframes(w.getnframes()))
    first = samples[0::channels]
    seconds = len(first) / rate
    clipped = sum(1 for v in samples if v >= 32767 or v <= -32767)
    limited = sorted({round(i / rate, 1) for i, v in enumerate(first) if abs(v) >= CEILING - 1})
    window = rate // 10
    levels = []
    for start in range(0, len(first) - window, window):
        part = first[start:start + window]
        rms = math.sqrt(sum(v * v for v in part) / window) / 32768
        if rms > 1e-5:
            levels.append(20 * math.log10(rms))
    levels.sort()

    def percentile(p):
        return levels[int(p / 100 * (len(levels) - 1))]

    print(f"{seconds:.1f} s; samples at full scale: {clipped}")
    print(f"the limiter at work in {len(limited)} tenths of a second: {limited}")
    print("loudness of each tenth of a second (RMS dBFS): "
          f"median {percentile(50):.1f} (the music), 90 % {percentile(90):.1f}, "
          f"99 % {percentile(99):.1f}, loudest {levels[-1]:.1f}")


if __name__ == "__main__":
    main(sys.argv[1])
