"""Drawing primitives shared by the Kivet Secure Messenger artwork scripts.

tools/make_icons.py and tools/make_bitmaps.py both build their pictures from
the pieces in this module:

  - colour helpers: rgb() parses '#rrggbb', shade() darkens or lightens,
    mix() blends two colours and radial() gives a soft radial gradient;
  - shapes (rectangles, rounded rectangles, ellipses, ring arcs, polygons and
    thick lines) that can be combined with |, - and & and grown outwards for
    dark outlines;
  - a Canvas of straight (non-premultiplied) RGBA floats that paints shapes
    with supersampled coverage for gentle anti-aliasing.

Colours are (r, g, b, a) tuples with components in 0..1. Only the Python 3
standard library is used and all results are deterministic. The file
formats (ICO, BMP, GIF) are written by the scripts themselves.
"""

import math
import sys


# ---------------------------------------------------------------------------
# Colours
# ---------------------------------------------------------------------------

def rgb(hex_text, alpha=1.0):
    """'#rrggbb' -> (r, g, b, a) with components in 0..1."""
    h = hex_text.lstrip("#")
    return (int(h[0:2], 16) / 255.0, int(h[2:4], 16) / 255.0,
            int(h[4:6], 16) / 255.0, alpha)


def shade(c, f):
    """Darken (f < 1) or lighten (f > 1) a colour tuple."""
    if f <= 1.0:
        return (c[0] * f, c[1] * f, c[2] * f, c[3])
    t = f - 1.0
    return (c[0] + (1 - c[0]) * t, c[1] + (1 - c[1]) * t,
            c[2] + (1 - c[2]) * t, c[3])


def mix(a, b, t):
    """The colour a fraction t of the way from a to b."""
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(4))


def radial(cx, cy, radius, inner, outer):
    """Colour function: inner at (cx, cy) fading to outer at radius."""
    def f(x, y):
        t = min(1.0, math.hypot(x - cx, y - cy) / radius)
        return mix(inner, outer, t)
    return f


# ---------------------------------------------------------------------------
# Shapes: each has inside(x, y) and a bounding box, in pixel coordinates with
# the origin at the top-left corner and y growing down. Pixel (i, j) covers
# the square [i, i + 1) x [j, j + 1).
# ---------------------------------------------------------------------------

class Shape:
    def inside(self, x, y):
        raise NotImplementedError

    def bbox(self):
        raise NotImplementedError

    def grown(self, r):
        """The shape dilated by roughly r pixels (used for dark outlines)."""
        return Grown(self, r)

    def __sub__(self, other):
        return Difference(self, other)

    def __or__(self, other):
        return Union(self, other)

    def __and__(self, other):
        return Intersection(self, other)


class Rect(Shape):
    def __init__(self, x0, y0, x1, y1):
        self.x0, self.y0, self.x1, self.y1 = x0, y0, x1, y1

    def inside(self, x, y):
        return self.x0 <= x < self.x1 and self.y0 <= y < self.y1

    def bbox(self):
        return (self.x0, self.y0, self.x1, self.y1)


