#!/usr/bin/env python3
"""Synthesises Kavo's sounds into resources/sounds/ (16-bit mono WAV, 22050 Hz).

bip.wav       a short soft tone: the last seconds before a rest or before work
tick-tock.wav one second of a clock: a higher tick and a lower tock, looped while a
              productive work interval runs
"""
import math
import struct
import wave
from pathlib import Path

RATE = 22050
OUT = Path(__file__).resolve().parent.parent / "resources" / "sounds"


def tone(frequency, seconds, volume, attack=0.005, release=0.04):
    """A sine with a short fade in and out, so it starts and ends without a click."""
    count = int(seconds * RATE)
    samples = []
    for i in range(count):
        t = i / RATE
        envelope = min(1.0, t / attack, (seconds - t) / release)
        samples.append(volume * envelope * math.sin(2 * math.pi * frequency * t))
    return samples


def click(frequency, seconds, volume, decay):
    """A struck sound: a sine whose loudness falls away quickly."""
    count = int(seconds * RATE)
    return [volume * math.exp(-i / RATE / decay) * math.sin(2 * math.pi * frequency * i / RATE)
            for i in range(count)]


def silence(seconds):
    return [0.0] * int(seconds * RATE)


def write(name, samples):
    OUT.mkdir(parents=True, exist_ok=True)
    with wave.open(str(OUT / name), "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(b"".join(struct.pack("<h", int(max(-1.0, min(1.0, s)) * 32767))
                                 for s in samples))


def main():
    write("bip.wav", tone(880, 0.18, 0.45))
    tick = click(2200, 0.06, 0.5, 0.008)
    tock = click(1500, 0.06, 0.45, 0.010)
    write("tick-tock.wav", tick + silence(0.5 - 0.06) + tock + silence(0.5 - 0.06))


if __name__ == "__main__":
    main()
