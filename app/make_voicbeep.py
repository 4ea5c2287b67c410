#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes data/voicbeep.wav, the confirmation sound played after a record
is stored: two short soft tones, a fifth apart, rising. Mono, 16-bit PCM,
22 050 Hz, 0.24 s. Run from the repository root: python3 app/make_voicbeep.py
"""
import math
import struct
import sys
import wave

RATE = 22050
LENGTH = 0.24
PEAK = 0.5  # -6 dBFS: clearly audible outdoors without clipping on cheap speakers


def tone(t, start, freq, decay):
    """A sine with a little second harmonic, 4 ms attack and exponential decay."""
    if t < start:
        return 0.0
    x = t - start
    attack = min(1.0, x / 0.004)
    envelope = attack * math.exp(-x / decay)
    return envelope * (math.sin(2 * math.pi * freq * x) + 0.2 * math.sin(4 * math.pi * freq * x))


def main(path):
    count = int(RATE * LENGTH)
    samples = []
    for i in range(count):
        t = i / RATE
        v = 0.8 * tone(t, 0.0, 1046.5, 0.035) + tone(t, 0.07, 1568.0, 0.05)
        # Fade the last 10 ms to zero so the end does not click.
        tail = (count - i) / (RATE * 0.010)
        samples.append(v * min(1.0, tail))
    scale = PEAK / max(abs(s) for s in samples)
    frames = b"".join(struct.pack("<h", int(round(s * scale * 32767))) for s in samples)
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(frames)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "data/voicbeep.wav")
