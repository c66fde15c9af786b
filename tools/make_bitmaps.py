#!/usr/bin/env python3
"""Draw the Kivet Secure Messenger bitmaps and emoticons.

Every picture is built from simple shapes (rectangles, rounded rectangles,
ellipses, rings, polygons, thick lines and a few implicit curves), rendered
with supersampling for gentle anti-aliasing; the common shapes, colour
helpers and the canvas come from tools/pixel_art.py. Only the Python 3
standard library is used; the BMP and GIF writers are part of this script
and the output is deterministic.

Files written (paths relative to messenger/resources/):

  bitmaps/toolbar_272.bmp        main window toolbar strip, 14 images of
                                 20x20 side by side (280x20), magenta
                                 (255,0,255) marks the transparent pixels
  bitmaps/send_text_360.bmp      the send dialog's text toolbar: Paste Quick
                                 Answer and Insert emotion, 25x20 each (50x20),
                                 magenta transparent
  bitmaps/send_tree_361.bmp      the send dialog's tree toolbar: Details,
                                 Browse computer, Read Auto-Reply message,
                                 Transfer file, Refresh, 20x20 each (100x20)
  bitmaps/quick_370.bmp          the "Quick" and "Emotions" buttons shown
  bitmaps/emotions_369.bmp       instead of the text toolbar on Windows 95/98,
                                 25x20 on the button face
  emoticons/emoticon_01..42.bmp  the 42 emoticons, 19x19, on white
  bitmaps/emoticon_grid_364.bmp  the emoticon picker, 184x214: 6 columns by
                                 7 rows of 30x30 cells, each emoticon drawn
                                 at the cell's left + 8, top + 3
  emoticons/gif/emimg_01..42.gif the same 42 emoticons as GIF files for the
                                 HTML history, white background transparent

All BMP files are 24-bit, uncompressed, bottom-up, rows padded to 4 bytes.

Run from anywhere:

    python3 tools/make_bitmaps.py
"""

import math
import os
import struct
import sys

# The shared drawing primitives live next to this script.
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from pixel_art import (Arc, Ellipse, Line, Polygon, Rect, RoundRect,  # noqa: E402
                       Shape, Union, mix, radial, rgb, star_shape, write)
import pixel_art  # noqa: E402

SUPERSAMPLE = 6


# ---------------------------------------------------------------------------
# Colours
# ---------------------------------------------------------------------------

def vertical(y0, y1, top, bottom):
    """Colour function: top colour at y0 fading to bottom colour at y1."""
    def f(x, y):
        t = min(1.0, max(0.0, (y - y0) / float(y1 - y0)))
        return mix(top, bottom, t)
    return f


# ---------------------------------------------------------------------------
# Extra shapes, on the same pixel grid as the ones in pixel_art: pixel (i, j)
# covers the square [i, i + 1) x [j, j + 1) and y grows down.
# ---------------------------------------------------------------------------

def polyline(points, width):
    """A thick path through the points, with round joints."""
    return Union(*[Line(points[i][0], points[i][1], points[i + 1][0],
                        points[i + 1][1], width)
                   for i in range(len(points) - 1)])


class Implicit(Shape):
    """Points where f(x, y) <= 0, inside a given bounding box."""

    def __init__(self, f, box):
        self.f, self.box = f, box

    def inside(self, x, y):
        b = self.box
        if not (b[0] <= x <= b[2] and b[1] <= y <= b[3]):
            return False
        return self.f(x, y) <= 0.0

    def bbox(self):
        return self.box


class Rotated(Shape):
    """The base shape turned by `degrees` (clockwise on screen) about (cx, cy)."""

    def __init__(self, base, cx, cy, degrees):
        self.base, self.cx, self.cy = base, cx, cy
        a = math.radians(degrees)
        self.c, self.s = math.cos(a), math.sin(a)

    def inside(self, x, y):
        dx, dy = x - self.cx, y - self.cy
        # rotate the sample point backwards
        return self.base.inside(self.cx + dx * self.c + dy * self.s,
                                self.cy - dx * self.s + dy * self.c)

    def bbox(self):
        b = self.base.bbox()
        corners = [(b[0], b[1]), (b[2], b[1]), (b[0], b[3]), (b[2], b[3])]
        xs, ys = [], []
        for x, y in corners:
            dx, dy = x - self.cx, y - self.cy
            xs.append(self.cx + dx * self.c - dy * self.s)
            ys.append(self.cy + dx * self.s + dy * self.c)
        return (min(xs), min(ys), max(xs), max(ys))


def heart_shape(cx, cy, s):
    """A heart centred near (cx, cy), about 2.3 * s wide."""
    def f(x, y):
        u = (x - cx) / s
        v = -(y - cy) / s + 0.15
        q = u * u + v * v - 1.0
        return q * q * q - u * u * v * v * v
    return Implicit(f, (cx - 1.3 * s, cy - 1.4 * s, cx + 1.3 * s, cy + 1.3 * s))


# ---------------------------------------------------------------------------
# Canvas with the extra operations the bitmaps and emoticons use
# ---------------------------------------------------------------------------

class Canvas(pixel_art.Canvas):
    def __init__(self, w, h):
        super().__init__(w, h, SUPERSAMPLE)

    def outlined(self, shape, colour, edge, width=1.0):
        """Fill the shape with an outline of about `width` pixels around it."""
        self.fill(shape.grown(width), edge)
        self.fill(shape, colour)

    def pixel(self, x, y, colour):
        """Set one pixel exactly (for crisp details)."""
        if 0 <= x < self.w and 0 <= y < self.h:
            self._blend(x, y, colour, 1.0)

    def mirrored(self):
        out = Canvas(self.w, self.h)
        for y in range(self.h):
            for x in range(self.w):
                out.px[y * self.w + x] = list(self.px[y * self.w + self.w - 1 - x])
        return out

    def flipped(self):
        out = Canvas(self.w, self.h)
        for y in range(self.h):
            for x in range(self.w):
                out.px[y * self.w + x] = list(self.px[(self.h - 1 - y) * self.w + x])
        return out

    def over(self, background):
        """Composite over a solid (r, g, b) 0..255 background; returns rows
        of (r, g, b) integer tuples, top row first."""
        rows = []
        bg = [c / 255.0 for c in background]
        for y in range(self.h):
            row = []
            for x in range(self.w):
                r, g, b, a = self.px[y * self.w + x]
                a = max(0.0, min(1.0, a))
                row.append(tuple(int(round((c * a + bc * (1.0 - a)) * 255))
                                 for c, bc in zip((r, g, b), bg)))
            rows.append(row)
        return rows


# ---------------------------------------------------------------------------
# File writers
# ---------------------------------------------------------------------------

def bmp_bytes(rows):
    """24-bit uncompressed bottom-up BMP from rows of (r, g, b), top first."""
    h = len(rows)
    w = len(rows[0])
    stride = (w * 3 + 3) & ~3
    pixels = bytearray()
    for row in reversed(rows):
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        line += b"\0" * (stride - len(line))
        pixels += line
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(pixels),
                       2835, 2835, 0, 0)
    head = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(pixels), 0, 0,
                       14 + len(info))
    return head + info + bytes(pixels)


def lzw_compress(indices, min_size):
    """GIF-flavoured LZW: variable code width up to 12 bits, LSB first."""
    clear = 1 << min_size
    end = clear + 1
    out = bytearray()
    acc = 0
    nbits = 0

    def emit(code, width):
        nonlocal acc, nbits
        acc |= code << nbits
        nbits += width
        while nbits >= 8:
            out.append(acc & 0xFF)
            acc >>= 8
            nbits -= 8

    def reset():
        return {}, end + 1, min_size + 1

    table, next_code, width = reset()
    emit(clear, width)
    prefix = indices[0]
    for k in indices[1:]:
        key = (prefix, k)
        if key in table:
            prefix = table[key]
            continue
        emit(prefix, width)
        if next_code < 4096:
            table[key] = next_code
            next_code += 1
            if next_code > (1 << width) and width < 12:
                width += 1
        else:
            emit(clear, width)
            table, next_code, width = reset()
        prefix = k
    emit(prefix, width)
    emit(end, width)
    if nbits:
        out.append(acc & 0xFF)
    return bytes(out)


