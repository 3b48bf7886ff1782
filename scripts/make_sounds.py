#!/usr/bin/env python3
"""Writes the board's sounds (sounds/*.wav): short synthesised clicks and tones, made here
so that the program ships only its own work. Run again after changing a sound."""
import math
import os
import random
import struct
import wave

RATE = 22050


def click(start, length=0.05, pitch=420.0, loudness=0.8, seed=1):
    """A piece set down on wood: a knock of noise and a low tone, both dying fast."""
    rng = random.Random(seed)
    samples = []
    for i in range(int(length * RATE)):
        t = i / RATE
        decay = math.exp(-t * 90)
        knock = rng.uniform(-1, 1) * math.exp(-t * 400)
        tone = math.sin(2 * math.pi * pitch * t) * decay
        samples.append((start + t, loudness * (0.45 * knock + 0.55 * tone)))
    return samples


def chime(start, pitches, length=0.35, loudness=0.45):
    """Notes one after the other, each with two overtones, ringing out."""
    samples = []
    for n, pitch in enumerate(pitches):
        begin = start + n * length * 0.6
        for i in range(int(length * RATE)):
            t = i / RATE
            envelope = min(1.0, t * 200) * math.exp(-t * 7)
            wave_ = (math.sin(2 * math.pi * pitch * t) + 0.3 * math.sin(4 * math.pi * pitch * t)
                     + 0.1 * math.sin(6 * math.pi * pitch * t))
            samples.append((begin + t, loudness * envelope * wave_ / 1.4))
    return samples


def beep(start, pitch=880.0, length=0.12, loudness=0.35):
    samples = []
    for i in range(int(length * RATE)):
        t = i / RATE
        envelope = min(1.0, t * 300, (length - t) * 300)
        samples.append((start + t, loudness * envelope * math.sin(2 * math.pi * pitch * t)))
    return samples


def write(path, parts):
    end = max(t for t, _ in parts) + 0.01
    mix = [0.0] * int(end * RATE + 1)
    for t, value in parts:
        mix[int(t * RATE)] += value
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(b"".join(struct.pack("<h", int(max(-1.0, min(1.0, v)) * 32000)) for v in mix))


def main():
    folder = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "sounds")
    os.makedirs(folder, exist_ok=True)
    write(os.path.join(folder, "move.wav"), click(0))
    write(os.path.join(folder, "capture.wav"), click(0, seed=2) + click(0.07, pitch=340, seed=3))
    write(os.path.join(folder, "game-end.wav"), chime(0, [523.25, 659.25, 783.99]))
    write(os.path.join(folder, "low-clock.wav"), beep(0) + beep(0.2))


if __name__ == "__main__":
    main()
