#!/usr/bin/env python3
"""Draw the Kivet Secure Messenger icons and write them as .ico files.

The artwork is built from simple shapes (rectangles, rounded rectangles,
circles, rings, polygons and thick lines) taken from tools/pixel_art.py,
rendered with 8x8 supersampling for gentle anti-aliasing, and saved with a
small hand-written ICO writer. Only the Python 3 standard library is used and
the output is deterministic.

Icons written (each holds a 16x16 and a 32x32 image, 32-bit BGRA with alpha,
BMP-style entries with an AND mask):

  icon_136.ico  application icon: white envelope, blue edges, gold padlock
  icon_335.ico  tray, normal: the envelope and padlock in calm grey-blues
  icon_336.ico  tray, new message, frame 1: warm envelope, faint yellow halo
  icon_337.ico  tray, new message, frame 2: brighter halo, four rays, sparkle
  icon_334.ico  tray, new message, frame 3: full orange burst, eight rays
  icon_338.ico  tray, auto-reply: the calm envelope with a green reply arrow
  icon_357.ico  padlock marking a secure message
  icon_342.ico  desktop computer (monitor on a stand) for the network lists

Run from the repository root:

    python3 tools/make_icons.py

The files are written into messenger/resources/icons/.
"""

import math
import os
import struct
import sys

# The shared drawing primitives live next to this script.
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from pixel_art import (Arc, Ellipse, Line, Polygon, Rect, RoundRect,  # noqa: E402
                       Union, radial, rgb, shade)
import pixel_art  # noqa: E402

SUPERSAMPLE = 8


# ---------------------------------------------------------------------------
# Square icon canvas with the conversions the ICO writer needs
# ---------------------------------------------------------------------------