def gif_bytes(canvas, background=(255, 255, 255)):
    """A GIF89a of the canvas: fully empty pixels become the transparent
    colour, everything else is composited over the background."""
    rows = canvas.over(background)
    w, h = canvas.w, canvas.h
    empty = [[canvas.px[y * w + x][3] <= 0.0 for x in range(w)] for y in range(h)]
    # Reduce precision step by step until the colours fit in 255 entries
    # (one entry is kept for transparency).
    shift = 0
    while True:
        def q(c):
            if shift == 0:
                return c
            m = (0xFF << shift) & 0xFF
            return tuple(min(255, (v & m) + (1 << (shift - 1))) for v in c)
        colours = sorted({q(rows[y][x]) for y in range(h) for x in range(w)
                          if not empty[y][x]})
        if len(colours) <= 255:
            break
        shift += 1
    palette = [(255, 255, 255)] + colours        # index 0 is transparent
    index = {c: i + 1 for i, c in enumerate(colours)}
    bits = 1
    while (1 << bits) < len(palette):
        bits += 1
    size = 1 << bits
    palette += [(0, 0, 0)] * (size - len(palette))
    pixels = []
    for y in range(h):
        for x in range(w):
            pixels.append(0 if empty[y][x] else index[q(rows[y][x])])
    min_size = max(2, bits)
    data = lzw_compress(pixels, min_size)
    out = bytearray(b"GIF89a")
    out += struct.pack("<HHBBB", w, h, 0x80 | ((bits - 1) << 4) | (bits - 1), 0, 0)
    for c in palette:
        out += bytes(c)
    out += bytes((0x21, 0xF9, 4, 0x01, 0, 0, 0, 0))   # transparent index 0
    out += b"\x2c" + struct.pack("<HHHHB", 0, 0, w, h, 0)
    out.append(min_size)
    for i in range(0, len(data), 255):
        chunk = data[i:i + 255]
        out.append(len(chunk))
        out += chunk
    out += b"\x00\x3b"
    return bytes(out)


# ---------------------------------------------------------------------------
# Palette
# ---------------------------------------------------------------------------

INK = rgb("#2b2118")          # outlines and face features
WHITE = rgb("#ffffff")
FACE_LIGHT = rgb("#fff27a")
FACE_DARK = rgb("#f7b500")
FACE_EDGE = rgb("#6b4300")
RED = rgb("#e02020")
RED_DARK = rgb("#7a0a0a")
PINK = rgb("#ff7aa0")
BLUE = rgb("#2f6fd6")
BLUE_DARK = rgb("#0f2f6a")
GREEN = rgb("#3aa83a")
GREEN_DARK = rgb("#145214")
BROWN = rgb("#8a5222")
BROWN_DARK = rgb("#3e220a")
SKIN = rgb("#ffd2a6")
GREY = rgb("#9aa0a8")
GREY_DARK = rgb("#3a3f46")


# ---------------------------------------------------------------------------
# Emoticons: 19x19, centre (9.5, 9.5)
# ---------------------------------------------------------------------------

E = 19
C = 9.5


def face(cv, light=FACE_LIGHT, dark=FACE_DARK, edge=FACE_EDGE, cx=C, cy=C, r=9.0):
    """A round face with a soft highlight towards the upper left."""
    cv.fill(Ellipse(cx, cy, r), edge)
    cv.fill(Ellipse(cx, cy, r - 1.0),
            radial(cx - r * 0.35, cy - r * 0.4, r * 1.5, light, dark))


def eyes(cv, y=7.2, dx=3.0, rx=1.05, ry=1.7, colour=INK, cx=C):
    cv.fill(Ellipse(cx - dx, y, rx, ry), colour)
    cv.fill(Ellipse(cx + dx, y, rx, ry), colour)


def smile(cv, cy=8.5, r=5.6, width=1.3, a0=30, a1=150, colour=INK, cx=C):
    cv.fill(Arc(cx, cy, r - width, r, a0, a1), colour)


def frown(cv, cy=17.2, r=5.0, width=1.3, colour=INK, cx=C):
    cv.fill(Arc(cx, cy, r - width, r, 215, 325), colour)


def emo_smile():
    cv = Canvas(E, E)
    face(cv)
    eyes(cv)
    smile(cv)
    return cv


def emo_grin():
    cv = Canvas(E, E)
    face(cv)
    eyes(cv, y=6.6, ry=1.5)
    mouth = Ellipse(C, 10.0, 5.6, 5.4) & Rect(0, 10.0, E, E)
    cv.fill(mouth.grown(0.6), INK)
    cv.fill(mouth, rgb("#8a1010"))
    cv.fill(mouth & Rect(0, 10.0, E, 12.2), WHITE)
    cv.fill(mouth & Ellipse(C, 16.5, 2.6, 1.6), rgb("#ff6070"))
    return cv


def emo_wink():
    cv = Canvas(E, E)
    face(cv)
    cv.fill(Ellipse(C - 3.0, 7.2, 1.05, 1.7), INK)
    cv.fill(Arc(C + 3.0, 8.6, 1.5, 2.7, 200, 340), INK)
    smile(cv, a0=20, a1=140)
    return cv


def emo_surprised():
    cv = Canvas(E, E)
    face(cv)
    for x in (C - 3.2, C + 3.2):
        cv.fill(Ellipse(x, 6.8, 2.0, 2.3), INK)
        cv.fill(Ellipse(x, 6.8, 1.2, 1.5), WHITE)
        cv.fill(Ellipse(x, 7.1, 0.8, 0.9), INK)
    cv.fill(Ellipse(C, 13.2, 2.4, 2.9), INK)
    cv.fill(Ellipse(C, 13.3, 1.3, 1.8), rgb("#7a1010"))
    return cv


def emo_tongue():
    cv = Canvas(E, E)
    face(cv)
    eyes(cv)
    tongue = RoundRect(C - 0.6, 11.0, C + 4.4, 17.5, 2.4)
    cv.fill(tongue.grown(0.9), RED_DARK)
    cv.fill(tongue, rgb("#ff5a78"))
    cv.fill(Line(C + 1.9, 12.5, C + 1.9, 15.5, 0.7), rgb("#d02848"))
    cv.fill(Line(C - 5.0, 11.6, C + 5.0, 11.6, 1.4), INK)
    return cv


def hand_up():
    """A yellow fist with the thumb raised."""
    cv = Canvas(E, E)
    edge = FACE_EDGE
    fill = radial(6, 6, 16, FACE_LIGHT, FACE_DARK)
    cuff = Rect(1.5, 9.5, 5.0, 18.0)
    cv.outlined(cuff, BLUE, BLUE_DARK)
    fist = RoundRect(5.0, 8.5, 16.0, 18.0, 2.2)
    thumb = RoundRect(6.2, 1.0, 10.4, 11.0, 2.1)
    cv.fill((fist | thumb).grown(1.0), edge)
    cv.fill(fist | thumb, fill)
    for y in (10.8, 13.2, 15.6):
        cv.fill(Line(10.6, y + 0.6, 15.2, y + 0.6, 0.9), edge)
    cv.fill(Line(6.2, 11.0, 10.4, 11.0, 0.9), edge)
    return cv


def emo_thumbs_up():
    return hand_up()


def emo_thumbs_down():
    return hand_up().flipped()


def emo_cool():
    cv = Canvas(E, E)
    face(cv)
    glass = (RoundRect(2.3, 5.0, 8.8, 9.8, 1.8) | RoundRect(10.2, 5.0, 16.7, 9.8, 1.8)
             | Rect(7.5, 5.2, 11.5, 6.6) | Rect(0.8, 5.2, 3.0, 6.4)
             | Rect(16.0, 5.2, 18.2, 6.4))
    cv.fill(glass, rgb("#101418"))
    cv.fill(Line(3.8, 6.4, 5.2, 6.4, 0.9), rgb("#9ec8ff"))
    cv.fill(Line(11.7, 6.4, 13.1, 6.4, 0.9), rgb("#9ec8ff"))
    smile(cv, cy=9.0, r=5.4, a0=25, a1=155)
    return cv


def emo_angry():
    cv = Canvas(E, E)
    face(cv, light=rgb("#ff8a6a"), dark=rgb("#d81e10"), edge=rgb("#5a0800"))
    cv.fill(Line(3.0, 4.6, 8.0, 6.6, 1.5), INK)
    cv.fill(Line(16.0, 4.6, 11.0, 6.6, 1.5), INK)
    cv.fill(Ellipse(C - 3.0, 8.6, 1.1, 1.3), INK)
    cv.fill(Ellipse(C + 3.0, 8.6, 1.1, 1.3), INK)
    frown(cv, cy=18.0, r=5.6, width=1.4)
    return cv


