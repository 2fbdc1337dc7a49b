#!/usr/bin/env python3
"""Writes the bitmap picture of the gallery's GIF page: a 24-bit Windows bitmap, so the page shows a
picture that is no GIF.

usage: tools/make_bmp.py [OUTDIR]    (default: gallery/res beside this folder)
"""
import os
import struct
import sys


def bmp(width, height, paint):
    """A 24-bit bottom-up bitmap file; paint(x, y) gives each pixel as (r, g, b)."""
    stride = (width * 3 + 3) & ~3
    rows = bytearray()
    for y in reversed(range(height)):
        row = bytearray()
        for x in range(width):
            r, g, b = paint(x, y)
            row += bytes((b, g, r))
        rows += row + bytes(stride - len(row))
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(rows), 2835, 2835, 0, 0)
    head = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(rows), 0, 0, 14 + len(info))
    return head + info + bytes(rows)


def badge(width=96, height=64):
    """A sunrise: a sky fading from blue to orange, a yellow sun on a dark green hill, framed in white."""
    def paint(x, y):
        if x in (0, width - 1) or y in (0, height - 1):
            return (255, 255, 255)
        if (x - width / 2) ** 2 + (y - height) ** 2 <= (height * 0.45) ** 2:
            return (30, 110, 50)
        if (x - width / 2) ** 2 + (y - height * 0.55) ** 2 <= (height * 0.22) ** 2:
            return (250, 210, 40)
        t = y / (height - 1)
        return (int(40 + 200 * t), int(90 + 60 * t), int(200 - 150 * t))
    return bmp(width, height, paint)


def main():
    outdir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "gallery", "res")
    os.makedirs(outdir, exist_ok=True)
    with open(os.path.join(outdir, "badge.bmp"), "wb") as f:
        f.write(badge())


if __name__ == "__main__":
    main()