class RoundRect(Shape):
    def __init__(self, x0, y0, x1, y1, r):
        self.x0, self.y0, self.x1, self.y1, self.r = x0, y0, x1, y1, r

    def inside(self, x, y):
        if not (self.x0 <= x < self.x1 and self.y0 <= y < self.y1):
            return False
        r = self.r
        cx = min(max(x, self.x0 + r), self.x1 - r)
        cy = min(max(y, self.y0 + r), self.y1 - r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r

    def bbox(self):
        return (self.x0, self.y0, self.x1, self.y1)


class Ellipse(Shape):
    def __init__(self, cx, cy, rx, ry=None):
        self.cx, self.cy, self.rx = cx, cy, rx
        self.ry = rx if ry is None else ry

    def inside(self, x, y):
        dx = (x - self.cx) / self.rx
        dy = (y - self.cy) / self.ry
        return dx * dx + dy * dy <= 1.0

    def bbox(self):
        return (self.cx - self.rx, self.cy - self.ry,
                self.cx + self.rx, self.cy + self.ry)


class Arc(Shape):
    """Part of a ring: radii r0..r1, angles a0..a1 in degrees.

    Angles are measured clockwise on screen from the +x axis (because y grows
    downwards), so 270 is straight up and 90 straight down.
    """

    def __init__(self, cx, cy, r0, r1, a0, a1):
        self.cx, self.cy, self.r0, self.r1 = cx, cy, r0, r1
        self.a0, self.a1 = a0 % 360.0, a1 % 360.0
        self.full = abs(a1 - a0) >= 360.0

    def inside(self, x, y):
        dx, dy = x - self.cx, y - self.cy
        d2 = dx * dx + dy * dy
        if d2 < self.r0 * self.r0 or d2 > self.r1 * self.r1:
            return False
        if self.full:
            return True
        a = math.degrees(math.atan2(dy, dx)) % 360.0
        if self.a0 <= self.a1:
            return self.a0 <= a <= self.a1
        return a >= self.a0 or a <= self.a1

    def bbox(self):
        return (self.cx - self.r1, self.cy - self.r1,
                self.cx + self.r1, self.cy + self.r1)


class Polygon(Shape):
    def __init__(self, points):
        self.pts = list(points)

    def inside(self, x, y):
        hit = False
        pts = self.pts
        j = len(pts) - 1
        for i in range(len(pts)):
            xi, yi = pts[i]
            xj, yj = pts[j]
            if (yi > y) != (yj > y):
                xc = xi + (y - yi) * (xj - xi) / (yj - yi)
                if x < xc:
                    hit = not hit
            j = i
        return hit

    def bbox(self):
        xs = [p[0] for p in self.pts]
        ys = [p[1] for p in self.pts]
        return (min(xs), min(ys), max(xs), max(ys))


class Line(Shape):
    """A thick line segment with round ends."""

    def __init__(self, x0, y0, x1, y1, width):
        self.x0, self.y0, self.x1, self.y1 = x0, y0, x1, y1
        self.h = width / 2.0

    def inside(self, x, y):
        vx, vy = self.x1 - self.x0, self.y1 - self.y0
        wx, wy = x - self.x0, y - self.y0
        ll = vx * vx + vy * vy
        t = 0.0 if ll == 0 else max(0.0, min(1.0, (wx * vx + wy * vy) / ll))
        px, py = self.x0 + t * vx - x, self.y0 + t * vy - y
        return px * px + py * py <= self.h * self.h

    def bbox(self):
        return (min(self.x0, self.x1) - self.h, min(self.y0, self.y1) - self.h,
                max(self.x0, self.x1) + self.h, max(self.y0, self.y1) + self.h)


class Union(Shape):
    def __init__(self, *parts):
        self.parts = parts

    def inside(self, x, y):
        return any(p.inside(x, y) for p in self.parts)

    def bbox(self):
        boxes = [p.bbox() for p in self.parts]
        return (min(b[0] for b in boxes), min(b[1] for b in boxes),
                max(b[2] for b in boxes), max(b[3] for b in boxes))


class Difference(Shape):
    def __init__(self, a, b):
        self.a, self.b = a, b

    def inside(self, x, y):
        return self.a.inside(x, y) and not self.b.inside(x, y)

    def bbox(self):
        return self.a.bbox()


class Intersection(Shape):
    def __init__(self, a, b):
        self.a, self.b = a, b

    def inside(self, x, y):
        return self.a.inside(x, y) and self.b.inside(x, y)

    def bbox(self):
        a, b = self.a.bbox(), self.b.bbox()
        return (max(a[0], b[0]), max(a[1], b[1]), min(a[2], b[2]), min(a[3], b[3]))


class Grown(Shape):
    _DIRS = [(math.cos(math.radians(a)), math.sin(math.radians(a)))
             for a in range(0, 360, 30)]

    def __init__(self, base, r):
        self.base, self.r = base, r

    def inside(self, x, y):
        if self.base.inside(x, y):
            return True
        r = self.r
        for dx, dy in self._DIRS:
            if self.base.inside(x + dx * r, y + dy * r):
                return True
        return False

    def bbox(self):
        b = self.base.bbox()
        return (b[0] - self.r, b[1] - self.r, b[2] + self.r, b[3] + self.r)


def star_shape(cx, cy, r_out, r_in, points=5, phase=-90.0):
    """A star of `points` points between the radii r_out and r_in."""
    pts = []
    for i in range(points * 2):
        a = math.radians(phase + i * 180.0 / points)
        r = r_out if i % 2 == 0 else r_in
        pts.append((cx + math.cos(a) * r, cy + math.sin(a) * r))
    return Polygon(pts)


def write(path, data):
    """Writes the bytes to path and says so."""
    with open(path, "wb") as f:
        f.write(data)
    sys.stdout.write("wrote %s (%d bytes)\n" % (path, len(data)))


# ---------------------------------------------------------------------------
# Canvas with straight (non-premultiplied) RGBA floats
# ---------------------------------------------------------------------------

class Canvas:
    """A w x h picture, initially fully transparent. Each pixel's coverage by
    a shape is estimated from supersample x supersample sample points."""

    def __init__(self, w, h, supersample):
        self.w, self.h = w, h
        self.supersample = supersample
        self.px = [[0.0, 0.0, 0.0, 0.0] for _ in range(w * h)]

    def fill(self, shape, colour):
        """Paint shape with colour: an (r, g, b, a) tuple or a function
        f(x, y) -> (r, g, b, a) evaluated at each pixel centre."""
        n = self.supersample
        bx0, by0, bx1, by1 = shape.bbox()
        x_lo = max(0, int(math.floor(bx0)) - 1)
        y_lo = max(0, int(math.floor(by0)) - 1)
        x_hi = min(self.w, int(math.ceil(bx1)) + 1)
        y_hi = min(self.h, int(math.ceil(by1)) + 1)
        offs = [(i + 0.5) / n for i in range(n)]
        for py in range(y_lo, y_hi):
            for px in range(x_lo, x_hi):
                hits = 0
                for oy in offs:
                    for ox in offs:
                        if shape.inside(px + ox, py + oy):
                            hits += 1
                if hits:
                    col = colour(px + 0.5, py + 0.5) if callable(colour) else colour
                    self._blend(px, py, col, hits / float(n * n))

    def _blend(self, x, y, col, cover):
        d = self.px[y * self.w + x]
        sa = col[3] * cover
        if sa <= 0.0:
            return
        da = d[3]
        oa = sa + da * (1.0 - sa)
        for i in range(3):
            d[i] = (col[i] * sa + d[i] * da * (1.0 - sa)) / oa
        d[3] = oa

    def masked_rows(self, background, mask):
        """Rows of (r, g, b) bytes, top first: pixels at least half covered are
        blended over the background colour, the others become the mask colour."""
        rows = []
        bg = [c / 255.0 for c in background]
        for y in range(self.h):
            row = []
            for x in range(self.w):
                r, g, b, a = self.px[y * self.w + x]
                if a < 0.5:
                    row.append(mask)
                    continue
                a = min(1.0, a)
                row.append(tuple(int(round((c * a + k * (1.0 - a)) * 255))
                                 for c, k in zip((r, g, b), bg)))
            rows.append(row)
        return rows