def emo_embarrassed():
    cv = Canvas(E, E)
    face(cv)
    blush = rgb("#ff3a4a", 0.8)
    cv.fill(Ellipse(4.4, 11.0, 2.6, 1.7), blush)
    cv.fill(Ellipse(14.6, 11.0, 2.6, 1.7), blush)
    for x in (4.6, 12.6):
        cv.fill(Line(x, 5.2, x + 1.8, 4.6, 0.9), INK)
    # eyes glancing down and aside
    cv.fill(Ellipse(C - 3.6, 8.0, 1.0, 1.4), INK)
    cv.fill(Ellipse(C + 2.4, 8.0, 1.0, 1.4), INK)
    cv.fill(Arc(C - 0.6, 15.6, 1.6, 2.6, 210, 330), INK)
    return cv


def emo_confused():
    cv = Canvas(E, E)
    face(cv)
    cv.fill(Ellipse(C - 3.0, 7.4, 1.05, 1.6), INK)
    cv.fill(Ellipse(C + 3.0, 6.8, 1.05, 1.6), INK)
    cv.fill(Line(4.6, 3.6, 7.6, 4.2, 1.1), INK)
    pts = []
    for i in range(25):
        x = 4.4 + i * 10.2 / 24.0
        pts.append((x, 12.8 + 1.2 * math.sin((x - 4.4) / 10.2 * 2.0 * math.pi)))
    cv.fill(polyline(pts, 1.3), INK)
    return cv


def emo_sad():
    cv = Canvas(E, E)
    face(cv)
    cv.fill(Line(4.2, 5.2, 7.6, 4.2, 1.0), INK)
    cv.fill(Line(14.8, 5.2, 11.4, 4.2, 1.0), INK)
    eyes(cv, y=7.8, ry=1.5)
    frown(cv)
    return cv


def emo_crying():
    cv = Canvas(E, E)
    face(cv)
    cv.fill(Arc(C - 3.0, 6.0, 1.4, 2.5, 20, 160), INK)
    cv.fill(Arc(C + 3.0, 6.0, 1.4, 2.5, 20, 160), INK)
    frown(cv, cy=17.6, r=5.0)
    tear = Ellipse(4.6, 13.0, 1.7, 1.9) | Polygon([(3.1, 12.4), (6.1, 12.4), (4.6, 9.0)])
    cv.fill(tear.grown(0.7), rgb("#1a4fa8"))
    cv.fill(tear, rgb("#6fc3ff"))
    cv.fill(Ellipse(4.1, 12.9, 0.5, 0.7), WHITE)
    tear2 = Ellipse(14.6, 11.6, 1.3, 1.5) | Polygon([(13.4, 11.2), (15.8, 11.2), (14.6, 8.6)])
    cv.fill(tear2.grown(0.6), rgb("#1a4fa8"))
    cv.fill(tear2, rgb("#6fc3ff"))
    return cv


def emo_straight():
    cv = Canvas(E, E)
    face(cv)
    eyes(cv)
    cv.fill(Line(5.6, 12.6, 13.4, 12.6, 1.4), INK)
    return cv


def emo_devil():
    cv = Canvas(E, E)
    horn_edge = rgb("#4a0000")
    horns = (Polygon([(2.0, 0.3), (7.0, 4.8), (3.6, 7.2)])
             | Polygon([(17.0, 0.3), (12.0, 4.8), (15.4, 7.2)]))
    cv.fill(horns.grown(0.9), horn_edge)
    cv.fill(horns, rgb("#e8281c"))
    face(cv, light=rgb("#d7a2ff"), dark=rgb("#8a2cc8"), edge=rgb("#2e0a4a"),
         cy=10.3, r=8.6)
    cv.fill(Polygon([(4.0, 6.4), (8.4, 8.4), (4.6, 8.6)]), INK)
    cv.fill(Polygon([(15.0, 6.4), (10.6, 8.4), (14.4, 8.6)]), INK)
    grin = Ellipse(C, 11.6, 5.0, 4.6) & Rect(0, 11.6, E, E)
    cv.fill(grin.grown(0.5), INK)
    cv.fill(grin, WHITE)
    cv.fill(Line(4.8, 11.8, 14.2, 11.8, 0.8), INK)
    return cv


def emo_angel():
    cv = Canvas(E, E)
    face(cv, cy=11.0, r=8.0)
    ring = Ellipse(C, 2.3, 6.6, 2.1) - Ellipse(C, 2.3, 4.4, 0.8)
    cv.fill(ring.grown(0.7), rgb("#8a5a00"))
    cv.fill(ring, rgb("#fffbd0"))
    cv.fill(Arc(C - 2.9, 9.8, 0.9, 1.9, 200, 340), INK)
    cv.fill(Arc(C + 2.9, 9.8, 0.9, 1.9, 200, 340), INK)
    smile(cv, cy=10.6, r=4.8, a0=30, a1=150)
    cv.fill(Ellipse(4.2, 13.4, 1.5, 1.0), rgb("#ff7a7a", 0.6))
    cv.fill(Ellipse(14.8, 13.4, 1.5, 1.0), rgb("#ff7a7a", 0.6))
    return cv


def emo_heart():
    cv = Canvas(E, E)
    h = heart_shape(C, 9.6, 7.4)
    cv.fill(h.grown(1.0), RED_DARK)
    cv.fill(h, radial(6.0, 6.0, 12.0, rgb("#ff6a6a"), rgb("#d40c18")))
    cv.fill(Ellipse(5.6, 6.4, 1.4, 1.0), rgb("#ffffff", 0.7))
    return cv


def emo_sun():
    cv = Canvas(E, E)
    for i in range(12):
        a = math.radians(i * 30.0)
        long = 9.2 if i % 2 == 0 else 8.0
        ray = Polygon([(C + math.cos(a) * long, C + math.sin(a) * long),
                       (C + math.cos(a + 0.28) * 5.0, C + math.sin(a + 0.28) * 5.0),
                       (C + math.cos(a - 0.28) * 5.0, C + math.sin(a - 0.28) * 5.0)])
        cv.fill(ray.grown(0.5), rgb("#c05a00"))
        cv.fill(ray, rgb("#ff9a10"))
    cv.fill(Ellipse(C, C, 5.6), rgb("#c05a00"))
    cv.fill(Ellipse(C, C, 4.7), radial(8.0, 8.0, 6.0, rgb("#fff8a0"), rgb("#ffc800")))
    return cv


def emo_broken_heart():
    cv = Canvas(E, E)
    h = heart_shape(C, 9.6, 7.4)
    crack = polyline([(9.8, 3.0), (8.0, 6.5), (11.2, 9.5), (8.2, 12.8), (9.8, 17.5)], 1.1)
    left = Rotated(h & Rect(0, 0, 9.6, E), 9.5, 17.0, -7) - crack
    right = Rotated(h & Rect(9.4, 0, E, E), 9.5, 17.0, 7) - crack
    for part in (left, right):
        cv.fill(part.grown(0.9), RED_DARK)
    for part in (left, right):
        cv.fill(part, radial(6.0, 6.0, 12.0, rgb("#ff6a6a"), rgb("#c8101a")))
    return cv


def emo_cat():
    cv = Canvas(E, E)
    fur = rgb("#f0a040")
    edge = rgb("#5a2e00")
    ears = (Polygon([(1.6, 1.0), (8.0, 4.5), (2.6, 9.0)])
            | Polygon([(17.4, 1.0), (11.0, 4.5), (16.4, 9.0)]))
    head = Ellipse(C, 11.2, 8.2, 7.0)
    cv.fill((ears | head).grown(1.0), edge)
    cv.fill(ears | head, radial(7, 7, 14, rgb("#ffcf80"), fur))
    cv.fill(Polygon([(3.0, 3.2), (6.4, 5.2), (3.6, 7.6)]), rgb("#ff9ab0"))
    cv.fill(Polygon([(16.0, 3.2), (12.6, 5.2), (15.4, 7.6)]), rgb("#ff9ab0"))
    # tabby stripes on the forehead
    for x in (7.8, 9.5, 11.2):
        cv.fill(Line(x, 4.8, x, 6.6, 0.8), rgb("#b06010"))
    for x in (6.0, 13.0):
        cv.fill(Ellipse(x, 9.6, 1.5, 1.7), rgb("#2fa02f"))
        cv.fill(Ellipse(x, 9.6, 0.45, 1.6), INK)
    cv.fill(Polygon([(8.2, 12.4), (10.8, 12.4), (9.5, 13.8)]), rgb("#ff5a80"))
    cv.fill(Arc(8.4, 14.0, 0.6, 1.4, 0, 180), INK)
    cv.fill(Arc(10.6, 14.0, 0.6, 1.4, 0, 180), INK)
    for y0, y1 in ((12.8, 12.0), (14.2, 14.6)):
        cv.fill(Line(0.4, y1, 5.8, y0 + 0.4, 0.6), INK)
        cv.fill(Line(18.6, y1, 13.2, y0 + 0.4, 0.6), INK)
    return cv


