#!/usr/bin/env python3
"""Writes the feedback sounds of the exercises into data/sound/.

The sounds are made here from sine tones, so the program ships only sounds
of its own. Run it again after changing a sound:

    scripts/make-sounds.py [FOLDER]

The output is the same on every run (16-bit mono PCM, 22050 Hz).
"""
import math
import os
import struct
import sys
import wave

RATE = 22050


def tone(freq, seconds, volume=0.5, attack=0.01, release=0.08, overtones=(1.0,)):
    """A tone with a short fade in and a fade out; overtones are the
    relative strengths of the harmonics 1, 2, 3, ..."""
    n = int(seconds * RATE)
    total = sum(overtones)
    out = []
    for i in range(n):
        t = i / RATE
        env = min(1.0, t / attack) if attack > 0 else 1.0
        left = seconds - t
        if left < release:
            env *= max(0.0, left / release)
        v = sum(a * math.sin(2 * math.pi * freq * (k + 1) * t) for k, a in enumerate(overtones))
        out.append(volume * env * v / total)
    return out


def mix(*parts):
    """Lays the parts (start second, samples) over each other."""
    length = max(int(start * RATE) + len(s) for start, s in parts)
    out = [0.0] * length
    for start, samples in parts:
        offset = int(start * RATE)
        for i, v in enumerate(samples):
            out[offset + i] += v
    return out


def write(path, samples):
    peak = max(1e-9, max(abs(v) for v in samples))
    scale = min(1.0, 0.9 / peak)
    frames = b"".join(struct.pack("<h", int(round(v * scale * 32767))) for v in samples)
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(frames)


def right_sound():
    # A bright rising chime: C6, E6, G6, each ringing on.
    bell = (1.0, 0.35, 0.12)
    return mix(
        (0.00, tone(1046.5, 0.45, 0.45, release=0.35, overtones=bell)),
        (0.09, tone(1318.5, 0.40, 0.45, release=0.30, overtones=bell)),
        (0.18, tone(1568.0, 0.42, 0.50, release=0.32, overtones=bell)),
    )


def wrong_sound():
    # Two soft low tones going down: clearly "not this", never harsh.
    reed = (1.0, 0.5, 0.3, 0.15)
    return mix(
        (0.00, tone(311.1, 0.22, 0.5, release=0.06, overtones=reed)),
        (0.24, tone(233.1, 0.36, 0.5, release=0.20, overtones=reed)),
    )


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "data", "sound")
    os.makedirs(folder, exist_ok=True)
    write(os.path.join(folder, "richtig1.wav"), right_sound())
    write(os.path.join(folder, "falsch1.wav"), wrong_sound())


if __name__ == "__main__":
    main()
