#!/usr/bin/env python3
"""Draws the default skin bitmaps that LumCtrl.dll carries and writes them as BMP files.

    python3 tools/make_default_skins.py

Everything is drawn pixel by pixel. The list pieces share a slate blue-grey theme that sits on the list's own
fill colours: light comes from the top left, buttons and thumbs are rounded, and every piece that the controls
draw with a colour key leaves its outside in magenta. The tree's glyphs are crisp 16-colour pictures meant for a
white tree. The BMP files land in src/module/res/ (LumCtrl.rc names them); the test executable's own small
bitmap lands in tests/module/.
"""
import math
import pathlib
import struct

ROOT = pathlib.Path(__file__).resolve().parent.parent
RES = ROOT / "src" / "module" / "res"

MASK = (255, 0, 255)


# ---- drawing ---------------------------------------------------------------------------------

def mix(a, b, t):
    """The colour t of the way from a to b."""
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


class Canvas:
    def __init__(self, width, height, fill=MASK):
        self.width, self.height = width, height
        self.rows = [[fill] * width for _ in range(height)]

    def get(self, x, y):
        return self.rows[y][x]

    def put(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.rows[y][x] = colour

    def fill(self, x0, y0, x1, y1, colour):
        """Fills the rectangle with both corners included."""
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.put(x, y, colour)

    def frame(self, x0, y0, x1, y1, colour):
        for x in range(x0, x1 + 1):
            self.put(x, y0, colour)
            self.put(x, y1, colour)
        for y in range(y0, y1 + 1):
            self.put(x0, y, colour)
            self.put(x1, y, colour)

    def line(self, x0, y0, x1, y1, colour):
        """Bresenham's line, both ends included."""
        dx, dy = abs(x1 - x0), -abs(y1 - y0)
        sx, sy = (1 if x0 < x1 else -1), (1 if y0 < y1 else -1)
        err = dx + dy
        while True:
            self.put(x0, y0, colour)
            if (x0, y0) == (x1, y1):
                return
            e2 = 2 * err
            if e2 >= dy:
                err += dy
                x0 += sx
            if e2 <= dx:
                err += dx
                y0 += sy

    def stamp(self, x0, y0, rows, colours):
        """Draws a small picture given as strings; '.' leaves the pixel alone."""
        for dy, row in enumerate(rows):
            for dx, ch in enumerate(row):
                if ch != ".":
                    self.put(x0 + dx, y0 + dy, colours[ch])

    def paste(self, other, x0, y0):
        for y in range(other.height):
            for x in range(other.width):
                self.put(x0 + x, y0 + y, other.get(x, y))

    def transposed(self):
        out = Canvas(self.height, self.width)
        for y in range(self.height):
            for x in range(self.width):
                out.put(y, x, self.get(x, y))
        return out


def coverage(inside, x, y, n=4):
    """The share of pixel (x, y) that the shape covers, sampled n x n."""
    hits = sum(inside(x + (i + 0.5) / n, y + (j + 0.5) / n) for i in range(n) for j in range(n))
    return hits / (n * n)


def rounded_rect(width, height, radius):
    """The inside test of a rectangle with round corners, in continuous pixel coordinates."""
    def inside(px, py):
        cx = min(max(px, radius), width - radius)
        cy = min(max(py, radius), height - radius)
        return (px - cx) ** 2 + (py - cy) ** 2 <= radius * radius
    return inside


def disc(cx, cy, r):
    return lambda px, py: (px - cx) ** 2 + (py - cy) ** 2 <= r * r


# ---- BMP files -------------------------------------------------------------------------------

def write_bmp(path, canvas, palette=None):
    """Writes a bottom-up BMP: 24 bits per pixel, or 4 with the given palette of 16 colours."""
    if palette is None:
        bits, table = 24, b""
        encode = lambda row: b"".join(bytes((b, g, r)) for r, g, b in row)
    else:
        assert len(palette) == 16, "a 4-bit picture has 16 colours"
        bits, index = 4, {c: i for i, c in enumerate(palette)}
        table = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
        def encode(row):
            nibbles = [index[c] for c in row] + [0] * (len(row) % 2)
            return bytes(nibbles[i] << 4 | nibbles[i + 1] for i in range(0, len(nibbles), 2))
    stride = (canvas.width * bits + 31) // 32 * 4
    pixels = b"".join(encode(row).ljust(stride, b"\0") for row in reversed(canvas.rows))
    offset = 14 + 40 + len(table)
    colours_used = len(palette) if palette else 0
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, canvas.width, canvas.height, 1, bits, 0, len(pixels),
                       2835, 2835, colours_used, 0)
    path.parent.mkdir(parents=True, exist_ok=True)
    path.write_bytes(header + info + table + pixels)


