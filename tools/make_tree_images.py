#!/usr/bin/env python3
"""Draw the 14 small pictures of the send dialog's names tree.

Every picture is 16x16 and built from simple shapes taken from
tools/pixel_art.py, rendered with supersampling for gentle anti-aliasing. The
pictures are laid side by side, in the order of the TreeImage enum of
messenger/mainwindow/tree_images.h, into one strip:

  messenger/resources/bitmaps/tree_images.bmp
      224x16, 8 bits per pixel with a 256-entry palette, uncompressed
      (BI_RGB), bottom-up. Pure magenta (255,0,255) marks the transparent
      pixels, so the program builds its image list with ImageList_AddMasked.
      Soft edges are blended over white, the usual tree background.

  index  picture
    0    folder, closed
    1    folder, open
    2    Network Group: three people
    3    group announced by the relay server: two people and a server box
    4    My Group: three people in green with a gold star
    5    My Group member: one small person
    6    Quick List name: a person with a green lightning bolt
    7    Ignore List name: a person with a red "no entry" sign
    8    domain: a blue globe with meridians
    9    computer off line: grey monitor with a dark screen
   10    computer on line: monitor with a blue screen
   11    user off line: a grey person
   12    user on line: a person with a blue shirt
   13    user in Auto-Reply mode: the person with an orange clock

Only the Python 3 standard library is used and the output is deterministic.
Run from anywhere:

    python3 tools/make_tree_images.py [--preview PATH.png]

--preview also writes an enlarged PNG of the strip (8x, numbered) for
checking the artwork by eye; the preview is not part of the resources.
"""

import math
import os
import struct
import sys
import zlib

# The shared drawing primitives live next to this script.
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from pixel_art import (Ellipse, Line, Polygon, Rect, RoundRect,  # noqa: E402
                       radial, rgb, star_shape, write)
import pixel_art  # noqa: E402

SIZE = 16
COUNT = 14
SUPERSAMPLE = 8
MAGENTA = (255, 0, 255)
BACKGROUND = (255, 255, 255)


# ---------------------------------------------------------------------------
# Canvas
# ---------------------------------------------------------------------------

class Canvas(pixel_art.Canvas):
    def __init__(self):
        super().__init__(SIZE, SIZE, SUPERSAMPLE)

    def outlined(self, shape, colour, edge, width=1.0):
        """Fill the shape with an outline of about `width` pixels around it."""
        self.fill(shape.grown(width), edge)
        self.fill(shape, colour)


# ---------------------------------------------------------------------------
# Colours
# ---------------------------------------------------------------------------

INK = rgb("#26221e")
WHITE = rgb("#ffffff")
FOLDER_EDGE = rgb("#8a5c00")
FOLDER_BACK = rgb("#e8b830")
FOLDER_LIGHT = rgb("#fff0a0")
FOLDER_FRONT = rgb("#ffd850")
SKIN = rgb("#ffd0a0")
SKIN_EDGE = rgb("#7a4a20")
BLUE = rgb("#3a78e0")
BLUE_LIGHT = rgb("#8ab8ff")
BLUE_EDGE = rgb("#10306a")
RED_SHIRT = rgb("#d84a3a")
RED_SHIRT_LIGHT = rgb("#ff9a8a")
RED_SHIRT_EDGE = rgb("#5a1008")
GREEN = rgb("#2fa83a")
GREEN_LIGHT = rgb("#9aee9a")
GREEN_EDGE = rgb("#0d4a14")
TEAL = rgb("#1fa0a0")
TEAL_LIGHT = rgb("#8ae8e0")
TEAL_EDGE = rgb("#0a4646")
GREY = rgb("#a8acb2")
GREY_LIGHT = rgb("#dcdee2")
GREY_EDGE = rgb("#4a4e54")
GOLD = rgb("#ffd020")
GOLD_EDGE = rgb("#8a5a00")
NO_RED = rgb("#e01818")
NO_RED_EDGE = rgb("#6a0000")
ORANGE = rgb("#ffa020")
ORANGE_EDGE = rgb("#7a3a00")
CASE = rgb("#d9d4c7")
CASE_EDGE = rgb("#3b3a36")


# ---------------------------------------------------------------------------
# Extra shapes
# ---------------------------------------------------------------------------

# ---------------------------------------------------------------------------
# Pieces
# ---------------------------------------------------------------------------

