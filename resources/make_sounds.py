#!/usr/bin/env python3
"""Make the blocked-popup sound, sounds/pop.wav, next to this script.

A short "pop": a sine that falls quickly in pitch under a fast decay, 90 ms of
16-bit mono at 22050 Hz. Deterministic; standard library only: the build uses
the committed file and needs no Python.
"""
import math
import os
import struct
import wave

RATE = 22050
SECONDS = 0.09


def samples():
    phase = 0.0
    count = int(RATE * SECONDS)
    for i in range(count):
        t = i / RATE
        frequency = 180.0 + 900.0 * math.exp(-t * 60.0)
        phase += 2.0 * math.pi * frequency / RATE
        attack = min(1.0, t / 0.002)
        decay = math.exp(-t * 45.0)
        yield int(28000 * attack * decay * math.sin(phase))


def main():
    folder = os.path.join(os.path.dirname(os.path.abspath(__file__)), "sounds")
    os.makedirs(folder, exist_ok=True)
    with wave.open(os.path.join(folder, "pop.wav"), "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(b"".join(struct.pack("<h", s) for s in samples()))


if __name__ == "__main__":
    main()
