#!/usr/bin/env python3
"""Writes the button tests' state pictures: 40 x 20, one plain colour each (24-bit BMP)."""
import os
import struct

PICTURES = {'normal': (200, 40, 40), 'hover': (40, 200, 40), 'down': (40, 40, 200), 'disabled': (128, 128, 128)}


def write_bmp(path, width, height, rgb):
    stride = (width * 3 + 3) & ~3
    row = bytes([rgb[2], rgb[1], rgb[0]]) * width + b'\0' * (stride - width * 3)
    pixels = row * height
    header = struct.pack('<2sIHHI', b'BM', 54 + len(pixels), 0, 0, 54)
    info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    with open(path, 'wb') as f:
        f.write(header + info + pixels)


if __name__ == '__main__':
    here = os.path.dirname(os.path.abspath(__file__))
    for name, rgb in PICTURES.items():
        write_bmp(os.path.join(here, name + '.bmp'), 40, 20, rgb)