# ---- scroll-bar pieces -----------------------------------------------------------------------
# Drawn upright (for the vertical bar); the horizontal bar's pieces are the same pictures transposed, which
# turns the left-to-right shading into top-to-bottom shading and an up arrow into a left arrow.

BAR_FILL = (75, 84, 112)        # between the two bars' own fill colours, for the antialiased rims
GROOVE = [(46, 52, 72), (58, 66, 90), (68, 77, 103), (72, 81, 108), (75, 84, 112), (77, 86, 115),
          (79, 88, 117), (81, 90, 120), (84, 94, 124), (88, 98, 130), (98, 109, 142), (112, 123, 157)]
RIM = (50, 58, 82)
ARROW_FACE = ((220, 227, 240), (136, 150, 184))    # left and right edge of the button's face
THUMB_FACE = ((196, 212, 240), (100, 122, 174))
GLYPH = (38, 46, 70)
GRIP_LIGHT = (236, 242, 252)


def pill(width, height, face):
    """A button with round ends: a rim, a face shaded from left to right, a highlight inside the rim."""
    inside = rounded_rect(width, height, 5.0)
    inner = lambda px, py: rounded_rect(width - 2, height - 2, 4.0)(px - 1, py - 1)
    out = Canvas(width, height)
    for y in range(height):
        for x in range(width):
            a = coverage(inside, x, y)
            if a < 0.35:
                continue
            b = coverage(inner, x, y)
            colour = mix(face[0], face[1], x / (width - 1))
            if b < 1 and x < width / 2:              # the lit inner edge on the left
                colour = mix(colour, (255, 255, 255), 0.3)
            colour = mix(RIM, colour, b)              # the rim
            out.put(x, y, mix(BAR_FILL, colour, min(1.0, a * 1.25)))
    return out


def arrow_button(up):
    """Up or down arrow button, 12 x 26, with a solid triangle in the middle."""
    out = pill(12, 26, ARROW_FACE)
    halves = range(3) if up else range(2, -1, -1)
    for y, half in zip(range(11, 14), halves):
        out.fill(5 - half, y, 6 + half, y, GLYPH)
    return out


def thumb():
    """The thumb, 12 x 26, with three engraved grip lines across its middle."""
    out = pill(12, 26, THUMB_FACE)
    for y in (10, 12, 14):
        out.fill(4, y, 7, y, mix(GLYPH, THUMB_FACE[1], 0.3))
        out.fill(4, y + 1, 7, y + 1, GRIP_LIGHT)
    return out


def track():
    """One row of the groove the thumb runs in; the bars stretch it along their length."""
    out = Canvas(12, 1)
    for x, colour in enumerate(GROOVE):
        out.put(x, 0, colour)
    return out


def cap(width, top):
    """The rounded end of the groove, 11 rows tall, closed at the top or at the bottom."""
    out = Canvas(width, 11)
    inside = rounded_rect(width, 22, width / 2)
    for y in range(11):
        for x in range(width):
            sy = y if top else y + 11
            a = coverage(inside, x, sy)
            if a >= 0.35:
                colour = GROOVE[round(x * (len(GROOVE) - 1) / (width - 1))]
                out.put(x, y, mix(BAR_FILL, colour, min(1.0, a * 1.25)))
    return out


# ---- header pieces ---------------------------------------------------------------------------

HEADER_TOP, HEADER_BOTTOM = (236, 240, 247), (190, 200, 221)
HEADER_HIGHLIGHT = (252, 253, 255)
HEADER_SHADOW = (118, 131, 163)
HEADER_SEPARATOR = (142, 155, 186)


