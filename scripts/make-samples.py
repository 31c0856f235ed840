#!/usr/bin/env python3
"""Draws the sample pictures in samples/: 160 x 120, 24-bit, bottom-up BMP files."""
import math
import pathlib
import struct

W, H = 160, 120
OUT = pathlib.Path(__file__).resolve().parent.parent / "samples"


def save(name, pixel):
    """pixel(x, y) -> (r, g, b) with y = 0 at the top."""
    rows = []
    for y in range(H - 1, -1, -1):
        rows.append(b"".join(bytes((b, g, r)) for r, g, b in (pixel(x, y) for x in range(W))))
    data = b"".join(rows)
    header = struct.pack("<2sihhi", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<iiihhiiiiii", 40, W, H, 1, 24, 0, len(data), 3780, 3780, 0, 0)
    (OUT / name).write_bytes(header + info + data)


def landscape(x, y):
    sky = [(135, 206, 235), (160, 216, 240), (190, 228, 245)]
    if (x - 128) ** 2 + (y - 22) ** 2 <= 100:
        return (255, 200, 40)
    if 30 <= x <= 60 and 40 <= y <= 52:
        return (255, 255, 255)  # cloud
    mountain = 70 - abs(x - 55) * 0.8
    if y > 95:
        return (70, 150, 60) if (x + y) % 7 else (50, 120, 45)
    if 62 <= x <= 92 and 70 <= y <= 95:
        if 72 <= x <= 80 and 82 <= y <= 95:
            return (120, 70, 30)  # door
        if 84 <= x <= 89 and 76 <= y <= 81:
            return (250, 240, 150)  # window
        return (200, 60, 50)
    if 58 <= x <= 96 and 55 <= y < 70 and abs(x - 77) <= (y - 55) * 1.3:
        return (110, 40, 30)  # roof
    if y >= mountain + 25:
        return (90, 90, 110) if y < mountain + 32 else (110, 170, 80)
    return sky[min(2, y // 30)]


def palette32(x, y):
    k = (x // 20) + 8 * (y // 30)
    return ((k * 37) % 256, (k * 91) % 256, (k * 53 + 40) % 256)


def gradient40(x, y):
    band = x // 4
    return (band * 6, 255 - band * 6, int(128 + 100 * math.sin(band / 6)))


if __name__ == "__main__":
    OUT.mkdir(exist_ok=True)
    save("landscape.bmp", landscape)
    save("palette32.bmp", palette32)
    save("gradient40.bmp", gradient40)
