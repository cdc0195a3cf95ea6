#!/usr/bin/env python3
"""Writes the program's three sound effects as 8-bit mono PCM WAV files.

WAVE_1 (warning): 11025 Hz, 0.71 s, two falling tones.
WAVE_4 (end of the clue list): 22050 Hz, 0.52 s, a soft two-note chime.
WAVE_7 (attention): 11025 Hz, 0.17 s, a short high beep.
"""
import math
import struct
import sys
from pathlib import Path


def envelope(i, n, attack=0.01, release=0.25):
    t = i / n
    a = min(1.0, t / attack) if attack else 1.0
    r = min(1.0, (1.0 - t) / release) if release else 1.0
    return a * r


def write_wav(path, rate, seconds, sample):
    n = round(rate * seconds)
    data = bytes(max(0, min(255, 128 + round(100 * sample(i, n, rate)))) for i in range(n))
    header = b"RIFF" + struct.pack("<I", 36 + len(data)) + b"WAVE"
    fmt = b"fmt " + struct.pack("<IHHIIHH", 16, 1, 1, rate, rate, 1, 8)
    path.write_bytes(header + fmt + b"data" + struct.pack("<I", len(data)) + data)


def warning(i, n, rate):
    f = 660.0 if i < n // 2 else 440.0
    return envelope(i, n) * math.sin(2 * math.pi * f * i / rate)


def end(i, n, rate):
    t = i / rate
    return envelope(i, n, release=0.6) * 0.5 * (
        math.sin(2 * math.pi * 784.0 * t) + math.sin(2 * math.pi * 1046.5 * t))


def attention(i, n, rate):
    return envelope(i, n, attack=0.05, release=0.3) * math.sin(2 * math.pi * 1200.0 * i / rate)


def main(folder):
    out = Path(folder)
    write_wav(out / "WAVE_1.wav", 11025, 0.71, warning)
    write_wav(out / "WAVE_4.wav", 22050, 0.52, end)
    write_wav(out / "WAVE_7.wav", 11025, 0.17, attention)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent / "resources" / "sounds")
