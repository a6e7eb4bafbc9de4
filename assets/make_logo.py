#!/usr/bin/env python3
"""Draws the agency logo shown in the about box and used as the frame's icon.

Writes, beside this script: logo.png, "Logo de Tolmas.bmp" (the about box's
picture) and Logo.Ico (the frame's icon, a PNG inside an icon file).

The picture is our own: a round seal with a dark green ring, a cream field,
a green monogram "T" standing on a gold bar. Only the Python standard library is used,
so the image can be rebuilt anywhere: `python3 assets/make_logo.py`.
"""
import math
import os
import struct
import zlib

WIDTH, HEIGHT = 206, 214
GREEN = (25, 95, 60)
CREAM = (245, 238, 215)
GOLD = (200, 150, 30)
BACKGROUND = (255, 255, 255)


def pixel(x, y):
    cx, cy = WIDTH / 2, HEIGHT / 2
    dx, dy = x - cx, y - cy
    r = math.hypot(dx, dy)
    outer = min(WIDTH, HEIGHT) / 2 - 4
    if r > outer:
        return BACKGROUND
    if r > outer - 12:
        return GREEN
    if r > outer - 16:
        return GOLD
    if abs(dx) < 50 and -52 < dy < -30:
        return GREEN  # the monogram's bar
    if abs(dx) < 11 and -30 <= dy < 40:
        return GREEN  # the monogram's stem
    if abs(dx) < 36 and 40 <= dy < 52:
        return GOLD  # the base it stands on
    return CREAM


def png(width, height, rows):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    raw = b"".join(b"\x00" + bytes(c for p in row for c in p) for row in rows)
    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def bmp(width, height, rows):
    stride = (width * 3 + 3) & ~3
    pixels = b"".join(
        bytes(c for p in row for c in reversed(p)).ljust(stride, b"\x00")
        for row in reversed(rows))
    header = struct.pack("<2sIHHI", b"BM", 54 + len(pixels), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    return header + info + pixels


def ico(png_bytes):
    header = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", 64, 64, 0, 0, 1, 32, len(png_bytes), 22)
    return header + entry + png_bytes


def icon_rows(rows, size):
    """The logo scaled down (nearest pixel) to a square icon."""
    return [[rows[y * HEIGHT // size][x * WIDTH // size] for x in range(size)]
            for y in range(size)]


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    rows = [[pixel(x, y) for x in range(WIDTH)] for y in range(HEIGHT)]
    outputs = {
        "logo.png": png(WIDTH, HEIGHT, rows),
        "Logo de Tolmas.bmp": bmp(WIDTH, HEIGHT, rows),
        "Logo.Ico": ico(png(64, 64, icon_rows(rows, 64))),
    }
    for name, data in outputs.items():
        with open(os.path.join(here, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