def emo_dog():
    cv = Canvas(E, E)
    fur = rgb("#c8884a")
    edge = rgb("#3a1e06")
    head = Ellipse(C, 9.0, 6.6, 7.4)
    cv.fill(head.grown(1.0), edge)
    cv.fill(head, radial(8, 6, 12, rgb("#f2c890"), fur))
    muzzle = Ellipse(C, 13.4, 4.2, 3.6)
    cv.fill(muzzle, rgb("#fff0dc"))
    ear_l = Rotated(Ellipse(3.4, 8.6, 2.4, 5.6), 3.4, 8.6, 18)
    ear_r = Rotated(Ellipse(15.6, 8.6, 2.4, 5.6), 15.6, 8.6, -18)
    cv.fill((ear_l | ear_r).grown(0.9), edge)
    cv.fill(ear_l | ear_r, rgb("#6a3a14"))
    cv.fill(Ellipse(6.6, 7.8, 1.1, 1.4), INK)
    cv.fill(Ellipse(12.4, 7.8, 1.1, 1.4), INK)
    cv.fill(Ellipse(C, 11.6, 2.0, 1.4), INK)
    cv.fill(Ellipse(C - 0.6, 11.2, 0.6, 0.4), rgb("#ffffff", 0.8))
    cv.fill(Line(C, 12.6, C, 14.2, 0.8), INK)
    tongue = RoundRect(C - 1.4, 14.6, C + 1.4, 18.4, 1.3)
    cv.fill(tongue.grown(0.6), RED_DARK)
    cv.fill(tongue, rgb("#ff6a88"))
    return cv


def emo_moon():
    cv = Canvas(E, E)
    sky = Ellipse(C, C, 9.0)
    cv.fill(sky, rgb("#1c2c6a"))
    cv.fill(Ellipse(C, C, 8.0), radial(C, C, 8.5, rgb("#324c9c"), rgb("#1c2c6a")))
    moon = Ellipse(8.6, C, 6.4) - Ellipse(11.8, 8.0, 5.6)
    cv.fill(moon.grown(0.6), rgb("#a07a00"))
    cv.fill(moon, radial(5, 9, 7, rgb("#fffbd0"), rgb("#ffd84a")))
    cv.fill(star_shape(14.0, 13.4, 2.0, 0.8), rgb("#fff6b0"))
    cv.fill(Rect(13, 4, 14, 5), rgb("#ffffff"))
    return cv


def emo_star():
    cv = Canvas(E, E)
    s = star_shape(C, 10.2, 9.4, 3.9)
    cv.fill(s.grown(0.9), rgb("#8a5a00"))
    cv.fill(s, radial(8.0, 7.0, 10.0, rgb("#fff7a0"), rgb("#ffb800")))
    return cv


def emo_beer():
    cv = Canvas(E, E)
    glass_edge = rgb("#5a3a06")
    handle = Arc(13.6, 10.6, 2.0, 4.0, 270, 90)
    cv.fill(handle.grown(0.8), glass_edge)
    cv.fill(handle, rgb("#fff0c0"))
    body = RoundRect(2.6, 4.5, 14.0, 18.0, 1.4)
    cv.fill(body.grown(1.0), glass_edge)
    cv.fill(body, vertical(5.0, 18.0, rgb("#ffd040"), rgb("#e08a00")))
    for x in (5.6, 8.3, 11.0):
        cv.fill(Line(x, 8.0, x, 16.0, 0.9), rgb("#fff0a0", 0.7))
    foam = (Ellipse(4.4, 4.4, 2.6, 2.2) | Ellipse(8.0, 3.4, 2.8, 2.6)
            | Ellipse(11.8, 4.2, 2.6, 2.4) | Rect(2.3, 4.2, 14.3, 7.4))
    cv.fill(foam.grown(0.8), rgb("#8a7a5a"))
    cv.fill(foam, rgb("#ffffff"))
    cv.fill(Ellipse(10.6, 8.2, 1.0, 1.2), rgb("#ffffff"))
    return cv


def emo_film():
    cv = Canvas(E, E)
    strip = Rotated(Rect(-2.0, 4.5, 21.0, 14.5), C, C, -20)
    cv.fill(strip.grown(0.7), rgb("#000000"))
    cv.fill(strip, rgb("#2a2a2a"))
    for i in range(-2, 8):
        x = -1.2 + i * 3.0
        cv.fill(Rotated(Rect(x, 5.2, x + 1.6, 6.4), C, C, -20), WHITE)
        cv.fill(Rotated(Rect(x, 12.6, x + 1.6, 13.8), C, C, -20), WHITE)
    for x in (1.4, 7.5, 13.6):
        cv.fill(Rotated(Rect(x, 7.3, x + 4.6, 11.7), C, C, -20),
                vertical(7, 12, rgb("#9fd8ff"), rgb("#3a7ac8")))
    return cv


def emo_envelope():
    cv = Canvas(E, E)
    edge = rgb("#1d3f7a")
    cv.fill(Rect(1.0, 4.0, 18.0, 15.5), edge)
    cv.fill(Rect(2.0, 5.0, 17.0, 14.5), WHITE)
    cv.fill(Line(2.0, 14.2, 7.6, 9.4, 0.9), rgb("#8aa0c8"))
    cv.fill(Line(17.0, 14.2, 11.4, 9.4, 0.9), rgb("#8aa0c8"))
    cv.fill(Polygon([(2.0, 5.0), (17.0, 5.0), (C, 11.2)]), rgb("#dde8f7"))
    cv.fill(Line(1.8, 4.8, C, 11.0, 1.1), edge)
    cv.fill(Line(17.2, 4.8, C, 11.0, 1.1), edge)
    return cv


def emo_note():
    cv = Canvas(E, E)
    ink = rgb("#101860")
    notes = (Rotated(Ellipse(5.0, 15.0, 2.8, 2.0), 5.0, 15.0, -25)
             | Rotated(Ellipse(14.0, 13.0, 2.8, 2.0), 14.0, 13.0, -25)
             | Rect(6.6, 3.8, 7.8, 14.6) | Rect(15.6, 1.8, 16.8, 12.6)
             | Polygon([(6.6, 3.8), (16.8, 1.6), (16.8, 4.6), (6.6, 6.8)])
             | Polygon([(6.6, 7.8), (16.8, 5.6), (16.8, 7.2), (6.6, 9.4)]))
    cv.fill(notes.grown(0.5), rgb("#6a7ac8"))
    cv.fill(notes, ink)
    return cv


def emo_rose():
    cv = Canvas(E, E)
    stem = polyline([(9.5, 9.0), (9.0, 13.0), (9.8, 18.6)], 1.4)
    cv.fill(stem, GREEN_DARK)
    leaf_l = Rotated(Ellipse(5.8, 14.0, 3.2, 1.4), 5.8, 14.0, -30)
    leaf_r = Rotated(Ellipse(13.2, 12.2, 3.0, 1.3), 13.2, 12.2, 30)
    cv.fill((leaf_l | leaf_r).grown(0.6), GREEN_DARK)
    cv.fill(leaf_l | leaf_r, GREEN)
    bloom = (Ellipse(C, 5.8, 5.4, 4.8) | Polygon([(4.4, 5.0), (14.6, 5.0), (C, 11.4)]))
    cv.fill(bloom.grown(0.9), rgb("#600010"))
    cv.fill(bloom, radial(8, 4, 8, rgb("#ff5a6a"), rgb("#c8001c")))
    cv.fill(Arc(C, 5.6, 2.0, 2.9, 150, 390), rgb("#80000e"))
    cv.fill(Arc(C + 0.3, 5.0, 0.4, 1.2, 0, 360), rgb("#80000e"))
    cv.fill(Line(5.6, 7.4, C, 10.0, 0.7), rgb("#80000e"))
    cv.fill(Line(13.4, 7.4, C, 10.0, 0.7), rgb("#80000e"))
    return cv


