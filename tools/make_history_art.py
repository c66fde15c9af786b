#!/usr/bin/env python3
"""Draw the pictures of the HTML history and the icons of the history viewer.

Built from the shapes of tools/pixel_art.py; the GIF writer and its canvas
come from tools/make_bitmaps.py, the ICO writer and the envelope from
tools/make_icons.py, so the pictures match the rest of the artwork. Only the
Python 3 standard library is used and the output is deterministic.

Files written (relative to the repository root):

  messenger/resources/history/images/user.gif   16x16 a person (the user)
  messenger/resources/history/images/pc.gif     16x16 a computer
  messenger/resources/history/images/in.gif     16x16 incoming: envelope, arrow in
  messenger/resources/history/images/out.gif    16x16 outgoing: envelope, arrow out
  messenger/resources/history/images/tfill.gif  1x1 grey, stretched into the rule
                                                under the history's header
  viewer/resources/icons/icon_138.ico           viewer window: an open log book
                                                with an envelope (16x16, 32x32)
  viewer/resources/icons/icon_129.ico           About box: the same book, larger
                                                (32x32, 48x48)

Run from anywhere:

    python3 tools/make_history_art.py
"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from pixel_art import Ellipse, Line, Polygon, Rect, RoundRect, rgb, shade, write  # noqa: E402
import make_bitmaps  # noqa: E402
import make_icons  # noqa: E402

INK = rgb("#2b2118")
NAVY = rgb("#1d3f7a")
PAPER = rgb("#ffffff")
FLAP = rgb("#dde8f7")
IN_ARROW = rgb("#c0561b")     # warm, like the incoming row (#e8e2da)
OUT_ARROW = rgb("#2f8a3a")    # green, like the outgoing row (#dde8da)
SKIN = rgb("#f2c9a0")
SHIRT = rgb("#3a6fc4")
CASE = rgb("#d8dde4")
SCREEN = rgb("#2f8fd8")
COVER = rgb("#8a3b2a")
PAGE_LINE = rgb("#9aa7b8")


def gif_canvas(w, h):
    return make_bitmaps.Canvas(w, h)


def small_envelope(cv, x0, y0, x1, y1):
    cv.fill(Rect(x0, y0, x1, y1), NAVY)
    cv.fill(Rect(x0 + 1, y0 + 1, x1 - 1, y1 - 1), PAPER)
    mx = (x0 + x1) / 2.0
    cv.fill(Polygon([(x0 + 1, y0 + 1), (x1 - 1, y0 + 1), (mx, y0 + (y1 - y0) * 0.62)]), FLAP)
    cv.fill(Line(x0 + 0.7, y0 + 0.7, mx, y0 + (y1 - y0) * 0.62, 1.0), NAVY)
    cv.fill(Line(x1 - 0.7, y0 + 0.7, mx, y0 + (y1 - y0) * 0.62, 1.0), NAVY)


def arrow(cv, tail_x, head_x, y, colour):
    """A horizontal arrow with a dark edge, pointing from tail_x to head_x."""
    d = 1 if head_x > tail_x else -1
    body_end = head_x - d * 3.5
    shape = Polygon([(tail_x, y - 1.5), (body_end, y - 1.5), (body_end, y - 3.5), (head_x, y),
                     (body_end, y + 3.5), (body_end, y + 1.5), (tail_x, y + 1.5)])
    cv.fill(shape.grown(0.8), shade(colour, 0.45))
    cv.fill(shape, colour)


def draw_in():
    cv = gif_canvas(16, 16)
    small_envelope(cv, 3, 4, 16, 14)
    arrow(cv, 0, 8.5, 5.5, IN_ARROW)
    return cv


def draw_out():
    cv = gif_canvas(16, 16)
    small_envelope(cv, 0, 4, 13, 14)
    arrow(cv, 7.5, 16, 5.5, OUT_ARROW)
    return cv


def draw_user():
    cv = gif_canvas(16, 16)
    body = RoundRect(2.5, 9, 13.5, 16.5, 4)
    cv.fill(body.grown(0.9), INK)
    cv.fill(body, SHIRT)
    head = Ellipse(8, 5.5, 3.4)
    cv.fill(head.grown(0.9), INK)
    cv.fill(head, SKIN)
    return cv


def draw_pc():
    cv = gif_canvas(16, 16)
    cv.fill(RoundRect(1, 1.5, 15, 11.5, 1), INK)
    cv.fill(Rect(2, 2.5, 14, 10.5), CASE)
    cv.fill(Rect(3, 3.5, 13, 9.5), SCREEN)
    cv.fill(Rect(6.5, 11.5, 9.5, 13), INK)
    cv.fill(RoundRect(3.5, 13, 12.5, 15.5, 0.8), INK)
    cv.fill(Rect(4.5, 13.8, 11.5, 14.7), CASE)
    return cv


def draw_tfill():
    cv = gif_canvas(1, 1)
    cv.fill(Rect(0, 0, 1, 1), rgb("#cccccc"))
    return cv


def book_icon(size):
    """An open log book with ruled pages and an envelope on its right page."""
    cv = make_icons.Canvas(size)
    k = size / 16.0
    cv.fill(RoundRect(0.5 * k, 2 * k, 15.5 * k, 14.5 * k, 0.8 * k), COVER)
    left = Rect(1.5 * k, 2.5 * k, 8 * k, 13.5 * k)
    right = Rect(8 * k, 2.5 * k, 14.5 * k, 13.5 * k)
    cv.fill(left, PAPER)
    cv.fill(right, shade(PAPER, 0.94))
    cv.fill(Rect(7.6 * k, 2.5 * k, 8.4 * k, 13.5 * k), shade(COVER, 0.7))
    for i in range(4):
        y = (4.5 + 2.2 * i) * k
        cv.fill(Rect(2.6 * k, y, 7 * k, y + max(1.0, 0.5 * k)), PAGE_LINE)
    e = (9 * k, 6 * k, 15.5 * k, 11 * k)
    cv.fill(Rect(e[0], e[1], e[2], e[3]), NAVY)
    cv.fill(Rect(e[0] + 1, e[1] + 1, e[2] - 1, e[3] - 1), PAPER)
    mx = (e[0] + e[2]) / 2.0
    tip = e[1] + (e[3] - e[1]) * 0.62
    cv.fill(Polygon([(e[0] + 1, e[1] + 1), (e[2] - 1, e[1] + 1), (mx, tip)]), FLAP)
    cv.fill(Line(e[0] + 0.7, e[1] + 0.7, mx, tip, 1.0), NAVY)
    cv.fill(Line(e[2] - 0.7, e[1] + 0.7, mx, tip, 1.0), NAVY)
    return cv


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    images = os.path.join(root, "messenger", "resources", "history", "images")
    icons = os.path.join(root, "viewer", "resources", "icons")
    for d in (images, icons):
        os.makedirs(d, exist_ok=True)
    for name, draw in (("user", draw_user), ("pc", draw_pc), ("in", draw_in), ("out", draw_out),
                       ("tfill", draw_tfill)):
        write(os.path.join(images, name + ".gif"), make_bitmaps.gif_bytes(draw()))
    write(os.path.join(icons, "icon_138.ico"), make_icons.ico_bytes([book_icon(16), book_icon(32)]))
    write(os.path.join(icons, "icon_129.ico"), make_icons.ico_bytes([book_icon(32), book_icon(48)]))
    return 0


if __name__ == "__main__":
    sys.exit(main())