def header_column():
    """The colours of one column of the header, top to bottom: a lit top row, a gradient, a shadow row."""
    gradient = [mix(HEADER_TOP, HEADER_BOTTOM, i / 9) for i in range(10)]
    return [HEADER_HIGHLIGHT] + gradient + [HEADER_SHADOW]


def header_piece(columns):
    out = Canvas(len(columns), 12)
    for x, column in enumerate(columns):
        for y, colour in enumerate(column):
            out.put(x, y, colour)
    return out


def header_pieces():
    """Background (1 x 12), left edge (2 x 12) with a lit first column, separator (2 x 12) with a short
    engraved line."""
    face = header_column()
    lit = [HEADER_HIGHLIGHT] * 11 + [HEADER_SHADOW]
    engraved = face[:2] + [HEADER_SEPARATOR] * 8 + face[10:]
    etched = face[:2] + [HEADER_HIGHLIGHT] * 8 + face[10:]
    return header_piece([face]), header_piece([lit, face]), header_piece([engraved, etched])


# ---- list background -------------------------------------------------------------------------

def list_back():
    """300 x 300: a diagonal slate gradient, a soft glow at the top left and a faint woven pattern."""
    out = Canvas(300, 300)
    top_left, bottom_right = (112, 123, 160), (56, 63, 88)
    for y in range(300):
        for x in range(300):
            colour = mix(top_left, bottom_right, (x + 2 * y) / 897)
            glow = max(0.0, 1 - math.hypot(x - 40, y - 30) / 260)
            colour = mix(colour, (150, 162, 198), 0.35 * glow * glow)
            if (x + y) % 8 == 0 or (x - y) % 8 == 0:
                colour = mix(colour, (255, 255, 255), 0.045)
            out.put(x, y, colour)
    return out


# ---- tree glyphs -----------------------------------------------------------------------------
# Twelve 16 x 16 cells side by side; the image list cuts the 207-pixel strip into whole 16-pixel cells, so the
# 15 columns after the twelfth cell are never shown and stay mask colour. An image list built from a 4-bit
# bitmap keeps 4 bits per pixel with the standard 16 colours, whatever palette the bitmap brings: the glyphs
# use only those colours, in their usual order, so that they show exactly as drawn.

BLACK, MAROON, GREEN, OLIVE = (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0)
NAVY, PURPLE, TEAL, SILVER = (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192)
GREY, RED, LIME, YELLOW = (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0)
BLUE, AQUA, WHITE = (0, 0, 255), (0, 255, 255), (255, 255, 255)
STANDARD_16 = [BLACK, MAROON, GREEN, OLIVE, NAVY, PURPLE, TEAL, SILVER,
               GREY, RED, LIME, YELLOW, BLUE, MASK, AQUA, WHITE]


def check_box(checked):
    """A white box with a grey rim and a silver inner shadow; checked, a navy tick."""
    cell = Canvas(16, 16)
    cell.fill(2, 2, 13, 13, WHITE)
    cell.frame(2, 2, 13, 13, GREY)
    cell.fill(3, 3, 12, 3, SILVER)
    cell.fill(3, 3, 3, 12, SILVER)
    if checked:
        cell.stamp(4, 4, [".......N",
                          "......NN",
                          "N....NN.",
                          "NN..NN..",
                          ".NNNN...",
                          "..NN....",
                          "...N...."], {"N": NAVY})
    return cell


def radio_button(selected):
    """A white circle with a grey rim and a silver inner shadow on its upper left; selected, a navy dot."""
    cell = Canvas(16, 16)
    outer, inner, lit = disc(8, 8, 6), disc(8, 8, 5), disc(8.8, 8.8, 4.6)
    for y in range(16):
        for x in range(16):
            a = coverage(outer, x, y)
            if a < 0.3:
                continue
            if coverage(inner, x, y) < 0.5:
                cell.put(x, y, GREY if a >= 0.6 else SILVER)
            else:
                cell.put(x, y, WHITE if coverage(lit, x, y) >= 0.5 else SILVER)
    if selected:
        cell.stamp(6, 6, [".NN.",
                          "NNNN",
                          "NNNN",
                          ".NN."], {"N": NAVY})
    return cell