def person(cv, cx, top, s, shirt, shirt_light, shirt_edge,
           skin=SKIN, skin_edge=SKIN_EDGE, bottom=SIZE):
    """A head and shoulders: the head's top at `top`, s = 1 for a full-size
    person about 12 pixels wide, shoulders cut at `bottom`."""
    head_r = 2.9 * s
    head_cy = top + head_r
    body_top = head_cy + head_r + 0.4 * s
    body = Ellipse(cx, body_top + 5.2 * s, 5.6 * s, 5.2 * s) & Rect(0, 0, SIZE, bottom - 0.5)
    cv.outlined(body, radial(cx - 2 * s, body_top + 1, 7 * s, shirt_light, shirt),
                shirt_edge, 0.9)
    head = Ellipse(cx, head_cy, head_r)
    cv.outlined(head, radial(cx - 1 * s, head_cy - 1 * s, 3.6 * s, WHITE, skin),
                skin_edge, 0.9)


def user(cv, dx=0.0):
    person(cv, 7.0 + dx, 1.0, 1.0, BLUE, BLUE_LIGHT, BLUE_EDGE)


def grey_user(cv):
    person(cv, 7.0, 1.0, 1.0, GREY, GREY_LIGHT, GREY_EDGE,
           skin=GREY_LIGHT, skin_edge=GREY_EDGE)


def trio(cv, shirts):
    """Three people: two behind, one in front."""
    back, front = shirts[0], shirts[1]
    person(cv, 4.0, 0.8, 0.72, *back)
    person(cv, 12.0, 0.8, 0.72, *back)
    person(cv, 8.0, 4.2, 0.85, *front)


BLUE_SET = (BLUE, BLUE_LIGHT, BLUE_EDGE)
RED_SET = (RED_SHIRT, RED_SHIRT_LIGHT, RED_SHIRT_EDGE)
GREEN_SET = (GREEN, GREEN_LIGHT, GREEN_EDGE)
TEAL_SET = (TEAL, TEAL_LIGHT, TEAL_EDGE)


def monitor(cv, screen, screen_light):
    """A monitor on a stand, filling the picture."""
    cv.fill(RoundRect(0.5, 1.0, 15.5, 12.0, 1.0), CASE_EDGE)
    cv.fill(RoundRect(1.5, 2.0, 14.5, 11.0, 0.6), CASE)
    cv.fill(Rect(2.5, 3.0, 13.5, 10.0), CASE_EDGE)
    cv.fill(Rect(3.5, 4.0, 13.5, 10.0),
            lambda x, y: screen_light if (x + 0.7 * y) < 11 else screen)
    cv.fill(Rect(6.0, 11.5, 10.0, 13.5), CASE_EDGE)
    cv.fill(Rect(7.0, 11.5, 9.0, 13.5), CASE)
    cv.fill(RoundRect(3.0, 13.0, 13.0, 16.0, 0.8), CASE_EDGE)
    cv.fill(Rect(4.0, 14.0, 12.0, 15.0), CASE)


# ---------------------------------------------------------------------------
# The 14 pictures
# ---------------------------------------------------------------------------

def img_folder_closed():
    cv = Canvas()
    tab = Polygon([(0.5, 3.5), (5.5, 3.5), (7.0, 5.0), (7.0, 6.5), (0.5, 6.5)])
    body = Rect(0.5, 5.0, 15.5, 14.5)
    cv.outlined(tab | body, FOLDER_BACK, FOLDER_EDGE, 0.9)
    cv.fill(Rect(0.5, 6.5, 15.5, 14.5),
            radial(4, 7, 14, FOLDER_LIGHT, FOLDER_FRONT))
    cv.fill(Line(0.5, 6.5, 15.5, 6.5, 0.8), FOLDER_EDGE)
    return cv


def img_folder_open():
    cv = Canvas()
    back = Polygon([(0.5, 2.5), (5.5, 2.5), (7.0, 4.0), (13.5, 4.0), (13.5, 14.5),
                    (0.5, 14.5)])
    cv.outlined(back, FOLDER_BACK, FOLDER_EDGE, 0.9)
    cv.fill(Rect(2.5, 5.5, 12.0, 9.0), WHITE)   # a sheet inside
    front = Polygon([(0.5, 14.5), (3.5, 7.5), (15.5, 7.5), (12.5, 14.5)])
    cv.outlined(front, radial(6, 9, 12, FOLDER_LIGHT, FOLDER_FRONT), FOLDER_EDGE, 0.9)
    return cv


