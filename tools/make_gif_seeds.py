#!/usr/bin/env python3
"""Writes the seed corpus of the GIF walker's fuzzer: small GIFs covering every kind of block.

usage: tools/make_gif_seeds.py [OUTDIR]    (default: tests/fuzz/gif beside this folder)
"""
import os
import sys

from make_gif import (TRAILER, comment, control, header, image, loop, plain_text, raster, spinner,
                      still)

GREYS = [(i * 85, i * 85, i * 85) for i in range(4)]


def checker(width, height):
    return raster(width, height, lambda x, y: (x + y) % 4)


def frame(width, height, delay, disposal, left=0, top=0, **kw):
    return control(delay, disposal) + image(width, height, checker(width, height), left, top, **kw)


def seeds():
    small = header(8, 8, GREYS)
    three = small + loop(0) + b"".join(frame(8 - i, 8 - i, 5 * i, i, i, i) for i in range(3)) + TRAILER
    yield "single87a.gif", header(8, 8, GREYS, version=b"87a") + image(8, 8, checker(8, 8), colours=4) + TRAILER
    yield "three_frames.gif", three
    yield "local_tables.gif", (header(6, 6) + frame(6, 6, 2, 1, local_palette=GREYS) +
                               frame(3, 3, 4, 2, 1, 1, local_palette=GREYS[:2]) + TRAILER)
    yield "no_control.gif", small + image(8, 8, checker(8, 8), colours=4) + image(4, 4, checker(4, 4), 2, 2, colours=4) + TRAILER
    yield "extensions_between.gif", (small + comment("first") + control(7, 3) + loop(2) + comment("x" * 300) +
                                     image(8, 8, checker(8, 8), colours=4) + frame(8, 8, 1, 0) + TRAILER)
    yield "plain_text.gif", small + control(20, 0) + plain_text("Lum") + frame(8, 8, 3, 2) + TRAILER
    yield "unknown_label.gif", small + frame(8, 8, 1, 1) + b"\x21\x02\x01z\x00" + frame(8, 8, 1, 1) + TRAILER
    yield "after_trailer.gif", three + frame(8, 8, 9, 9) + b"junk"
    yield "truncated.gif", three[:len(three) - 9]
    yield "spinner.gif", spinner(16, 4, 3)
    yield "still.gif", still(20, 16)


def main():
    outdir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "tests", "fuzz", "gif")
    os.makedirs(outdir, exist_ok=True)
    for name, data in seeds():
        with open(os.path.join(outdir, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
