#!/usr/bin/env python3
"""Writes the GIF pictures of the gallery: an animated spinner and a still picture.

usage: tools/make_gif.py [OUTDIR]    (default: gallery/res beside this folder)

The pieces (LZW encoder, blocks, whole streams) are also used by make_gif_seeds.py.
"""
import math
import os
import struct
import sys

TRAILER = b"\x3b"


def lzw_encode(pixels, min_code_size):
    """GIF's variable-width LZW: codes packed least significant bit first, a clear code at the
    start and whenever the 4096-entry table is full, the end code last."""
    clear = 1 << min_code_size
    end = clear + 1
    out = bytearray()
    bits = 0
    nbits = 0

    def emit(code, width):
        nonlocal bits, nbits
        bits |= code << nbits
        nbits += width
        while nbits >= 8:
            out.append(bits & 0xFF)
            bits >>= 8
            nbits -= 8

    width = min_code_size + 1
    table = {}
    next_code = end + 1
    emit(clear, width)
    current = None
    for p in pixels:
        if current is None:
            current = p
            continue
        key = (current, p)
        if key in table:
            current = table[key]
            continue
        emit(current, width)
        if next_code < 4096:
            table[key] = next_code
            next_code += 1
            if next_code > 1 << width:
                width += 1
        else:
            emit(clear, width)
            table = {}
            width = min_code_size + 1
            next_code = end + 1
        current = p
    if current is not None:
        emit(current, width)
        # The decoder adds an entry for that last code before it reads the end code.
        if next_code < 4096 and next_code + 1 > 1 << width:
            width += 1
    emit(end, width)
    if nbits:
        out.append(bits & 0xFF)
    return bytes(out)


def sub_blocks(data):
    """Data in sub-blocks of at most 255 bytes, then the terminator."""
    out = bytearray()
    for i in range(0, len(data), 255):
        part = data[i:i + 255]
        out.append(len(part))
        out += part
    return bytes(out) + b"\x00"


def table_bits(colours):
    """The size field n of a table holding this many colours (2^(n+1) entries)."""
    n = 0
    while (2 << n) < colours:
        n += 1
    return n


def colour_table(palette):
    n = table_bits(len(palette))
    entries = list(palette) + [(0, 0, 0)] * ((2 << n) - len(palette))
    return bytes(c for rgb in entries for c in rgb)


def header(width, height, palette=None, version=b"89a", background=0):
    packed = 0x70  # 8 bits of colour resolution
    if palette:
        packed |= 0x80 | table_bits(len(palette))
    head = b"GIF" + version + struct.pack("<HHBBB", width, height, packed, background, 0)
    return head + (colour_table(palette) if palette else b"")


def control(delay, disposal=0, transparent=None):
    packed = disposal << 2 | (transparent is not None)
    return struct.pack("<BBBBHBB", 0x21, 0xF9, 4, packed, delay, transparent or 0, 0)


def loop(count=0):
    return b"\x21\xff\x0bNETSCAPE2.0" + struct.pack("<BBH", 3, 1, count) + b"\x00"


def comment(text):
    return b"\x21\xfe" + sub_blocks(text.encode("ascii"))


def plain_text(text, left=0, top=0, width=64, height=16):
    grid = struct.pack("<BBBHHHHBBBB", 0x21, 0x01, 12, left, top, width, height, 8, 16, 1, 0)
    return grid + sub_blocks(text.encode("ascii"))


def image(width, height, pixels, left=0, top=0, local_palette=None, colours=None):
    """An image descriptor, its optional local table and its LZW data. colours: how many colour
    indexes the pixels may use (the table's size by default)."""
    colours = colours or len(local_palette or [])
    min_code_size = max(2, table_bits(colours) + 1)
    packed = 0x80 | table_bits(len(local_palette)) if local_palette else 0
    out = struct.pack("<BHHHHB", 0x2C, left, top, width, height, packed)
    if local_palette:
        out += colour_table(local_palette)
    return out + bytes([min_code_size]) + sub_blocks(lzw_encode(pixels, min_code_size))


def raster(width, height, paint):
    """Pixels row by row; paint(x, y) gives each colour index."""
    return [paint(x, y) for y in range(height) for x in range(width)]


# ---- the gallery's pictures -------------------------------------------------------------------

SPINNER_PALETTE = [(255, 255, 255), (40, 90, 200), (110, 150, 225), (175, 200, 240), (220, 228, 245)]


def spinner(size=32, frames=8, delay=10):
    """Eight dots on a circle; the bright one goes round, trailed by fading ones."""
    centre = (size - 1) / 2
    radius = size * 0.34
    dots = [(centre + radius * math.cos(2 * math.pi * k / frames - math.pi / 2),
             centre + radius * math.sin(2 * math.pi * k / frames - math.pi / 2)) for k in range(frames)]

    def frame(step):
        def paint(x, y):
            for k, (dx, dy) in enumerate(dots):
                if (x - dx) ** 2 + (y - dy) ** 2 <= (size * 0.1) ** 2:
                    return min(1 + (step - k) % frames, 4)
            return 0
        return raster(size, size, paint)

    out = header(size, size, SPINNER_PALETTE) + loop(0)
    for step in range(frames):
        out += control(delay, disposal=1) + image(size, size, frame(step), colours=len(SPINNER_PALETTE))
    return out + TRAILER


STILL_PALETTE = [(255, 255, 255), (220, 40, 40), (40, 170, 60), (40, 80, 210), (30, 30, 30)]


def still(width=64, height=48):
    """A red disc, a green square and a blue triangle on white, framed in black."""
    def paint(x, y):
        if x in (0, width - 1) or y in (0, height - 1):
            return 4
        if (x - 16) ** 2 + (y - 16) ** 2 <= 10 ** 2:
            return 1
        if 34 <= x <= 54 and 6 <= y <= 26:
            return 2
        if 30 <= y <= 44 and abs(x - 32) <= (y - 30):
            return 3
        return 0
    return (header(width, height, STILL_PALETTE, version=b"87a") +
            image(width, height, raster(width, height, paint), colours=len(STILL_PALETTE)) + TRAILER)


def main():
    outdir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "gallery", "res")
    os.makedirs(outdir, exist_ok=True)
    for name, data in (("spinner.gif", spinner()), ("still.gif", still())):
        with open(os.path.join(outdir, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
