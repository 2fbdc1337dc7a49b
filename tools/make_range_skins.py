#!/usr/bin/env python3
"""Draws the skins of the range controls (24-bit BMP).

gallery/res/ (the gallery's Range controls page; magenta = see-through):
  range_channel.bmp, range_channel_active.bmp   horizontal slider channel, plain and filled
  range_thumb.bmp, range_thumb_active.bmp       round thumb of the horizontal slider, on magenta
  range_vchannel.bmp, range_vthumb.bmp          vertical slider: channel on magenta, a bar thumb
  range_spin_{up,down}_{normal,hover,pressed,disabled}.bmp   eight arrows of a vertical spin
  range_spin_strip_{right,left}.bmp             strips of four cells across of a horizontal spin
  range_progress_{back,bar}.bmp                 three-picture progress bar, and its indicator
  range_progress_indicator.bmp
  range_progress_{back,bar}_{left,middle,right}.bmp   seven-picture progress bar pieces

tests/range/res/ (solid test pictures; the tests read the expected colours from the pictures):
  slider_channel.bmp 50x20, slider_thumb.bmp 10x20
  spin_{first,second}_{normal,hover,pressed,disabled}.bmp 15x10
  spin_strip_{first,second}.bmp 80x12, four cells of 20x12 across
  progress_{bg,bar}_{left,middle,right}.bmp 4x6, 1x6, 4x6
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from make_button_skins import MAGENTA, circle, coverage, mix, rounded_rect, shade, write_bmp  # noqa: E402

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..')
STATES = ('normal', 'hover', 'pressed', 'disabled')


# ---- test pictures ---------------------------------------------------------------------------

def distinct_colours():
    """Solid colours far from each other and from magenta."""
    n = 0
    while True:
        n += 1
        yield ((n * 67) % 190 + 30, (n * 131) % 190 + 30, (n * 29) % 150 + 20)


def test_pictures(out):
    colours = distinct_colours()

    def solid(name, w, h):
        c = next(colours)
        write_bmp(os.path.join(out, name), w, h, lambda x, y: c)

    solid('slider_channel.bmp', 50, 20)
    solid('slider_thumb.bmp', 10, 20)
    for arrow in ('first', 'second'):
        for state in STATES:
            solid('spin_%s_%s.bmp' % (arrow, state), 15, 10)
    for arrow in ('first', 'second'):
        cells = [next(colours) for _ in range(4)]
        write_bmp(os.path.join(out, 'spin_strip_%s.bmp' % arrow), 80, 12, lambda x, y: cells[x // 20])
    for part in ('bg', 'bar'):
        for piece, w in (('left', 4), ('middle', 1), ('right', 4)):
            solid('progress_%s_%s.bmp' % (part, piece), w, 6)


# ---- gallery skins ---------------------------------------------------------------------------

FACE = (240, 240, 240)        # the page colour anti-aliased rims are blended towards
ACCENT = (0, 112, 204)
TRACK = (168, 176, 190)


def groove(w, h, fill, inset_y):
    """A rounded groove across w x h with a sunken rim, `fill` inside; magenta outside."""
    r = (h - 2 * inset_y) / 2
    shape = lambda px, py: rounded_rect(w, h - 2 * inset_y, r)(px, py - inset_y)
    inner = lambda px, py: rounded_rect(w, h - 2 * inset_y, r, 1.2)(px, py - inset_y)

    def pixel(x, y):
        cover = coverage(shape, x, y)
        if cover == 0:
            return MAGENTA
        t = (y - inset_y) / max(1, h - 2 * inset_y - 1)
        body = mix(shade(fill, -0.2), shade(fill, 0.25), t)
        colour = mix(shade(fill, -0.5), body, coverage(inner, x, y))
        return colour if cover == 1 else mix(FACE, colour, cover)
    return pixel


def knob(size, base, ring):
    """A round knob with a highlight, magenta outside."""
    c = size / 2
    shape = circle(c, c, c - 0.5)
    inner = circle(c, c, c - 2.0)

    def pixel(x, y):
        cover = coverage(shape, x, y)
        if cover == 0:
            return MAGENTA
        t = y / max(1, size - 1)
        body = mix(shade(base, 0.55), shade(base, -0.1), t)
        colour = mix(ring, body, coverage(inner, x, y))
        return colour if cover == 1 else mix(FACE, colour, cover)
    return pixel


def arrow_face(w, h, base, state, pointing):
    """A flat key with a triangle pointing up, down, left or right."""
    top, bottom = {
        'normal': (shade(base, 0.3), shade(base, -0.1)),
        'hover': (shade(base, 0.5), shade(base, 0.1)),
        'pressed': (shade(base, -0.3), shade(base, 0.0)),
        'disabled': ((210, 210, 210), (180, 180, 180)),
    }[state]
    rim = shade(base, -0.45) if state != 'disabled' else (150, 150, 150)
    glyph = (255, 255, 255) if state != 'disabled' else (235, 235, 235)
    cx, cy = w / 2, h / 2
    s = min(w, h) * 0.22

    def in_triangle(px, py):
        dx, dy = px - cx, py - cy
        along, across = {'up': (-dy, dx), 'down': (dy, dx), 'left': (-dx, dy), 'right': (dx, dy)}[pointing]
        return -s <= along <= s and abs(across) <= (s - along) * 0.9

    def pixel(x, y):
        if x in (0, w - 1) or y in (0, h - 1):
            return rim
        colour = mix(top, bottom, y / max(1, h - 1))
        return mix(colour, glyph, coverage(in_triangle, x, y))
    return pixel


def gallery_pictures(out):
    def write(name, w, h, pixel):
        write_bmp(os.path.join(out, name), w, h, pixel)

    # Horizontal slider: a groove 8 pixels high in a 20-pixel channel, a 20-pixel round thumb.
    write('range_channel.bmp', 240, 20, groove(240, 20, TRACK, 6))
    write('range_channel_active.bmp', 240, 20, groove(240, 20, ACCENT, 6))
    write('range_thumb.bmp', 20, 20, knob(20, (235, 238, 244), (90, 100, 120)))
    write('range_thumb_active.bmp', 20, 20, knob(20, (120, 180, 240), (20, 80, 160)))

    # Vertical slider: a thin groove in a 22-pixel channel, a flat bar thumb of 22 x 10.
    vgroove = groove(150, 22, (96, 172, 96), 8)
    write('range_vchannel.bmp', 22, 150, lambda x, y: vgroove(y, x))
    orange = (225, 120, 30)
    write('range_vthumb.bmp', 22, 10,
          lambda x, y: shade(orange, -0.45) if x in (0, 21) or y in (0, 9) else mix(shade(orange, 0.35), orange, y / 9))

    # Vertical spin: eight arrow keys of 16 x 11.
    for arrow, pointing in (('up', 'up'), ('down', 'down')):
        for state in STATES:
            write('range_spin_%s_%s.bmp' % (arrow, state), 16, 11, arrow_face(16, 11, (70, 110, 170), state, pointing))

    # Horizontal spin: one strip per arrow, four cells of 13 x 22 across.
    for arrow, pointing in (('right', 'right'), ('left', 'left')):
        faces = [arrow_face(13, 22, (30, 140, 130), state, pointing) for state in STATES]
        write('range_spin_strip_%s.bmp' % arrow, 52, 22, lambda x, y, faces=faces: faces[x // 13](x % 13, y))

    # Progress bars are drawn unmasked: square ends with a dark rim and a glossy body.
    def bar_body(w, h, fill, x_rim=True):
        rim = shade(fill, -0.45)

        def pixel(x, y):
            if y in (0, h - 1) or (x_rim and x in (0, w - 1)):
                return rim
            t = (y - 1) / max(1, h - 3)
            colour = mix(shade(fill, 0.45), shade(fill, -0.05), t)
            return shade(colour, 0.25) if y == 1 else colour
        return pixel

    # Three-picture progress bar of 240 x 16 and an indicator of 7 x 16.
    write('range_progress_back.bmp', 240, 16, bar_body(240, 16, (200, 205, 215)))
    write('range_progress_bar.bmp', 240, 16, bar_body(240, 16, (70, 160, 80)))
    write('range_progress_indicator.bmp', 7, 16,
          lambda x, y: (60, 66, 80) if x in (0, 6) or y in (0, 15) else mix((255, 250, 225), (245, 190, 40), y / 15))

    # Seven-picture progress bar: 6-pixel caps and a one-pixel middle, 18 high.
    for part, fill in (('back', (200, 205, 215)), ('bar', (110, 175, 235))):
        whole = bar_body(13, 18, fill)
        write('range_progress_%s_left.bmp' % part, 6, 18, whole)
        write('range_progress_%s_middle.bmp' % part, 1, 18, lambda x, y, whole=whole: whole(6, y))
        write('range_progress_%s_right.bmp' % part, 6, 18, lambda x, y, whole=whole: whole(x + 7, y))


def main():
    tests = os.path.join(ROOT, 'tests', 'range', 'res')
    gallery = os.path.join(ROOT, 'gallery', 'res')
    os.makedirs(tests, exist_ok=True)
    os.makedirs(gallery, exist_ok=True)
    test_pictures(tests)
    gallery_pictures(gallery)


if __name__ == '__main__':
    main()
