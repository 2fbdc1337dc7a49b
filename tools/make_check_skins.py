#!/usr/bin/env python3
"""Draws the gallery's check box, radio button and edit skins into gallery/res/ (24-bit BMP).

  check_strip.bmp   8 cells of 16 x 16 side by side: unchecked, checked, each on hover, each
                    pressed, each disabled (the cell order of CLumCheckBox)
  radio_strip.bmp   the same 8 cells for CLumRadioButton, round
  edit_field.bmp    160 x 24 text field with its own frame, laid at its natural size
  edit_wash.bmp     32 x 8 wash of colour, stretched over an edit
  edit_paper.bmp    12 x 12 squared paper, tiled behind an edit
"""
import math
import os

from make_button_skins import circle, coverage, mix, rounded_rect, write_bmp

PAGE = (245, 245, 245)     # the gallery page the cells' rims are blended towards
CELL = 16
ACCENT = (0, 112, 204)
INK = (255, 255, 255)

# Per cell: (frame, fill, mark) colours; mark None for unchecked cells.
CELLS = [
    ((118, 126, 138), (255, 255, 255), None),                 # unchecked
    (ACCENT, ACCENT, INK),                                    # checked
    (ACCENT, (232, 242, 252), None),                          # unchecked, hover
    ((20, 136, 230), (30, 140, 232), INK),                    # checked, hover
    ((0, 84, 153), (204, 228, 247), None),                    # unchecked, pressed
    ((0, 70, 130), (0, 84, 153), INK),                        # checked, pressed
    ((196, 198, 202), (240, 240, 240), None),                 # disabled, unchecked
    ((184, 190, 198), (196, 202, 210), (245, 245, 245)),      # disabled, checked
]


def near_segment(ax, ay, bx, by, width):
    """Inside a stroke of the given width along the segment a-b."""
    def inside(px, py):
        dx, dy = bx - ax, by - ay
        t = max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)))
        return math.hypot(px - ax - t * dx, py - ay - t * dy) <= width / 2
    return inside


def either(*shapes):
    return lambda px, py: any(shape(px, py) for shape in shapes)


CHECK_MARK = either(near_segment(4.0, 8.2, 6.8, 11.0, 2.2), near_segment(6.8, 11.0, 12.2, 5.0, 2.2))
RADIO_DOT = circle(8, 8, 3.2)


def cell_face(outline, mark_shape, frame, fill, mark):
    """pixel(x, y) of one cell: a one-pixel frame around the fill, the mark on top, the page
    colour outside, every edge anti-aliased."""
    shape, inner = outline(0.0), outline(1.0)

    def pixel(x, y):
        colour = mix(frame, fill, coverage(inner, x, y))
        if mark:
            colour = mix(colour, mark, coverage(mark_shape, x, y))
        return mix(PAGE, colour, coverage(shape, x, y))
    return pixel


def write_strip(path, outline, mark_shape):
    faces = [cell_face(outline, mark_shape, *cell) for cell in CELLS]
    write_bmp(path, CELL * len(faces), CELL, lambda x, y: faces[x // CELL](x % CELL, y))


def edit_field(x, y, w=160, h=24):
    """A white field with a soft top shade inside a rounded blue-grey frame on the page colour."""
    outside = coverage(rounded_rect(w, h, 4), x, y)
    inside = coverage(rounded_rect(w, h, 4, 1.0), x, y)
    body = mix((236, 242, 250), (255, 255, 255), min(1.0, y / 6))
    return mix(PAGE, mix((122, 150, 190), body, inside), outside)


def edit_wash(x, y, w=32, h=8):
    """Pale sky blue on the left to pale mint on the right."""
    return mix((214, 232, 252), (220, 246, 226), x / (w - 1))


def edit_paper(x, y):
    """Cream squares with a faint blue rule on their top and left edges."""
    return (196, 216, 236) if x == 0 or y == 0 else (255, 252, 238)


def main():
    out = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'gallery', 'res')
    os.makedirs(out, exist_ok=True)
    write_strip(os.path.join(out, 'check_strip.bmp'), lambda inset: rounded_rect(CELL, CELL, 3, inset + 1.5),
                CHECK_MARK)
    write_strip(os.path.join(out, 'radio_strip.bmp'), lambda inset: circle(8, 8, 6.5 - inset), RADIO_DOT)
    write_bmp(os.path.join(out, 'edit_field.bmp'), 160, 24, edit_field)
    write_bmp(os.path.join(out, 'edit_wash.bmp'), 32, 8, edit_wash)
    write_bmp(os.path.join(out, 'edit_paper.bmp'), 12, 12, edit_paper)


if __name__ == '__main__':
    main()