def img_network_group():
    cv = Canvas()
    trio(cv, (BLUE_SET, RED_SET))
    return cv


def img_server_group():
    cv = Canvas()
    person(cv, 3.8, 0.8, 0.72, *BLUE_SET)
    person(cv, 6.8, 4.2, 0.85, *RED_SET)
    cv.fill(Rect(10.0, 2.0, 16.0, 16.0), CASE_EDGE)
    cv.fill(Rect(11.0, 3.0, 15.0, 15.0),
            radial(11.0, 3.5, 13, rgb("#e8eef8"), rgb("#7a8aa8")))
    for y in (4.5, 7.0):
        cv.fill(Rect(11.0, y, 15.0, y + 1.0), CASE_EDGE)
    cv.fill(Rect(12.0, 12.0, 14.0, 13.0), rgb("#30d040"))   # power light
    return cv


def img_my_group():
    cv = Canvas()
    trio(cv, (TEAL_SET, GREEN_SET))
    star = star_shape(12.6, 12.4, 3.6, 1.5)
    cv.outlined(star, GOLD, GOLD_EDGE, 0.8)
    return cv


def img_group_member():
    cv = Canvas()
    person(cv, 8.0, 3.5, 0.8, *GREEN_SET)
    return cv


def img_quick_name():
    cv = Canvas()
    user(cv, -2.0)
    bolt = Polygon([(12.6, 3.6), (8.4, 10.4), (11.2, 10.4), (9.6, 15.8),
                    (15.4, 8.2), (12.4, 8.2), (15.0, 3.6)])
    cv.outlined(bolt, radial(11.5, 6, 9, GREEN_LIGHT, GREEN), GREEN_EDGE, 0.9)
    return cv


# A "no entry" sign drawn pixel by pixel: at this size a smooth ring and
# slash blur into a pink blot. R red, D dark red, W white, . left as is.
NO_ENTRY = [
    "..DRRRD..",
    ".DRWWWRD.",
    "DRRRWWWRD",
    "RWRRRWWWR",
    "RWWRRRWWR",
    "RWWWRRRWR",
    "DRWWWRRRD",
    ".DRWWWRD.",
    "..DRRRD..",
]


def stamp(cv, left, top, pattern, colours):
    """Set whole pixels from a character pattern (crisp small details)."""
    for dy, line in enumerate(pattern):
        for dx, ch in enumerate(line):
            if ch in colours:
                cv.fill(Rect(left + dx, top + dy, left + dx + 1, top + dy + 1), colours[ch])


def img_ignored_name():
    cv = Canvas()
    user(cv, -2.0)
    stamp(cv, 7, 7, NO_ENTRY, {"R": NO_RED, "D": NO_RED_EDGE, "W": WHITE})
    return cv


def img_domain():
    cv = Canvas()
    cx, cy, r = 8.0, 8.0, 7.2
    ball = Ellipse(cx, cy, r)
    cv.outlined(ball, radial(5.0, 4.5, 11, rgb("#c8ecff"), rgb("#2a70c8")), BLUE_EDGE, 0.8)
    land = (Polygon([(2.0, 4.5), (5.0, 2.2), (8.0, 3.0), (7.0, 6.0), (5.5, 7.0),
                     (5.0, 10.5), (3.5, 11.0), (2.2, 8.0)])
            | Polygon([(9.5, 7.5), (13.5, 6.5), (14.5, 9.5), (12.0, 14.0), (10.0, 12.0)])
            | Ellipse(11.5, 3.8, 1.8, 1.0)) & ball
    cv.fill(land, radial(5, 5, 10, rgb("#8ae870"), rgb("#2a9a3a")))
    line = rgb("#0f3a80", 0.55)
    cv.fill((Ellipse(cx, cy, 3.4, r) - Ellipse(cx, cy, 2.7, r - 0.5)) & ball, line)
    cv.fill(Line(cx - r, cy, cx + r, cy, 0.7) & ball, line)
    return cv


def img_computer_offline():
    cv = Canvas()
    monitor(cv, rgb("#3a3e44"), rgb("#50555c"))
    return cv


def img_computer_online():
    cv = Canvas()
    monitor(cv, rgb("#1b64b0"), rgb("#3f9ae8"))
    return cv


def img_user_offline():
    cv = Canvas()
    grey_user(cv)
    return cv


def img_user_online():
    cv = Canvas()
    user(cv)
    return cv


