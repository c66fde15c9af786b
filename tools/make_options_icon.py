#!/usr/bin/env python3
"""Draw the Options sheet's icon (icon_168.ico): a steel-blue gear with a
white hub, and a green tick over its lower right, on the 16-unit grid of
tools/make_icons.py, whose canvas and ICO writer it uses.

Run from the repository root:

    python3 tools/make_options_icon.py

The file is written into messenger/resources/icons/.
"""

import math
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from make_icons import Canvas, ico_bytes  # noqa: E402
from pixel_art import Ellipse, Line, Polygon, radial, rgb, shade  # noqa: E402

TEETH = 8


def gear_outline(cx, cy, r_outer, r_inner):
    """A gear's rim: TEETH flat-topped teeth between r_inner and r_outer."""
    points = []
    step = 2 * math.pi / TEETH
    for i in range(TEETH):
        a = i * step - math.pi / 2
        for da, r in ((-0.30, r_inner), (-0.17, r_outer), (0.17, r_outer), (0.30, r_inner)):
            points.append((cx + r * math.cos(a + da * step * 1.6),
                           cy + r * math.sin(a + da * step * 1.6)))
    return Polygon(points)


def draw_options(k):
    cv = Canvas(16 * k)
    cx, cy = 7.0 * k, 7.0 * k
    edge = rgb("#243a5a")
    body = rgb("#5b7fb0")
    rim = gear_outline(cx, cy, 6.6 * k, 4.9 * k)
    cv.fill(rim.grown(1.0), edge)
    cv.fill(rim, radial(cx - 2 * k, cy - 2 * k, 8 * k, shade(body, 1.45), body))
    cv.fill(Ellipse(cx, cy, 2.6 * k + 1), edge)
    cv.fill(Ellipse(cx, cy, 2.6 * k), rgb("#f4f7fb"))
    # the tick: a dark outline under a green stroke
    w = 2.0 if k < 2 else 3.2
    tick = [(8.6 * k, 11.6 * k, 10.6 * k, 13.8 * k), (10.6 * k, 13.8 * k, 14.8 * k, 8.4 * k)]
    for x0, y0, x1, y1 in tick:
        cv.fill(Line(x0, y0, x1, y1, w + 1.6), rgb("#1d4d1a"))
    for x0, y0, x1, y1 in tick:
        cv.fill(Line(x0, y0, x1, y1, w), rgb("#4fc23f"))
    return cv


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    path = os.path.join(root, "messenger", "resources", "icons", "icon_168.ico")
    data = ico_bytes([draw_options(1), draw_options(2)])
    with open(path, "wb") as f:
        f.write(data)
    sys.stdout.write("wrote %s (%d bytes)\n" % (path, len(data)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