def emo_wilted():
    cv = Canvas(E, E)
    stem_col = rgb("#6a7a24")
    stem = polyline([(5.0, 18.6), (5.4, 13.0), (6.6, 7.4), (9.0, 3.6), (12.0, 2.6),
                     (14.2, 3.6), (14.8, 5.6)], 1.3)
    cv.fill(stem.grown(0.4), rgb("#3a4010"))
    cv.fill(stem, stem_col)
    leaf = Rotated(Ellipse(2.8, 12.6, 2.6, 1.1), 2.8, 12.6, 60)
    cv.fill(leaf.grown(0.6), rgb("#3a4010"))
    cv.fill(leaf, rgb("#9aa040"))
    # the bloom hangs head down: three faded petals fanning downwards
    petals = (Rotated(Ellipse(12.4, 9.6, 1.6, 3.4), 14.8, 6.2, 25)
              | Rotated(Ellipse(17.2, 9.6, 1.6, 3.4), 14.8, 6.2, -25)
              | Ellipse(14.8, 10.0, 2.0, 3.8))
    cv.fill(petals.grown(0.8), rgb("#4a1a24"))
    cv.fill(petals, vertical(6, 14, rgb("#c86a80"), rgb("#8a3a4a")))
    cv.fill(Ellipse(14.8, 6.2, 2.2, 1.3), rgb("#4a5a10"))
    petal = Rotated(Ellipse(12.2, 17.6, 2.0, 0.9), 12.2, 17.6, 15)
    cv.fill(petal.grown(0.5), rgb("#4a1a24"))
    cv.fill(petal, rgb("#a85468"))
    return cv


def figure(cv, cx, body, body_dark, hair, arms, skin=SKIN, skin_edge=rgb("#7a4a20"),
           top=1.0, scale=1.0):
    """A small standing figure: round head, hair, a body with legs and the
    given arm segments (each a polyline of points)."""
    s = scale
    torso = RoundRect(cx - 3.0 * s, top + 7.0 * s, cx + 3.0 * s, top + 13.4 * s, 1.6 * s)
    legs = (Rect(cx - 2.6 * s, top + 12.0 * s, cx - 0.4 * s, top + 17.6 * s)
            | Rect(cx + 0.4 * s, top + 12.0 * s, cx + 2.6 * s, top + 17.6 * s))
    arm_shapes = Union(*[polyline(a, 2.0 * s) for a in arms])
    cv.fill((torso | legs | arm_shapes).grown(0.8), body_dark)
    cv.fill(legs, rgb("#34406a"))
    cv.fill(arm_shapes, body)
    cv.fill(torso, body)
    hands = Union(*[Ellipse(a[-1][0], a[-1][1], 1.2 * s) for a in arms])
    cv.fill(hands.grown(0.6), skin_edge)
    cv.fill(hands, skin)
    head = Ellipse(cx, top + 3.6 * s, 3.2 * s)
    cv.fill(head.grown(0.8), skin_edge)
    cv.fill(head, skin)
    cv.fill(Ellipse(cx, top + 3.6 * s, 3.3 * s) & Rect(0, top - 1, 99, top + 2.4 * s), hair)
    cv.fill(Rect(cx - 1.5 * s, top + 4.0 * s, cx - 0.7 * s, top + 5.0 * s), INK)
    cv.fill(Rect(cx + 0.7 * s, top + 4.0 * s, cx + 1.5 * s, top + 5.0 * s), INK)


def emo_hug_pair():
    cv = Canvas(E, E)
    # two figures embracing, a small heart above them
    figure(cv, 5.6, rgb("#3a7ae0"), rgb("#10306a"), BROWN_DARK,
           [[(8.0, 9.4), (12.0, 10.2)]], top=2.0, scale=0.95)
    figure(cv, 13.4, rgb("#f0508a"), rgb("#7a1040"), rgb("#c06010"),
           [[(11.0, 9.4), (7.0, 10.4)]], top=2.0, scale=0.95)
    h = heart_shape(C, 2.4, 1.7)
    cv.fill(h.grown(0.5), RED_DARK)
    cv.fill(h, RED)
    return cv


def emo_clock():
    cv = Canvas(E, E)
    cv.fill(Ellipse(C, C, 9.0), rgb("#1d3f7a"))
    cv.fill(Ellipse(C, C, 8.0), rgb("#4f8ad8"))
    cv.fill(Ellipse(C, C, 6.8), radial(7, 7, 9, WHITE, rgb("#e4ecf6")))
    for i in range(12):
        a = math.radians(i * 30.0)
        r0 = 5.0 if i % 3 == 0 else 5.6
        cv.fill(Line(C + math.cos(a) * r0, C + math.sin(a) * r0,
                     C + math.cos(a) * 6.2, C + math.sin(a) * 6.2,
                     1.0 if i % 3 == 0 else 0.6), INK)
    cv.fill(Line(C, C, C, 4.4, 1.2), INK)
    cv.fill(Line(C, C, 13.0, 11.4, 1.4), INK)
    cv.fill(Line(C, C, 6.0, 12.4, 0.6), RED)
    cv.fill(Ellipse(C, C, 1.0), RED)
    return cv


def emo_lips():
    cv = Canvas(E, E)
    upper = Polygon([(1.0, 9.6), (4.0, 6.2), (7.0, 5.2), (9.5, 6.6), (12.0, 5.2),
                     (15.0, 6.2), (18.0, 9.6), (9.5, 10.0)])
    lower = Polygon([(1.0, 9.6), (9.5, 10.4), (18.0, 9.6), (15.4, 13.4), (12.0, 15.0),
                     (9.5, 15.4), (7.0, 15.0), (3.6, 13.4)])
    lips = upper | lower
    cv.fill(lips.grown(0.9), rgb("#6a0010"))
    cv.fill(lips, radial(9, 8, 10, rgb("#ff4a5a"), rgb("#c00018")))
    cv.fill(polyline([(1.6, 9.6), (6.0, 9.2), (9.5, 10.2), (13.0, 9.2), (17.4, 9.6)], 0.9),
            rgb("#600010"))
    cv.fill(Ellipse(7.2, 12.6, 1.8, 0.8), rgb("#ffffff", 0.7))
    return cv


def emo_gift():
    cv = Canvas(E, E)
    edge = rgb("#5a0610")
    box = Rect(2.0, 8.0, 17.0, 18.0)
    lid = Rect(1.0, 5.6, 18.0, 9.0)
    cv.fill((box | lid).grown(0.9), edge)
    cv.fill(box, rgb("#d82030"))
    cv.fill(lid, rgb("#ff4050"))
    cv.fill(Rect(1.0, 9.0, 18.0, 9.8), rgb("#90101c"))
    ribbon = rgb("#ffd83a")
    cv.fill(Rect(8.2, 5.6, 10.8, 18.0), ribbon)
    bow = (Rotated(Ellipse(6.2, 3.6, 3.0, 1.6), 6.2, 3.6, 20)
           | Rotated(Ellipse(12.8, 3.6, 3.0, 1.6), 12.8, 3.6, -20))
    cv.fill(bow.grown(0.8), rgb("#8a6a00"))
    cv.fill(bow, ribbon)
    cv.fill(Ellipse(C, 5.0, 1.4), rgb("#e0a800"))
    return cv


def emo_cake():
    cv = Canvas(E, E)
    edge = rgb("#5a2e10")
    plate = Ellipse(C, 17.3, 9.0, 1.6)
    cv.fill(plate, rgb("#8aa0b8"))
    lower = Rect(1.6, 11.0, 17.4, 17.0)
    upper = Rect(4.2, 7.0, 14.8, 11.4)
    cv.fill((lower | upper).grown(0.9), edge)
    cv.fill(lower, rgb("#c8823a"))
    cv.fill(upper, rgb("#c8823a"))
    icing = rgb("#ff8ac8")
    cv.fill(Rect(1.6, 11.0, 17.4, 12.6), icing)
    cv.fill(Rect(4.2, 7.0, 14.8, 8.6), icing)
    for x in (3.0, 6.2, 9.4, 12.6, 15.8):
        cv.fill(Ellipse(x + 0.4, 12.8, 1.2, 1.4), icing)
    for x in (5.8, 9.0, 12.2):
        cv.fill(Ellipse(x + 0.8, 8.8, 1.1, 1.3), icing)
    cv.fill(Rect(1.6, 14.4, 17.4, 15.2), rgb("#fff4e0"))
    for x in (6.0, 9.5, 13.0):
        cv.fill(Rect(x - 0.6, 3.0, x + 0.6, 7.0), rgb("#3a8ae8"))
        cv.fill(Ellipse(x, 1.9, 0.9, 1.5), rgb("#ff9a00"))
        cv.fill(Ellipse(x, 2.3, 0.45, 0.8), rgb("#fff07a"))
    return cv


