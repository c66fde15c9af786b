#!/usr/bin/env python3
"""Draw the pictures of the send dialog's status bar while the network is scanned.

Built the same way as tools/make_icons.py (shapes from tools/pixel_art.py,
8x8 supersampling, its ICO writer); each file holds a 16x16 and a 32x32 image.

  icon_368.ico  retrieving the list of computers: a globe under a magnifier
  icon_353.ico  the number of computers: two desktop computers
  icon_352.ico  the number of users: two people

Run from the repository root:

    python3 tools/make_status_icons.py

The files are written into messenger/resources/icons/.
"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from make_icons import Canvas, write_icons  # noqa: E402
from pixel_art import (Arc, Ellipse, Line, Rect, RoundRect, Union,  # noqa: E402
                       radial, rgb, shade)

OCEAN = rgb("#2f7fd0")
OCEAN_EDGE = rgb("#123d6b")
LAND = rgb("#4caf50")
GLASS = rgb("#d8ecff", 0.55)
RIM = rgb("#5a5a5a")
HANDLE = rgb("#8a5a2b")
CASE = rgb("#d9d4c7")
CASE_EDGE = rgb("#3b3a36")
SCREEN = rgb("#2f8fd8")
SKIN = rgb("#f2c8a0")
SKIN_EDGE = rgb("#7a4f2a")


def globe(cv, k, cx, cy, r):
    cx, cy, r = cx * k, cy * k, r * k
    cv.fill(Ellipse(cx, cy, r + 1), OCEAN_EDGE)
    cv.fill(Ellipse(cx, cy, r), radial(cx - r / 3, cy - r / 3, r * 1.6, shade(OCEAN, 1.4), OCEAN))
    # two blobs of land and the meridians
    cv.fill(Ellipse(cx - r * 0.35, cy - r * 0.2, r * 0.35, r * 0.45), LAND)
    cv.fill(Ellipse(cx + r * 0.35, cy + r * 0.35, r * 0.3, r * 0.25), LAND)
    if k >= 2:
        cv.fill(Arc(cx, cy, r * 0.45, r * 0.45 + 1, 0, 360) - Rect(cx - r, cy - r / 6, cx + r, cy + r / 6),
                shade(OCEAN_EDGE, 1.3))
    cv.fill(Rect(cx - r, cy - 0.5, cx + r, cy + 0.5), shade(OCEAN_EDGE, 1.3))


def magnifier(cv, k, cx, cy, r):
    cx, cy, r = cx * k, cy * k, r * k
    cv.fill(Line(cx + r * 0.7, cy + r * 0.7, cx + r * 1.9, cy + r * 1.9, 1.6 * k), HANDLE)
    cv.fill(Ellipse(cx, cy, r), GLASS)
    cv.fill(Arc(cx, cy, r - 0.6 * k, r + 0.4, 0, 360), RIM)


def draw_retrieving(k):
    cv = Canvas(16 * k)
    globe(cv, k, 6.5, 6.5, 5.5)
    magnifier(cv, k, 10.5, 10.5, 3.0)
    return cv


def small_computer(cv, k, x, y):
    """A monitor on a foot, 9 units wide and 9 high, top-left at (x, y)."""
    x, y = x * k, y * k
    cv.fill(RoundRect(x, y, x + 9 * k, y + 7 * k, 0.5 * k), CASE_EDGE)
    cv.fill(Rect(x + 1, y + 1, x + 9 * k - 1, y + 7 * k - 1), CASE)
    cv.fill(Rect(x + 1.5 * k, y + 1.5 * k, x + 7.5 * k, y + 5.5 * k), SCREEN)
    cv.fill(Rect(x + 3.5 * k, y + 7 * k - 1, x + 5.5 * k, y + 8 * k), CASE_EDGE)
    cv.fill(Rect(x + 2 * k, y + 8 * k, x + 7 * k, y + 9 * k), CASE_EDGE)


def draw_computers(k):
    cv = Canvas(16 * k)
    small_computer(cv, k, 0, 1)
    small_computer(cv, k, 6.5, 6.5)
    return cv


def person(cv, k, cx, top, shirt):
    """A head and shoulders, the head centred on cx."""
    cx, top = cx * k, top * k
    shoulders = RoundRect(cx - 4 * k, top + 6 * k, cx + 4 * k, top + 11 * k, 2.5 * k)
    head = Ellipse(cx, top + 3 * k, 2.6 * k)
    cv.fill(Union(shoulders, head).grown(1.0), SKIN_EDGE)
    cv.fill(shoulders, shirt)
    cv.fill(head, SKIN)


def draw_users(k):
    cv = Canvas(16 * k)
    person(cv, k, 10.5, 1.5, rgb("#3d8b3d"))
    person(cv, k, 5.5, 4.5, rgb("#2f6fbf"))
    return cv


ICONS = [
    (368, draw_retrieving),
    (353, draw_computers),
    (352, draw_users),
]


def main():
    return write_icons(ICONS)


if __name__ == "__main__":
    sys.exit(main())
