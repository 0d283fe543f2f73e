#!/usr/bin/env python3
"""Write the capture chime: two soft bell-like notes, rising a fourth.

    mkwav.py -o Add.wav
"""
import argparse
import math
import struct
import wave

RATE = 22050            # Hz; plenty for a chime and keeps the file small
LENGTH = 0.45           # seconds
PEAK = 0.35             # of full scale, so it never startles
ATTACK = 0.006          # seconds of fade-in per note, long enough to avoid a click
RELEASE = 0.04          # seconds of fade-out at the very end

# (start in seconds, frequency in Hz, loudness, decay time constant in seconds)
NOTES = [
    (0.000, 783.99, 1.00, 0.11),    # G5
    (0.085, 1046.50, 0.85, 0.14),   # C6
]

# Overtones as (multiple of the fundamental, loudness); higher ones fade faster.
PARTIALS = [(1.0, 1.00), (2.0, 0.30), (3.0, 0.10), (4.2, 0.04)]


def note_sample(t, freq, loudness, decay):
    if t < 0:
        return 0.0
    attack = min(1.0, t / ATTACK)
    attack = attack * attack * (3 - 2 * attack)
    value = 0.0
    for multiple, level in PARTIALS:
        value += level * math.exp(-t * multiple / decay) * math.sin(2 * math.pi * freq * multiple * t)
    return loudness * attack * value


def render():
    count = int(RATE * LENGTH)
    samples = []
    for i in range(count):
        t = i / RATE
        value = sum(note_sample(t - start, *rest) for start, *rest in NOTES)
        left = LENGTH - t
        if left < RELEASE:
            value *= 0.5 - 0.5 * math.cos(math.pi * left / RELEASE)
        samples.append(value)
    scale = PEAK / max(abs(v) for v in samples)
    return [round(v * scale * 32767) for v in samples]


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("-o", "--output", required=True)
    args = parser.parse_args()

    samples = render()
    with wave.open(args.output, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(struct.pack(f"<{len(samples)}h", *samples))


if __name__ == "__main__":
    main()