def img_user_auto_reply():
    cv = Canvas()
    user(cv, -1.5)
    cx, cy, r = 11.3, 11.3, 4.4
    cv.outlined(Ellipse(cx, cy, r), radial(cx - 1.5, cy - 1.5, 6, rgb("#ffe080"), ORANGE),
                ORANGE_EDGE, 0.8)
    cv.fill(Ellipse(cx, cy, r - 1.4), WHITE)
    cv.fill(Line(cx, cy, cx, cy - 2.2, 0.9), INK)
    cv.fill(Line(cx, cy, cx + 1.8, cy + 0.6, 0.9), INK)
    return cv


IMAGES = [
    img_folder_closed,      # 0  FolderClosed
    img_folder_open,        # 1  FolderOpen
    img_network_group,      # 2  NetworkGroup
    img_server_group,       # 3  ServerGroup
    img_my_group,           # 4  MyGroup
    img_group_member,       # 5  GroupMember
    img_quick_name,         # 6  QuickName
    img_ignored_name,       # 7  IgnoredName
    img_domain,             # 8  Domain
    img_computer_offline,   # 9  ComputerOffline
    img_computer_online,    # 10 ComputerOnline
    img_user_offline,       # 11 UserOffline
    img_user_online,        # 12 UserOnline
    img_user_auto_reply,    # 13 UserAutoReply
]


# ---------------------------------------------------------------------------
# Palette: at most 256 colours, magenta kept exact for the mask
# ---------------------------------------------------------------------------

def median_cut(counts, boxes_wanted):
    """Deterministic median cut of {(r, g, b): count} into at most
    boxes_wanted colours; returns the palette list."""
    boxes = [sorted(counts)]
    while len(boxes) < boxes_wanted:
        best, best_range, best_axis = None, 0, 0
        for i, box in enumerate(boxes):
            if len(box) < 2:
                continue
            for axis in range(3):
                vals = [c[axis] for c in box]
                rng = max(vals) - min(vals)
                if rng > best_range:
                    best, best_range, best_axis = i, rng, axis
        if best is None:
            break
        box = sorted(boxes[best], key=lambda c: (c[best_axis], c))
        total = sum(counts[c] for c in box)
        acc, cut = 0, 1
        for j, c in enumerate(box[:-1]):
            acc += counts[c]
            if acc * 2 >= total:
                cut = j + 1
                break
        boxes[best:best + 1] = [box[:cut], box[cut:]]
    palette = []
    for box in boxes:
        n = sum(counts[c] for c in box)
        palette.append(tuple(int(round(sum(c[k] * counts[c] for c in box) / float(n)))
                             for k in range(3)))
    return palette


def build_palette(rows):
    """Returns (palette of 256 (r, g, b), {colour: index})."""
    counts = {}
    for row in rows:
        for c in row:
            if c != MAGENTA:
                counts[c] = counts.get(c, 0) + 1
    if len(counts) <= 255:
        colours = sorted(counts)
    else:
        colours = sorted(set(median_cut(counts, 255)))
    # keep the mask colour unique: nothing drawn may turn into it
    colours = [c if c != MAGENTA else (254, 0, 254) for c in colours]
    palette = [MAGENTA] + colours
    index = {}
    for c in counts:
        if c in palette:
            index[c] = palette.index(c)
        else:
            index[c] = 1 + min(range(len(colours)),
                               key=lambda i: (sum((colours[i][k] - c[k]) ** 2
                                                  for k in range(3)), i))
    index[MAGENTA] = 0
    palette += [(0, 0, 0)] * (256 - len(palette))
    return palette, index


# ---------------------------------------------------------------------------
# File writers
# ---------------------------------------------------------------------------

def bmp8_bytes(rows):
    """8-bit palettised, uncompressed, bottom-up BMP with 256 palette entries."""
    h, w = len(rows), len(rows[0])
    palette, index = build_palette(rows)
    stride = (w + 3) & ~3
    pixels = bytearray()
    for row in reversed(rows):
        line = bytes(index[c] for c in row)
        pixels += line + b"\0" * (stride - len(line))
    colour_table = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 8, 0, len(pixels),
                       2835, 2835, 256, 0)
    offset = 14 + len(info) + len(colour_table)
    head = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    return head + info + colour_table + bytes(pixels)