def emo_camera():
    cv = Canvas(E, E)
    edge = rgb("#101010")
    body = RoundRect(0.8, 5.0, 18.2, 16.8, 1.6)
    hump = RoundRect(5.6, 2.6, 12.6, 6.0, 0.8)
    cv.fill((body | hump).grown(0.8), edge)
    cv.fill(body | hump, vertical(3, 17, rgb("#8a9098"), rgb("#3c4048")))
    cv.fill(Rect(0.8, 8.6, 18.2, 13.6), rgb("#2a2c30"))
    cv.fill(Rect(14.0, 6.2, 16.6, 7.8), rgb("#fff6c0"))
    cv.fill(Rect(2.0, 3.6, 4.4, 5.0), rgb("#e03030"))
    cv.fill(Ellipse(9.6, 11.0, 4.8), rgb("#c8ccd4"))
    cv.fill(Ellipse(9.6, 11.0, 3.9), rgb("#101010"))
    cv.fill(Ellipse(9.6, 11.0, 2.6), radial(8.6, 10, 3, rgb("#6ab0ff"), rgb("#102a6a")))
    cv.fill(Ellipse(8.6, 10.0, 0.8), WHITE)
    return cv


def emo_boy():
    cv = Canvas(E, E)
    skin_edge = rgb("#7a4a20")
    shirt = Ellipse(C, 19.5, 8.6, 6.0)
    cv.fill(shirt.grown(0.8), rgb("#10306a"))
    cv.fill(shirt, rgb("#3a7ae0"))
    cv.fill(Polygon([(7.2, 13.6), (11.8, 13.6), (C, 16.4)]), WHITE)
    cv.fill(Rect(8.2, 11.8, 10.8, 14.4), SKIN)
    head = Ellipse(C, 7.6, 5.6, 6.2)
    ears = Ellipse(3.9, 8.4, 1.3, 1.8) | Ellipse(15.1, 8.4, 1.3, 1.8)
    cv.fill((head | ears).grown(0.9), skin_edge)
    cv.fill(head | ears, radial(8, 6, 8, rgb("#ffe4c8"), SKIN))
    hair = (Ellipse(C, 5.0, 6.2, 4.6) & Rect(0, 0, E, 5.4)) | Polygon(
        [(3.6, 5.0), (15.4, 5.0), (14.0, 6.8), (11.0, 5.2), (8.0, 6.4), (5.6, 5.4),
         (4.0, 7.8)])
    cv.fill(hair.grown(0.6), BROWN_DARK)
    cv.fill(hair, BROWN)
    cv.fill(Ellipse(7.3, 8.6, 0.8, 1.1), INK)
    cv.fill(Ellipse(11.7, 8.6, 0.8, 1.1), INK)
    cv.fill(Arc(C, 9.6, 1.9, 2.8, 45, 135), rgb("#a02a1a"))
    return cv


def emo_bulb():
    cv = Canvas(E, E)
    edge = rgb("#7a5a00")
    for a in (200, 240, 270, 300, 340):
        r = math.radians(a)
        cv.fill(Line(C + math.cos(r) * 7.4, 7.0 + math.sin(r) * 7.4,
                     C + math.cos(r) * 9.2, 7.0 + math.sin(r) * 9.2, 1.0),
                rgb("#ffb000"))
    glass = Ellipse(C, 7.0, 5.6) | Polygon([(5.0, 9.0), (14.0, 9.0), (12.2, 13.6),
                                            (6.8, 13.6)])
    cv.fill(glass.grown(0.9), edge)
    cv.fill(glass, radial(7.6, 5.0, 8.0, rgb("#fffde0"), rgb("#ffd830")))
    cv.fill(polyline([(7.8, 12.6), (8.4, 8.4), (C, 9.6), (10.6, 8.4), (11.2, 12.6)], 0.7),
            rgb("#c07000"))
    base = Rect(6.8, 13.6, 12.2, 17.0)
    cv.fill(base.grown(0.7), GREY_DARK)
    cv.fill(base, GREY)
    cv.fill(Line(6.8, 14.7, 12.2, 14.7, 0.6), GREY_DARK)
    cv.fill(Line(6.8, 15.9, 12.2, 15.9, 0.6), GREY_DARK)
    cv.fill(Rect(8.4, 17.0, 10.6, 18.4), GREY_DARK)
    cv.fill(Ellipse(7.2, 5.0, 1.0, 1.6), WHITE)
    return cv


def emo_coffee():
    cv = Canvas(E, E)
    edge = rgb("#4a3020")
    saucer = Ellipse(C, 16.6, 8.6, 1.9)
    cv.fill(saucer.grown(0.7), edge)
    cv.fill(saucer, rgb("#f4f4f4"))
    handle = Arc(14.4, 10.4, 1.6, 3.4, 270, 90)
    cv.fill(handle.grown(0.7), edge)
    cv.fill(handle, WHITE)
    cup = Polygon([(2.6, 7.0), (15.6, 7.0), (14.4, 14.0), (12.0, 16.0), (6.2, 16.0),
                   (3.8, 14.0)])
    cv.fill(cup.grown(0.9), edge)
    cv.fill(cup, vertical(7, 16, WHITE, rgb("#dadada")))
    cv.fill(Ellipse(9.1, 7.2, 6.2, 1.3), rgb("#6a3a14"))
    for x in (6.4, 9.4, 12.4):
        pts = [(x + 0.9 * math.sin(t * 0.8), 5.6 - t * 0.6) for t in range(0, 8)]
        cv.fill(polyline(pts, 0.8), rgb("#a0a8b4"))
    return cv


def emo_phone():
    cv = Canvas(E, E)
    edge = rgb("#4a0000")
    base = Polygon([(3.4, 8.0), (15.6, 8.0), (18.0, 17.6), (1.0, 17.6)])
    cv.fill(base.grown(0.9), edge)
    cv.fill(base, vertical(8, 18, rgb("#ff5a4a"), rgb("#b01008")))
    handset = (RoundRect(1.4, 3.4, 17.6, 6.2, 1.3) | RoundRect(0.6, 2.6, 5.4, 8.0, 1.6)
               | RoundRect(13.6, 2.6, 18.4, 8.0, 1.6))
    cv.fill(handset.grown(0.9), edge)
    cv.fill(handset, vertical(2, 8, rgb("#ff6a5a"), rgb("#c01810")))
    cv.fill(Ellipse(C, 13.0, 4.0), rgb("#3a0000"))
    cv.fill(Ellipse(C, 13.0, 3.3), rgb("#f8f4ee"))
    cv.fill(Ellipse(C, 13.0, 1.3), rgb("#c01810"))
    return cv


def hug_figure():
    """A figure with both arms held out to the left, ready for a hug."""
    cv = Canvas(E, E)
    figure(cv, 11.6, rgb("#3a7ae0"), rgb("#10306a"), BROWN,
           [[(9.6, 9.0), (5.4, 6.0), (2.0, 5.2)], [(9.6, 11.2), (5.4, 10.6), (2.0, 11.2)]],
           top=0.6)
    return cv


def emo_hug_left():
    return hug_figure()


def emo_hug_right():
    return hug_figure().mirrored()


def emo_cocktail():
    cv = Canvas(E, E)
    edge = rgb("#204050")
    cv.fill(Line(12.6, 0.8, 9.4, 8.0, 0.9), rgb("#e04020"))
    bowl = Polygon([(1.2, 2.6), (17.8, 2.6), (C, 10.8)])
    cv.fill(bowl.grown(0.9), edge)
    cv.fill(bowl, rgb("#e8f6ff"))
    drink = Polygon([(3.4, 4.6), (15.6, 4.6), (C, 10.4)])
    cv.fill(drink, vertical(4, 10, rgb("#7ae8a0"), rgb("#20a858")))
    cv.fill(Ellipse(6.8, 5.8, 1.5), rgb("#3a6a00"))
    cv.fill(Ellipse(6.8, 5.8, 0.6), rgb("#e03020"))
    stem = Rect(9.0, 10.4, 10.0, 16.4)
    foot = Ellipse(C, 16.8, 5.0, 1.4)
    cv.fill((stem | foot).grown(0.8), edge)
    cv.fill(stem | foot, rgb("#e8f6ff"))
    return cv