def crossed_out(cell):
    """The same glyph struck through with a red cross from corner to corner of its box."""
    out = Canvas(16, 16)
    out.paste(cell, 0, 0)
    for x0, x1 in ((2, 13), (13, 2)):
        out.line(x0, 2, x1, 13, RED)
    return out


def list_window():
    """A small window: navy title bar, and three list rows, the first one selected."""
    cell = Canvas(16, 16)
    cell.fill(1, 2, 14, 13, WHITE)
    cell.frame(1, 2, 14, 13, NAVY)
    cell.fill(2, 3, 13, 4, NAVY)
    cell.fill(11, 3, 12, 3, WHITE)
    cell.fill(2, 6, 13, 8, BLUE)
    cell.fill(3, 7, 4, 7, WHITE)
    cell.fill(6, 7, 12, 7, WHITE)
    for y, end in ((10, 10), (12, 12)):
        cell.fill(3, y, 4, y, TEAL)
        cell.fill(6, y, end, y, GREY)
    return cell


def magnifier():
    """A round lens with a glint and a thick handle towards the bottom right."""
    cell = Canvas(16, 16)
    rim, glass = disc(6.5, 6.5, 5.6), disc(6.5, 6.5, 4.1)
    for y in range(14):
        for x in range(14):
            if coverage(glass, x, y) >= 0.5:
                cell.put(x, y, AQUA if x + y > 12 else WHITE)
            elif coverage(rim, x, y) >= 0.4:
                cell.put(x, y, NAVY)
    cell.stamp(4, 4, ["WW", "W."], {"W": WHITE})
    for d in range(4):
        cell.stamp(10 + d, 10 + d, ["KK", "KK"], {"K": BLACK})
    cell.put(14, 14, BLACK)
    return cell


LETTER_A = [".aaa.",
            "....a",
            ".aaaa",
            "a...a",
            "a..aa",
            ".aa.a"]


def text_box(drop_down):
    """An edit box holding the letter a; with a drop-down button, a combo box."""
    cell = Canvas(16, 16)
    cell.fill(1, 3, 14, 12, WHITE)
    cell.frame(1, 3, 14, 12, GREY)
    if drop_down:
        cell.fill(9, 4, 13, 11, SILVER)
        cell.fill(9, 4, 9, 11, WHITE)
        cell.stamp(10, 7, ["KKK", ".K."], {"K": BLACK})
        cell.stamp(3, 5, LETTER_A, {"a": BLACK})
    else:
        cell.stamp(5, 5, LETTER_A, {"a": BLACK})
    return cell


def tree_glyphs():
    plain = [check_box(False), check_box(True), radio_button(False), radio_button(True)]
    cells = plain + [crossed_out(c) for c in plain] + [list_window(), magnifier(), text_box(False),
                                                        text_box(True)]
    strip = Canvas(207, 16)
    for i, cell in enumerate(cells):
        strip.paste(cell, 16 * i, 0)
    return strip


# ---- output ----------------------------------------------------------------------------------

def main():
    up, down, grip = arrow_button(True), arrow_button(False), thumb()
    background, edge, separator = header_pieces()
    pieces = {
        "list_back.bmp": list_back(),
        "header_back.bmp": background,
        "header_edge.bmp": edge,
        "header_sep.bmp": separator,
        "hbar_thumb.bmp": grip.transposed(),
        "hbar_right.bmp": down.transposed(),
        "hbar_track.bmp": track().transposed(),
        "hbar_left.bmp": up.transposed(),
        "vbar_up.bmp": up,
        "vbar_track.bmp": track(),
        "vbar_thumb.bmp": grip,
        "vbar_down.bmp": down,
        "vbar_top.bmp": cap(12, top=True),
        "vbar_bottom.bmp": cap(11, top=False),
    }
    for name, canvas in pieces.items():
        write_bmp(RES / name, canvas)
    write_bmp(RES / "tree_glyphs.bmp", tree_glyphs(), STANDARD_16)

    # The test executable's own bitmap 5002: a size no default piece has, so a test can tell whose it got.
    write_bmp(ROOT / "tests" / "module" / "app_5002.bmp", Canvas(3, 5, (0, 128, 0)))


if __name__ == "__main__":
    main()