class Canvas(pixel_art.Canvas):
    def __init__(self, size):
        super().__init__(size, size, SUPERSAMPLE)
        self.size = size

    def bgra_rows_bottom_up(self):
        out = bytearray()
        s = self.size
        for y in range(s - 1, -1, -1):
            for x in range(s):
                r, g, b, a = self.px[y * s + x]
                ai = int(round(max(0.0, min(1.0, a)) * 255))
                if ai == 0:
                    out += b"\0\0\0\0"
                    continue
                out += bytes((int(round(b * 255)), int(round(g * 255)),
                              int(round(r * 255)), ai))
        return bytes(out)

    def and_mask_bottom_up(self):
        """1 bit per pixel, 1 = transparent; rows padded to 32 bits."""
        s = self.size
        row_bytes = ((s + 31) // 32) * 4
        out = bytearray()
        for y in range(s - 1, -1, -1):
            row = bytearray(row_bytes)
            for x in range(s):
                if self.px[y * s + x][3] < 0.5:
                    row[x >> 3] |= 0x80 >> (x & 7)
            out += row
        return bytes(out)


# ---------------------------------------------------------------------------
# ICO writer
# ---------------------------------------------------------------------------

def ico_bytes(canvases):
    images = []
    for c in canvases:
        xor = c.bgra_rows_bottom_up()
        mask = c.and_mask_bottom_up()
        header = struct.pack("<IiiHHIIiiII", 40, c.size, c.size * 2, 1, 32, 0,
                             len(xor) + len(mask), 0, 0, 0, 0)
        images.append(header + xor + mask)
    out = bytearray(struct.pack("<HHH", 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for c, data in zip(canvases, images):
        dim = c.size if c.size < 256 else 0
        out += struct.pack("<BBBBHHII", dim, dim, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    for data in images:
        out += data
    return bytes(out)


# ---------------------------------------------------------------------------
# Artwork pieces. Geometry is given on a 16-unit grid and scaled by k
# (1 for the 16x16 image, 2 for the 32x32 one); dark edge lines stay 1 pixel.
# ---------------------------------------------------------------------------

def envelope(cv, k, box, body, edge, flap):
    """A closed envelope seen from the back: body, V-shaped flap, edges."""
    x0, y0, x1, y1 = [v * k for v in box]
    cv.fill(Rect(x0, y0, x1, y1), edge)
    cv.fill(Rect(x0 + 1, y0 + 1, x1 - 1, y1 - 1), body)
    mx = (x0 + x1) / 2.0
    tip = y0 + (y1 - y0) * 0.62
    if k >= 2:
        # faint folds from the lower corners on the large image
        fold = shade(body, 0.80)
        cv.fill(Line(x0 + 1.5, y1 - 1.5, mx, tip - 1.0, 1.0), fold)
        cv.fill(Line(x1 - 1.5, y1 - 1.5, mx, tip - 1.0, 1.0), fold)
    cv.fill(Polygon([(x0 + 1, y0 + 1), (x1 - 1, y0 + 1), (mx, tip)]), flap)
    w = 1.0 if k < 2 else 1.4
    cv.fill(Line(x0 + 0.7, y0 + 0.7, mx, tip, w), edge)
    cv.fill(Line(x1 - 0.7, y0 + 0.7, mx, tip, w), edge)


def padlock(cv, k, cx, top, w, h, r1, thick, rise, body, shackle, edge, hole):
    """A padlock: body (cx - w/2, top)-(cx + w/2, top + h) on the 16-unit grid,
    a shackle of outer half-width r1 and bar thickness `thick` whose bend is
    centred `rise` above the body. Values are scaled by k, except `thick`,
    which is in pixels."""
    cx, top, w, h, r1, rise = [v * k for v in (cx, top, w, h, r1, rise)]
    bx0, by0, bx1, by1 = cx - w / 2.0, top, cx + w / 2.0, top + h
    r0 = r1 - thick
    cy = by0 - rise                                 # centre of the bend
    legs = Union(Rect(cx - r1, cy, cx - r0, by0 + 1),
                 Rect(cx + r0, cy, cx + r1, by0 + 1))
    bar = Union(Arc(cx, cy, r0, r1, 180, 360), legs)
    cv.fill(bar.grown(1.0), edge)
    cv.fill(bar, shackle)
    if thick >= 3:
        cv.fill(Rect(cx - r1 + 1, cy, cx - r1 + 2, by0), shade(shackle, 1.5))
    rad = 0.6 * k
    cv.fill(RoundRect(bx0, by0, bx1, by1, rad + 0.4), edge)
    cv.fill(RoundRect(bx0 + 1, by0 + 1, bx1 - 1, by1 - 1, rad), body)
    # a light band along the top of the body
    cv.fill(Rect(bx0 + 1, by0 + 1, bx1 - 1, by0 + 1 + k), shade(body, 1.45))
    # keyhole
    if k >= 2:
        hr = max(1.2, 0.09 * w)
        hy = by0 + h * 0.45
        cv.fill(Ellipse(cx, hy, hr), hole)
        cv.fill(Polygon([(cx - hr * 0.5, hy), (cx + hr * 0.5, hy),
                         (cx + hr * 0.75, by1 - 0.22 * h),
                         (cx - hr * 0.75, by1 - 0.22 * h)]), hole)
    else:
        # one pixel wide when the body is an odd number of pixels across
        half = 0.5 if int(round(w)) % 2 else 1.0
        y = math.floor(by0 + h * 0.42)
        cv.fill(Rect(cx - half, y, cx + half, y + (3 if half > 0.5 else 2)), hole)


def reply_arrow(cv, k, fill, edge):
    """A curved 'reply' arrow in the lower right: a broad head pointing to the
    left, its tail bending down towards the lower right corner."""
    cx, cy = 10.0 * k, 16.0 * k                      # centre of the bend
    r1 = 5.0 * k
    r0 = 3.0 * k
    tail = Arc(cx, cy, r0, r1, 270, 359.9)           # upper-right quarter
    ymid = cy - (r0 + r1) / 2.0
    half = 3.5 * k
    head = Polygon([(cx - 4.5 * k, ymid), (cx + 0.01, ymid - half),
                    (cx + 0.01, ymid + half)])
    arrow = Union(tail, head)
    cv.fill(arrow.grown(1.0), edge)
    cv.fill(arrow, fill)
    # a lighter stripe along the top of the tail for a little depth
    if k >= 2:
        cv.fill(Arc(cx, cy, r1 - 1.0, r1, 275, 355), shade(fill, 1.4))


def rays(cv, k, count, r_in, r_out, width, colour, phase=0.0):
    cx, cy = 8.0 * k, 8.0 * k
    for i in range(count):
        a = math.radians(phase + i * 360.0 / count)
        cv.fill(Line(cx + math.cos(a) * r_in * k, cy + math.sin(a) * r_in * k,
                     cx + math.cos(a) * r_out * k, cy + math.sin(a) * r_out * k,
                     width * k), colour)


def sparkle(cv, k, x, y, r, colour, edge):
    """A four-pointed star centred on (x, y) on the 16-unit grid; on the small
    image it is drawn as a crisp one-pixel cross."""
    x, y, r = x * k, y * k, r * k
    if k < 2:
        star = Union(Rect(x - 0.5, y - r, x + 0.5, y + r),
                     Rect(x - r, y - 0.5, x + r, y + 0.5))
        cv.fill(star.grown(1.0), edge)
    else:
        t = r * 0.32
        star = Polygon([(x, y - r), (x + t, y - t), (x + r, y), (x + t, y + t),
                        (x, y + r), (x - t, y + t), (x - r, y), (x - t, y - t)])
        cv.fill(star.grown(0.8), edge)
    cv.fill(star, colour)


# ---------------------------------------------------------------------------
# Palettes
# ---------------------------------------------------------------------------

NAVY = rgb("#1d3f7a")
WHITE = rgb("#ffffff")
PAPER_FLAP = rgb("#dde8f7")
GOLD = rgb("#e9b526")
GOLD_EDGE = rgb("#6b4a08")
STEEL = rgb("#b5bcc6")
STEEL_EDGE = rgb("#3e4652")
INK = rgb("#2a1c00")

CALM_BODY = rgb("#e3e9ef")
CALM_FLAP = rgb("#c4d0dc")
CALM_EDGE = rgb("#4f6275")
CALM_LOCK = rgb("#9fb0c0")

WARM_EDGE = rgb("#7a4a00")


# ---------------------------------------------------------------------------
# Icons
# ---------------------------------------------------------------------------

def draw_app(k):
    cv = Canvas(16 * k)
    envelope(cv, k, (0, 2, 16, 13), WHITE, NAVY, PAPER_FLAP)
    padlock(cv, k, 12.5, 10, 7, 6, 2.5, k, 1.5, GOLD, STEEL, GOLD_EDGE, INK)
    return cv


def draw_tray_normal(k):
    cv = Canvas(16 * k)
    envelope(cv, k, (1, 3, 15, 13), CALM_BODY, CALM_EDGE, CALM_FLAP)
    padlock(cv, k, 12.5, 10, 7, 6, 2.5, k, 1.5, CALM_LOCK, rgb("#c9d2db"), CALM_EDGE,
            rgb("#33404d"))
    return cv


def draw_tray_new(k, stage):
    """stage 1..3: the glow around the envelope grows with each frame."""
    cv = Canvas(16 * k)
    cx, cy = 8.0 * k, 8.0 * k                        # centre of the glow
    if stage == 1:
        cv.fill(Ellipse(8 * k, 8 * k, 6.5 * k, 5.5 * k),
                radial(cx, cy, 6.5 * k, rgb("#fff3a0"), rgb("#ffe040", 0.6)))
        body, flap = rgb("#fff9d8"), rgb("#f6e7a0")
    elif stage == 2:
        cv.fill(Ellipse(8 * k, 8 * k, 7.0 * k),
                radial(cx, cy, 7.0 * k, rgb("#fff07a"), rgb("#ffc21a", 0.85)))
        rays(cv, k, 4, 5.0, 8.0, 1.6, rgb("#f59a00"), phase=45)
        body, flap = rgb("#fff4b0"), rgb("#ffd95a")
    else:
        rays(cv, k, 8, 4.5, 8.5, 1.7, rgb("#ff7a00"), phase=0)
        rays(cv, k, 8, 4.5, 8.3, 1.2, rgb("#ffb000"), phase=22.5)
        cv.fill(Ellipse(8 * k, 8 * k, 6.6 * k),
                radial(cx, cy, 6.6 * k, rgb("#ffffff"), rgb("#ff9a00")))
        body, flap = rgb("#ffffff"), rgb("#ffe27a")
    envelope(cv, k, (3, 4.5, 13, 11.5) if stage < 3 else (3, 5, 13, 11),
             body, WARM_EDGE, flap)
    if stage == 2:
        sparkle(cv, k, 13.5, 2.5, 1.5, rgb("#ffffff"), rgb("#c07800"))
    elif stage == 3:
        sparkle(cv, k, 13.5, 2.5, 2.5, rgb("#ffffff"), rgb("#c05000"))
        sparkle(cv, k, 2.5, 13.5, 1.5, rgb("#ffffff"), rgb("#c05000"))
    return cv


def draw_tray_autoreply(k):
    cv = Canvas(16 * k)
    envelope(cv, k, (0, 2, 14, 12), CALM_BODY, CALM_EDGE, CALM_FLAP)
    reply_arrow(cv, k, rgb("#2fae3a"), rgb("#0d4a14"))
    return cv


def draw_padlock(k):
    cv = Canvas(16 * k)
    padlock(cv, k, 8, 7, 12, 8.5 if k > 1 else 8, 4, 2 if k == 1 else 3.5, 2,
            GOLD, STEEL, GOLD_EDGE, INK)
    return cv


def draw_computer(k):
    cv = Canvas(16 * k)
    case = rgb("#d9d4c7")
    edge = rgb("#3b3a36")
    # monitor
    cv.fill(RoundRect(0.5 * k, 1 * k, 15.5 * k, 11.5 * k, 0.8 * k), edge)
    cv.fill(RoundRect(0.5 * k + 1, 1 * k + 1, 15.5 * k - 1, 11.5 * k - 1, 0.6 * k),
            case)
    cv.fill(Rect(2.5 * k, 3 * k, 13.5 * k, 9.5 * k), rgb("#1f2f4a"))
    cv.fill(Rect(2.5 * k + 1, 3 * k + 1, 13.5 * k, 9.5 * k),
            lambda x, y: rgb("#2f8fd8") if (x + 0.6 * y) < 10 * k else rgb("#1b64b0"))
    if k >= 2:
        cv.fill(Rect(30 - 4, 21, 30 - 2, 22), rgb("#3ccc50"))   # power light
    # stand and base
    cv.fill(Rect(6 * k, 11.5 * k - 1, 10 * k, 13 * k), edge)
    cv.fill(Rect(6 * k + 1, 11.5 * k - 1, 10 * k - 1, 13 * k), shade(case, 0.85))
    cv.fill(RoundRect(3 * k, 13 * k, 13 * k, 15.5 * k, 0.6 * k), edge)
    cv.fill(Rect(3 * k + 1, 13 * k + 1, 13 * k - 1, 15.5 * k - 1), case)
    return cv


ICONS = [
    (136, draw_app),
    (335, draw_tray_normal),
    (336, lambda k: draw_tray_new(k, 1)),
    (337, lambda k: draw_tray_new(k, 2)),
    (334, lambda k: draw_tray_new(k, 3)),
    (338, draw_tray_autoreply),
    (357, draw_padlock),
    (342, draw_computer),
]


def write_icons(icons):
    """Writes each (number, draw) as messenger/resources/icons/icon_<number>.ico, 16x16 and 32x32."""
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    out_dir = os.path.join(root, "messenger", "resources", "icons")
    os.makedirs(out_dir, exist_ok=True)
    for number, draw in icons:
        data = ico_bytes([draw(1), draw(2)])
        path = os.path.join(out_dir, "icon_%d.ico" % number)
        with open(path, "wb") as f:
            f.write(data)
        sys.stdout.write("wrote %s (%d bytes)\n" % (path, len(data)))
    return 0


def main():
    return write_icons(ICONS)


if __name__ == "__main__":
    sys.exit(main())