EMOTICONS = [
    emo_smile,          # 1  [:)]
    emo_grin,           # 2  [:d]
    emo_wink,           # 3  [;)]
    emo_surprised,      # 4  [:o]
    emo_tongue,         # 5  [:p]
    emo_thumbs_up,      # 6  [(y)]
    emo_cool,           # 7  [(h)]
    emo_angry,          # 8  [:@]
    emo_embarrassed,    # 9  [:$]
    emo_confused,       # 10 [:s]
    emo_sad,            # 11 [:(]
    emo_thumbs_down,    # 12 [(n)]
    emo_crying,         # 13 [:'(]
    emo_straight,       # 14 [:|]
    emo_devil,          # 15 [(6)]
    emo_angel,          # 16 [(a)]
    emo_heart,          # 17 [(l)]
    emo_sun,            # 18 [sun]
    emo_broken_heart,   # 19 [(u)]
    emo_cat,            # 20 [(@)]
    emo_dog,            # 21 [(&)]
    emo_moon,           # 22 [(s)]
    emo_star,           # 23 [(*)]
    emo_beer,           # 24 [(b)]
    emo_film,           # 25 [(~)]
    emo_envelope,       # 26 [(e)]
    emo_note,           # 27 [(8)]
    emo_rose,           # 28 [(f)]
    emo_wilted,         # 29 [(w)]
    emo_hug_pair,       # 30 [(x)]
    emo_clock,          # 31 [(o)]
    emo_lips,           # 32 [(k)]
    emo_gift,           # 33 [(g)]
    emo_cake,           # 34 [(^)]
    emo_camera,         # 35 [(p)]
    emo_boy,            # 36 [(z)]
    emo_bulb,           # 37 [(i)]
    emo_coffee,         # 38 [(c)]
    emo_phone,          # 39 [(t)]
    emo_hug_left,       # 40 [({)]
    emo_hug_right,      # 41 [(})]
    emo_cocktail,       # 42 [(d)]
]


# ---------------------------------------------------------------------------
# Toolbar: 20x20 images
# ---------------------------------------------------------------------------

T = 20
BUTTON_FACE = (212, 208, 200)
MAGENTA = (255, 0, 255)


def page(cv, x0, y0, x1, y1, fold=4.0, lines=True):
    """A sheet of paper with a folded top-right corner."""
    edge = rgb("#3a4656")
    sheet = Polygon([(x0, y0), (x1 - fold, y0), (x1, y0 + fold), (x1, y1), (x0, y1)])
    cv.fill(sheet.grown(1.0), edge)
    cv.fill(sheet, WHITE)
    cv.fill(Polygon([(x1 - fold, y0), (x1 - fold, y0 + fold), (x1, y0 + fold)]),
            rgb("#c8d2de"))
    cv.fill(Line(x1 - fold, y0 + fold, x1, y0 + fold, 0.8), edge)
    cv.fill(Line(x1 - fold, y0, x1 - fold, y0 + fold, 0.8), edge)
    if lines:
        y = y0 + fold + 2.0
        while y < y1 - 1.5:
            cv.fill(Rect(x0 + 2.0, y, x1 - 2.0, y + 1.0), rgb("#8aa0c0"))
            y += 2.0


def tb_new():
    cv = Canvas(T, T)
    page(cv, 4.0, 2.0, 16.0, 18.5)
    s = star_shape(5.5, 6.0, 5.0, 2.0)
    cv.fill(s.grown(0.9), rgb("#8a5a00"))
    cv.fill(s, rgb("#ffd820"))
    return cv


def tb_reply():
    cv = Canvas(T, T)
    fill = rgb("#2f7ad8")
    edge = rgb("#0a2a60")
    cx, cy = 10.0, 18.0
    tail = Arc(cx, cy, 4.2, 8.2, 270, 359.9)
    ymid = cy - 6.2
    head = Polygon([(1.0, ymid), (cx + 0.01, ymid - 6.0), (cx + 0.01, ymid + 6.0)])
    arrow = Union(tail, head)
    cv.fill(arrow.grown(1.0), edge)
    cv.fill(arrow, radial(6, 8, 12, rgb("#8ac4ff"), fill))
    return cv


def flat_arrow(pointing_left):
    cv = Canvas(T, T)
    shape = Polygon([(2.2, 10.0), (10.0, 2.2), (10.0, 6.4), (17.6, 6.4), (17.6, 13.6),
                     (10.0, 13.6), (10.0, 17.8)])
    cv.fill(shape.grown(1.0), rgb("#0a4a12"))
    cv.fill(shape, vertical(2, 18, rgb("#8ae88a"), rgb("#1f9a2a")))
    return cv if pointing_left else cv.mirrored()


def tb_previous():
    return flat_arrow(True)


def tb_next():
    return flat_arrow(False)


def tb_delete():
    cv = Canvas(T, T)
    x = Line(4.0, 4.0, 16.0, 16.0, 4.0) | Line(16.0, 4.0, 4.0, 16.0, 4.0)
    cv.fill(x.grown(1.0), rgb("#5a0000"))
    cv.fill(x, radial(7, 6, 14, rgb("#ff7a6a"), rgb("#d80c0c")))
    return cv


def tb_send_file():
    cv = Canvas(T, T)
    edge = rgb("#6a4a00")
    back = Polygon([(1.0, 5.0), (6.0, 5.0), (7.5, 7.0), (15.0, 7.0), (15.0, 18.0),
                    (1.0, 18.0)])
    cv.fill(back.grown(1.0), edge)
    cv.fill(back, rgb("#e0a820"))
    front = Polygon([(1.0, 18.0), (3.6, 10.0), (18.0, 10.0), (15.0, 18.0)])
    cv.fill(front.grown(0.9), edge)
    cv.fill(front, vertical(10, 18, rgb("#ffe680"), rgb("#f0b830")))
    arrow = Polygon([(9.0, 8.5), (9.0, 5.2), (12.0, 5.2), (12.0, 2.0), (19.0, 6.5),
                     (12.0, 11.0), (12.0, 8.5)])
    arrow = Rotated(arrow, 13, 6.5, -20)
    cv.fill(arrow.grown(0.9), rgb("#0a4a12"))
    cv.fill(arrow, rgb("#2fc040"))
    return cv


def tb_options():
    cv = Canvas(T, T)
    pts = []
    teeth = 8
    for i in range(teeth * 4):
        a = math.radians(i * 360.0 / (teeth * 4) - 360.0 / (teeth * 8))
        r = 9.0 if (i % 4) in (1, 2) else 6.6
        pts.append((10.0 + math.cos(a) * r, 10.0 + math.sin(a) * r))
    gear = Polygon(pts) - Ellipse(10.0, 10.0, 2.6)
    cv.fill(gear.grown(0.9), rgb("#2a3038"))
    cv.fill(gear, radial(7, 6, 13, rgb("#e8ecf0"), rgb("#7a8492")))
    cv.fill(Arc(10.0, 10.0, 2.6, 3.4, 0, 360), rgb("#4a525c"))
    return cv


def tb_history():
    cv = Canvas(T, T)
    edge = rgb("#3a1008")
    cover = RoundRect(2.0, 1.5, 15.0, 18.5, 1.0)
    cv.fill(cover.grown(1.0), edge)
    cv.fill(cover, vertical(2, 18, rgb("#c84a30"), rgb("#8a2010")))
    cv.fill(Rect(2.0, 1.5, 4.2, 18.5), rgb("#6a1a0a"))
    cv.fill(Rect(12.6, 3.0, 15.0, 17.0), rgb("#fff8e8"))
    cv.fill(Rect(6.0, 4.0, 11.2, 6.0), rgb("#ffd86a"))
    clock = Ellipse(13.5, 13.5, 5.6)
    cv.fill(clock.grown(0.9), rgb("#0a2a60"))
    cv.fill(clock, WHITE)
    cv.fill(Line(13.5, 13.5, 13.5, 9.6, 1.2), INK)
    cv.fill(Line(13.5, 13.5, 16.4, 14.6, 1.2), INK)
    return cv


def tb_auto_reply():
    cv = Canvas(T, T)
    edge = rgb("#1d3f7a")
    cv.fill(Rect(0.5, 1.5, 16.0, 12.5), edge)
    cv.fill(Rect(1.5, 2.5, 15.0, 11.5), WHITE)
    cv.fill(Polygon([(1.5, 2.5), (15.0, 2.5), (8.25, 8.0)]), rgb("#dde8f7"))
    cv.fill(Line(1.4, 2.4, 8.25, 8.0, 1.0), edge)
    cv.fill(Line(15.1, 2.4, 8.25, 8.0, 1.0), edge)
    # green circular arrow in the lower right: a ring open at the top, its
    # head pointing clockwise
    cx, cy = 14.0, 14.0
    r0, r1 = 3.0, 4.8
    ring = Arc(cx, cy, r0, r1, 330, 205)
    a_base, a_tip = math.radians(200), math.radians(262)
    head = Polygon([(cx + math.cos(a_base) * (r0 - 1.4), cy + math.sin(a_base) * (r0 - 1.4)),
                    (cx + math.cos(a_base) * (r1 + 1.4), cy + math.sin(a_base) * (r1 + 1.4)),
                    (cx + math.cos(a_tip) * (r0 + r1) / 2, cy + math.sin(a_tip) * (r0 + r1) / 2)])
    arrow = ring | head
    cv.fill(arrow.grown(1.0), rgb("#0d4a14"))
    cv.fill(arrow, rgb("#38c048"))
    return cv