def bmp8_rows(data):
    """Reads back what bmp8_bytes wrote: rows of (r, g, b), top first."""
    offset, = struct.unpack_from("<I", data, 10)
    w, h = struct.unpack_from("<ii", data, 18)
    palette = [(data[54 + 4 * i + 2], data[54 + 4 * i + 1], data[54 + 4 * i])
               for i in range(256)]
    stride = (w + 3) & ~3
    rows = []
    for y in range(h - 1, -1, -1):
        start = offset + y * stride
        rows.append([palette[i] for i in data[start:start + w]])
    return rows


def png_bytes(rows):
    """A plain 24-bit PNG of rows of (r, g, b), top first."""
    h, w = len(rows), len(rows[0])
    raw = b"".join(b"\0" + bytes(v for c in row for v in c) for row in rows)

    def chunk(kind, body):
        return (struct.pack(">I", len(body)) + kind + body
                + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))

    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 2, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


# ---------------------------------------------------------------------------
# Preview: the strip enlarged, each picture on a checkered cell with its index
# ---------------------------------------------------------------------------

DIGITS = {
    "0": ["111", "101", "101", "101", "111"], "1": ["010", "110", "010", "010", "111"],
    "2": ["111", "001", "111", "100", "111"], "3": ["111", "001", "111", "001", "111"],
    "4": ["101", "101", "111", "001", "001"], "5": ["111", "100", "111", "001", "111"],
    "6": ["111", "100", "111", "101", "111"], "7": ["111", "001", "010", "010", "010"],
    "8": ["111", "101", "111", "101", "111"], "9": ["111", "101", "111", "001", "111"],
}


def preview_rows(strip, scale=8, gap=8, label=24):
    cell = SIZE * scale
    w = COUNT * (cell + gap) + gap
    h = label + cell + gap + SIZE * 2 + gap
    out = [[(200, 200, 200)] * w for _ in range(h)]
    for n in range(COUNT):
        left = gap + n * (cell + gap)
        # index number, 3x5 digits at 3x
        text = str(n)
        x0 = left + (cell - len(text) * 12) // 2
        for k, ch in enumerate(text):
            for dy, bits in enumerate(DIGITS[ch]):
                for dx, bit in enumerate(bits):
                    if bit == "1":
                        for yy in range(3):
                            for xx in range(3):
                                out[4 + dy * 3 + yy][x0 + k * 12 + dx * 3 + xx] = (0, 0, 0)
        for y in range(SIZE):
            for x in range(SIZE):
                c = strip[y][n * SIZE + x]
                if c == MAGENTA:   # show the mask as a light checkerboard
                    c = (255, 255, 255) if (x + y) % 2 == 0 else (232, 232, 232)
                for yy in range(scale):
                    row = out[label + y * scale + yy]
                    for xx in range(scale):
                        row[left + x * scale + xx] = c
    # actual size, on white, below
    top = label + cell + gap
    for y in range(SIZE):
        for x in range(COUNT * SIZE):
            c = strip[y][x]
            out[top + y][gap + x + (x // SIZE) * 4] = BACKGROUND if c == MAGENTA else c
    # and at 2x
    for y in range(SIZE * 2):
        for x in range(COUNT * SIZE * 2):
            c = strip[y // 2][x // 2]
            px = gap * 2 + COUNT * (SIZE + 4) + x + (x // (2 * SIZE)) * 4
            if px < w:
                out[top + y][px] = BACKGROUND if c == MAGENTA else c
    return out


# ---------------------------------------------------------------------------
# Main
# ---------------------------------------------------------------------------

def render_strip():
    assert len(IMAGES) == COUNT
    pictures = []
    for draw in IMAGES:
        cv = draw()
        assert (cv.w, cv.h) == (SIZE, SIZE)
        pictures.append(cv.masked_rows(BACKGROUND, MAGENTA))
    return [sum((p[y] for p in pictures), []) for y in range(SIZE)]


def main(argv):
    preview = None
    if len(argv) == 3 and argv[1] == "--preview":
        preview = argv[2]
    elif len(argv) != 1:
        sys.stderr.write("usage: make_tree_images.py [--preview PATH.png]\n")
        return 2
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    bmp_dir = os.path.join(root, "messenger", "resources", "bitmaps")
    os.makedirs(bmp_dir, exist_ok=True)
    data = bmp8_bytes(render_strip())
    write(os.path.join(bmp_dir, "tree_images.bmp"), data)
    if preview:
        write(preview, png_bytes(preview_rows(bmp8_rows(data))))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
