#!/usr/bin/env python3
"""Draws the gallery's push-button skins into gallery/res/ (24-bit BMP, magenta = outside the button).

  btn_pill_{normal,hover,down,disabled}.bmp  96 x 28 rounded buttons, one picture per state
  btn_play_strip.bmp                         4 cells of 28 x 28 side by side (normal, hover, down, disabled)
  btn_wide_strip.bmp                         4 cells of 88 x 26 stacked
  btn_round_strip.bmp                        4 cells of 48 x 48 side by side, round
  btn_tool.bmp                               one 20 x 20 toolbar picture
"""
import math
import os
import struct

MAGENTA = (255, 0, 255)
EDGE_BLEND = (240, 240, 240)   # a light dialog face, which the anti-aliased rims are blended towards
SAMPLES = 4                    # per axis, for edge coverage


def write_bmp(path, width, height, pixel):
    stride = (width * 3 + 3) & ~3
    rows = []
    for y in range(height - 1, -1, -1):
        row = bytearray()
        for x in range(width):
            r, g, b = pixel(x, y)
            row += bytes((b, g, r))
        row += b'\0' * (stride - width * 3)
        rows.append(bytes(row))
    data = b''.join(rows)
    header = struct.pack('<2sIHHI', b'BM', 54 + len(data), 0, 0, 54)
    info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(path, 'wb') as f:
        f.write(header + info + data)


def mix(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def shade(colour, amount):
    """amount > 0 lightens towards white, < 0 darkens towards black."""
    return mix(colour, (255, 255, 255), amount) if amount >= 0 else mix(colour, (0, 0, 0), -amount)


def coverage(inside, x, y):
    hits = 0
    for sy in range(SAMPLES):
        for sx in range(SAMPLES):
            if inside(x + (sx + 0.5) / SAMPLES, y + (sy + 0.5) / SAMPLES):
                hits += 1
    return hits / (SAMPLES * SAMPLES)


def rounded_rect(w, h, r, inset=0.0):
    def inside(px, py):
        x0, y0, x1, y1 = inset, inset, w - inset, h - inset
        if px < x0 or px > x1 or py < y0 or py > y1:
            return False
        cx = min(max(px, x0 + r), x1 - r)
        cy = min(max(py, y0 + r), y1 - r)
        return (px - cx) ** 2 + (py - cy) ** 2 <= r * r
    return inside


def circle(cx, cy, r):
    return lambda px, py: (px - cx) ** 2 + (py - cy) ** 2 <= r * r


def triangle(points):
    (ax, ay), (bx, by), (cx, cy) = points

    def side(px, py, x1, y1, x2, y2):
        return (px - x2) * (y1 - y2) - (x1 - x2) * (py - y2)

    def inside(px, py):
        d1, d2, d3 = side(px, py, ax, ay, bx, by), side(px, py, bx, by, cx, cy), side(px, py, cx, cy, ax, ay)
        neg = d1 < 0 or d2 < 0 or d3 < 0
        pos = d1 > 0 or d2 > 0 or d3 > 0
        return not (neg and pos)
    return inside


def button_face(w, h, outline, base, state, glyph=None, glyph_colour=(255, 255, 255)):
    """Returns pixel(x, y) for one state of a button: a vertical gradient body with a light rim,
    sunk one pixel when pressed, magenta outside the outline."""
    top, bottom = {
        'normal': (shade(base, 0.25), shade(base, -0.15)),
        'hover': (shade(base, 0.45), shade(base, 0.0)),
        'down': (shade(base, -0.25), shade(base, 0.05)),
        'disabled': ((200, 200, 200), (165, 165, 165)),
    }[state]
    rim = shade(base, -0.45) if state != 'disabled' else (140, 140, 140)
    offset = 1 if state == 'down' else 0
    inner = outline(1.2)
    shape = outline(0.0)
    if state == 'disabled':
        glyph_colour = (235, 235, 235)

    def pixel(x, y):
        cover = coverage(shape, x, y)
        if cover == 0:
            return MAGENTA
        t = y / max(1, h - 1)
        colour = mix(top, bottom, t)
        body = coverage(inner, x, y)
        colour = mix(rim, colour, body)
        if glyph:
            g = coverage(glyph, x - offset, y - offset)
            colour = mix(colour, glyph_colour, g)
        if state == 'hover' and body == 1 and y < h * 0.45:
            colour = shade(colour, 0.12)
        return colour if cover == 1 else mix(EDGE_BLEND, colour, cover)
    return pixel


STATES = ('normal', 'hover', 'down', 'disabled')


def strip(path, cell_w, cell_h, vertical, faces):
    width, height = (cell_w, cell_h * 4) if vertical else (cell_w * 4, cell_h)

    def pixel(x, y):
        k = y // cell_h if vertical else x // cell_w
        return faces[k](x % cell_w if not vertical else x, y % cell_h if vertical else y)
    write_bmp(path, width, height, pixel)


def main():
    out = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'gallery', 'res')
    os.makedirs(out, exist_ok=True)

    blue = (52, 110, 190)
    for state in STATES:
        face = button_face(96, 28, lambda inset: rounded_rect(96, 28, 13, inset), blue, state)
        write_bmp(os.path.join(out, 'btn_pill_%s.bmp' % state), 96, 28, face)

    play = triangle([(10.5, 8), (10.5, 20), (20.5, 14)])
    teal = (30, 140, 130)
    strip(os.path.join(out, 'btn_play_strip.bmp'), 28, 28, False,
          [button_face(28, 28, lambda inset: rounded_rect(28, 28, 6, inset), teal, s, play) for s in STATES])

    green = (70, 150, 60)
    strip(os.path.join(out, 'btn_wide_strip.bmp'), 88, 26, True,
          [button_face(88, 26, lambda inset: rounded_rect(88, 26, 4, inset), green, s) for s in STATES])

    orange = (225, 120, 30)
    star = triangle([(24, 11), (14, 33), (34, 33)])
    strip(os.path.join(out, 'btn_round_strip.bmp'), 48, 48, False,
          [button_face(48, 48, lambda inset: circle(24, 24, 23 - inset), orange, s, star) for s in STATES])

    # Toolbar picture: a little page with a folded corner, on the toolbar's face colour.
    face = (0xE2, 0xE2, 0xE2)

    def tool(x, y):
        if 4 <= x <= 15 and 2 <= y <= 17:
            if x >= 12 and y <= 5 and (x - 12) > (y - 2):
                return face
            if x in (4, 15) or y in (2, 17) or (x >= 12 and y == 5) or (x == 12 and y <= 5):
                return (60, 70, 90)
            if 6 <= x <= 13 and y in (8, 10, 12, 14):
                return (90, 120, 200)
            return (255, 255, 255)
        return face
    write_bmp(os.path.join(out, 'btn_tool.bmp'), 20, 20, tool)


if __name__ == '__main__':
    main()