TOOLBAR = [tb_new, tb_reply, tb_previous, tb_next, tb_delete, tb_send_file,
           tb_options, tb_history, tb_auto_reply]
# images 9..13: disabled versions of 2, 3, 4, 0 and 5
DISABLED = [2, 3, 4, 0, 5]


def toolbar_rows(cv):
    """Opaque pixels composited over the button face; the rest magenta."""
    return cv.masked_rows(BUTTON_FACE, MAGENTA)


def disabled_rows(cv):
    """A flat grey rendering with a white highlight below and to the right,
    the way disabled toolbar buttons usually look."""
    solid = [[cv.px[y * cv.w + x][3] >= 0.5 for x in range(cv.w)] for y in range(cv.h)]
    out = []
    for y in range(cv.h):
        row = []
        for x in range(cv.w):
            r, g, b, a = cv.px[y * cv.w + x]
            if solid[y][x]:
                lum = 0.30 * r + 0.59 * g + 0.11 * b
                v = int(round(118 + lum * 92))
                row.append((v, v, v))
            elif x > 0 and y > 0 and solid[y - 1][x - 1]:
                row.append((255, 255, 255))
            else:
                row.append(MAGENTA)
        out.append(row)
    return out


# ---------------------------------------------------------------------------
# Send dialog toolbars
# ---------------------------------------------------------------------------

SEND_W = 25


def st_paste_answer():
    """A speech bubble with a lightning flash: a ready-made answer."""
    cv = Canvas(SEND_W, T)
    edge = rgb("#1d3f7a")
    bubble = Union(RoundRect(1.0, 2.0, 19.0, 13.5, 3.0), Polygon([(4.0, 12.0), (9.0, 12.0), (3.0, 18.0)]))
    cv.fill(bubble.grown(1.0), edge)
    cv.fill(bubble, vertical(2, 14, rgb("#ffffff"), rgb("#cfe0f7")))
    flash = Polygon([(11.5, 3.0), (6.5, 8.6), (9.6, 8.6), (7.6, 12.6), (13.0, 6.8), (9.9, 6.8)])
    cv.fill(flash.grown(0.7), rgb("#8a5a00"))
    cv.fill(flash, rgb("#ffd820"))
    # the drop-down arrow is drawn by the toolbar; a small caret marks the second half
    return cv


def st_insert_emotion():
    cv = Canvas(SEND_W, T)
    face(cv, cx=12.5, cy=10.0, r=8.6)
    eyes(cv, y=7.8, dx=2.8, cx=12.5)
    smile(cv, cy=9.0, r=5.2, cx=12.5)
    return cv


def tr_details():
    cv = Canvas(T, T)
    page(cv, 2.0, 1.5, 13.0, 17.5)
    lens = Ellipse(12.0, 10.5, 4.6)
    cv.fill(Line(14.8, 13.6, 18.6, 17.6, 2.6), rgb("#3a2a10"))
    cv.fill(lens.grown(1.0), rgb("#1a2a40"))
    cv.fill(lens, radial(10.6, 9.2, 5.0, rgb("#ffffff"), rgb("#9ccaf0")))
    return cv


def tr_browse():
    """A monitor with a folder in front: the computer's shares."""
    cv = Canvas(T, T)
    edge = rgb("#2a3038")
    screen = RoundRect(2.0, 1.5, 18.0, 12.5, 1.0)
    cv.fill(screen.grown(1.0), edge)
    cv.fill(screen, vertical(1, 13, rgb("#9cd0ff"), rgb("#2f7ad8")))
    cv.fill(Rect(8.0, 12.5, 12.0, 15.0), rgb("#7a8492"))
    cv.fill(Rect(5.0, 15.0, 15.0, 16.5), rgb("#4a525c"))
    folder = Polygon([(8.0, 9.0), (11.5, 9.0), (12.5, 10.3), (19.0, 10.3), (19.0, 18.5), (8.0, 18.5)])
    cv.fill(folder.grown(0.9), rgb("#6a4a00"))
    cv.fill(folder, vertical(9, 19, rgb("#ffe680"), rgb("#f0b830")))
    return cv


def tr_refresh():
    cv = Canvas(T, T)
    cx, cy = 10.0, 10.0
    r0, r1 = 4.6, 7.4
    arrow = Arc(cx, cy, r0, r1, 20, 160) | Arc(cx, cy, r0, r1, 200, 340)
    for base, tip in ((150, 205), (330, 25)):
        a_base, a_tip = math.radians(base), math.radians(tip)
        arrow = arrow | Polygon([(cx + math.cos(a_base) * (r0 - 2.0), cy + math.sin(a_base) * (r0 - 2.0)),
                                 (cx + math.cos(a_base) * (r1 + 2.0), cy + math.sin(a_base) * (r1 + 2.0)),
                                 (cx + math.cos(a_tip) * (r0 + r1) / 2, cy + math.sin(a_tip) * (r0 + r1) / 2)])
    cv.fill(arrow.grown(1.0), rgb("#0d4a14"))
    cv.fill(arrow, rgb("#38c048"))
    return cv


SEND_TEXT_TOOLBAR = [st_paste_answer, st_insert_emotion]
SEND_TREE_TOOLBAR = [tr_details, tr_browse, tb_auto_reply, tb_send_file, tr_refresh]


def strip_rows(images, height):
    strips = [toolbar_rows(cv) for cv in images]
    return [sum((s[y] for s in strips), []) for y in range(height)]


# ---------------------------------------------------------------------------
# Picker grid
# ---------------------------------------------------------------------------

GRID_W, GRID_H = 184, 214
CELL = 30
GRID_BG = (255, 255, 255)
GRID_LINE = (226, 230, 238)


def grid_rows(emoticon_rows):
    rows = [[GRID_BG] * GRID_W for _ in range(GRID_H)]
    # thin separators along the right and bottom edge of every cell
    for k in range(1, 7):
        x = k * CELL - 1
        for y in range(7 * CELL):
            rows[y][x] = GRID_LINE
    for k in range(1, 8):
        y = k * CELL - 1
        for x in range(6 * CELL):
            rows[y][x] = GRID_LINE
    for n, pic in enumerate(emoticon_rows, start=1):
        row, col = (n - 1) // 6, (n - 1) % 6
        left, top = col * CELL + 8, row * CELL + 3
        for dy, line in enumerate(pic):
            for dx, c in enumerate(line):
                rows[top + dy][left + dx] = c
    return rows


# ---------------------------------------------------------------------------
# Main
# ---------------------------------------------------------------------------

def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    res = os.path.join(root, "messenger", "resources")
    bmp_dir = os.path.join(res, "bitmaps")
    emo_dir = os.path.join(res, "emoticons")
    gif_dir = os.path.join(emo_dir, "gif")
    for d in (bmp_dir, emo_dir, gif_dir):
        os.makedirs(d, exist_ok=True)

    # toolbar strip
    images = [draw() for draw in TOOLBAR]
    strips = [toolbar_rows(cv) for cv in images]
    strips += [disabled_rows(images[i]) for i in DISABLED]
    assert len(strips) == 14
    rows = [sum((s[y] for s in strips), []) for y in range(T)]
    write(os.path.join(bmp_dir, "toolbar_272.bmp"), bmp_bytes(rows))

    # the send dialog's toolbars and the two buttons that stand in for the text toolbar
    write(os.path.join(bmp_dir, "send_text_360.bmp"),
          bmp_bytes(strip_rows([d() for d in SEND_TEXT_TOOLBAR], T)))
    write(os.path.join(bmp_dir, "send_tree_361.bmp"),
          bmp_bytes(strip_rows([d() for d in SEND_TREE_TOOLBAR], T)))
    write(os.path.join(bmp_dir, "quick_370.bmp"), bmp_bytes(st_paste_answer().over(BUTTON_FACE)))
    write(os.path.join(bmp_dir, "emotions_369.bmp"), bmp_bytes(st_insert_emotion().over(BUTTON_FACE)))

    # emoticons
    assert len(EMOTICONS) == 42
    pictures = []
    for n, draw in enumerate(EMOTICONS, start=1):
        cv = draw()
        assert (cv.w, cv.h) == (E, E)
        pic = cv.over((255, 255, 255))
        pictures.append(pic)
        write(os.path.join(emo_dir, "emoticon_%02d.bmp" % n), bmp_bytes(pic))
        write(os.path.join(gif_dir, "emimg_%02d.gif" % n), gif_bytes(cv))

    write(os.path.join(bmp_dir, "emoticon_grid_364.bmp"), bmp_bytes(grid_rows(pictures)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
