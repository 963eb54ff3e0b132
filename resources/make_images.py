#!/usr/bin/env python3
"""Draw the programs' icons and splash picture.

Writes, next to this script:
  windhover.ico  a hovering kestrel on blue (the program, its tray and window icon)
  aaa.ico        the same kestrel at 128, 64, 48, 32 and 16 pixels, each in 32,
                 24 and 8 bits per pixel (windhover's window icons, group "AAA")
  nightjar.ico   a crescent moon and stars on dark blue
  logo.ico       the Quillmere quill for the about boxes
  splash.bmp     400x240 hills under a morning sky, no text
  hoticon.ico    windhover's Internet Explorer toolbar button under the mouse
  icon.ico       the same button at rest, in greys
  pictures/      nightjar's button pictures, each NAME.ico beside its greyed
                 NAMEgrey.ico for the disabled button (see BUTTON_PICTURES)

Icons hold a 16x16 and a 32x32 image of 32 bits with alpha (the toolbar
button's two a 16x16 and a 20x20, the sizes of the browser's small and large
buttons); the splash is an 8-bit bitmap of its own palette, run-length
encoded, which keeps the programs small. Everything is drawn from shapes in
a unit square, supersampled 4x4 for smooth edges, so the output is the same
on every run. Standard library only: the build uses the committed files and
needs no Python.
"""
import math
import os
import struct

SUPERSAMPLE = 4


# --- shapes: each is a function (x, y) -> bool over the unit square ---------

def circle(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def ellipse(cx, cy, rx, ry, angle=0.0):
    c, s = math.cos(angle), math.sin(angle)

    def inside(x, y):
        dx, dy = x - cx, y - cy
        u, v = dx * c + dy * s, -dx * s + dy * c
        return (u / rx) ** 2 + (v / ry) ** 2 <= 1.0
    return inside


def polygon(points):
    def inside(x, y):
        hit = False
        j = len(points) - 1
        for i, (xi, yi) in enumerate(points):
            xj, yj = points[j]
            if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                hit = not hit
            j = i
        return hit
    return inside


def rounded_rect(x0, y0, x1, y1, radius):
    def inside(x, y):
        if not (x0 <= x <= x1 and y0 <= y <= y1):
            return False
        cx = min(max(x, x0 + radius), x1 - radius)
        cy = min(max(y, y0 + radius), y1 - radius)
        return (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius
    return inside


def rounded_square(margin, radius):
    return rounded_rect(margin, margin, 1.0 - margin, 1.0 - margin, radius)


def segment(x0, y0, x1, y1, width):
    def inside(x, y):
        dx, dy = x1 - x0, y1 - y0
        t = max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / (dx * dx + dy * dy)))
        px, py = x0 + t * dx, y0 + t * dy
        return (x - px) ** 2 + (y - py) ** 2 <= (width / 2) ** 2
    return inside


def union(*shapes):
    return lambda x, y: any(s(x, y) for s in shapes)


def minus(shape, hole):
    return lambda x, y: shape(x, y) and not hole(x, y)


# --- pictures: lists of (shape, colour) painted in order ----------------------

def vertical_gradient(top, bottom):
    def colour(x, y):
        return tuple(round(a + (b - a) * y) for a, b in zip(top, bottom))
    return colour


def kestrel():
    """A kestrel hovering head-on: spread wings, fanned tail, small head."""
    left_wing = polygon([(0.47, 0.40), (0.30, 0.30), (0.10, 0.26), (0.05, 0.30),
                         (0.18, 0.38), (0.30, 0.46), (0.47, 0.53)])
    right_wing = polygon([(1 - x, y) for x, y in
                          [(0.47, 0.40), (0.30, 0.30), (0.10, 0.26), (0.05, 0.30),
                           (0.18, 0.38), (0.30, 0.46), (0.47, 0.53)]])
    body = ellipse(0.50, 0.50, 0.075, 0.17)
    head = circle(0.50, 0.32, 0.07)
    tail = polygon([(0.46, 0.62), (0.54, 0.62), (0.62, 0.86), (0.38, 0.86)])
    return union(left_wing, right_wing, body, head, tail)


def windhover_icon():
    tile = rounded_square(0.02, 0.16)
    return [
        (tile, vertical_gradient((70, 150, 230), (20, 70, 170))),
        (kestrel(), (40, 30, 25)),
    ]


def greyed(layers):
    """The same picture in greys, as a toolbar shows a button at rest."""
    def grey(colour):
        def at(x, y):
            r, g, b = colour(x, y) if callable(colour) else colour
            v = round(0.30 * r + 0.59 * g + 0.11 * b)
            return (v, v, v)
        return at
    return [(shape, grey(colour)) for shape, colour in layers]


def nightjar_icon():
    tile = rounded_square(0.02, 0.16)
    moon = minus(circle(0.46, 0.50, 0.30), circle(0.60, 0.42, 0.25))
    stars = union(circle(0.76, 0.22, 0.035), circle(0.84, 0.62, 0.03), circle(0.64, 0.80, 0.025))
    return [
        (tile, vertical_gradient((25, 35, 95), (5, 10, 45))),
        (moon, (250, 225, 120)),
        (stars, (235, 235, 255)),
    ]


def logo_icon():
    disc = circle(0.5, 0.5, 0.48)
    vane = ellipse(0.55, 0.42, 0.12, 0.36, angle=0.6)
    shaft = segment(0.225, 0.895, 0.70, 0.20, 0.045)
    return [
        (disc, vertical_gradient((20, 140, 140), (10, 90, 100))),
        (vane, (250, 250, 245)),
        (shaft, (60, 45, 35)),
    ]


def splash_picture():
    """Sky, sun and two ranges of hills, with a bird hovering above them."""
    aspect = 400 / 240

    def hills(base, height, waves, phase):
        return lambda x, y: y >= base - height * (
            0.5 + 0.5 * math.sin(2 * math.pi * waves * x + phase))

    def bird(x, y):
        # The kestrel, scaled into a small box at the upper right.
        bx, by, size = 0.66, 0.10, 0.16
        return kestrel()((x - bx) / size, (y - by) / (size * aspect))

    everything = lambda x, y: True
    return [
        (everything, vertical_gradient((120, 180, 240), (250, 225, 190))),
        (ellipse(0.24, 0.42, 0.09, 0.09 * aspect), (255, 235, 150)),
        (hills(0.72, 0.18, 1.3, 0.4), (90, 150, 110)),
        (hills(0.88, 0.16, 2.1, 2.0), (50, 110, 70)),
        (bird, (45, 35, 30)),
    ]


def render(layers, width, height):
    """Rows of (r, g, b, a), top row first."""
    rows = []
    n = SUPERSAMPLE
    for py in range(height):
        row = []
        for px in range(width):
            acc = [0.0, 0.0, 0.0, 0.0]
            for sy in range(n):
                for sx in range(n):
                    x = (px + (sx + 0.5) / n) / width
                    y = (py + (sy + 0.5) / n) / height
                    sample = None
                    for shape, colour in layers:
                        if shape(x, y):
                            sample = colour(x, y) if callable(colour) else colour
                    if sample is not None:
                        for i in range(3):
                            acc[i] += sample[i]
                        acc[3] += 1
            covered = acc[3]
            if covered:
                row.append(tuple(round(c / covered) for c in acc[:3]) + (round(255 * covered / (n * n)),))
            else:
                row.append((0, 0, 0, 0))
        rows.append(row)
    return rows


# --- file formats -------------------------------------------------------------

def dib_header(width, height, bits, image_size):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, image_size, 2835, 2835, 0, 0)


def icon_image(rows):
    """One icon image: header with doubled height, BGRA rows bottom-up, AND mask."""
    size = len(rows)
    pixels = b"".join(bytes((b, g, r, a)) for row in reversed(rows) for r, g, b, a in row)
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):
        line = bytearray(mask_stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                line[x // 8] |= 0x80 >> (x % 8)
        mask += line
    return dib_header(size, size * 2, 32, len(pixels) + len(mask)) + pixels + bytes(mask)


def and_mask(rows):
    size = len(rows)
    stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):
        line = bytearray(stride)
        for x, (_, _, _, a) in enumerate(row):
            if a < 128:
                line[x // 8] |= 0x80 >> (x % 8)
        mask += line
    return bytes(mask)


def icon_image_24(rows):
    """An image without alpha: BGR rows padded to four bytes, the mask for transparency."""
    size = len(rows)
    stride = (size * 3 + 3) // 4 * 4
    pixels = bytearray()
    for row in reversed(rows):
        line = b"".join(bytes((b, g, r)) for r, g, b, _ in row)
        pixels += line + bytes(stride - len(line))
    mask = and_mask(rows)
    return dib_header(size, size * 2, 24, len(pixels) + len(mask)) + bytes(pixels) + mask


# 8-bit images share one palette: a 6x6x6 colour cube and 40 greys.
PALETTE = [(r * 51, g * 51, b * 51) for r in range(6) for g in range(6) for b in range(6)] + \
    [(round(i * 255 / 39),) * 3 for i in range(40)]


def palette_index(r, g, b):
    cube = 36 * round(r / 51) + 6 * round(g / 51) + round(b / 51)
    grey = 216 + round((r + g + b) / 3 * 39 / 255)
    def distance(i):
        pr, pg, pb = PALETTE[i]
        return (pr - r) ** 2 + (pg - g) ** 2 + (pb - b) ** 2
    return min((cube, grey), key=distance)


def icon_image_8(rows):
    size = len(rows)
    stride = (size + 3) // 4 * 4
    pixels = bytearray()
    for row in reversed(rows):
        line = bytes(palette_index(r, g, b) for r, g, b, _ in row)
        pixels += line + bytes(stride - len(line))
    palette = b"".join(bytes((b, g, r, 0)) for r, g, b in PALETTE)
    mask = and_mask(rows)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 8, 0, len(pixels) + len(mask), 2835, 2835, 256, 0)
    return header + palette + bytes(pixels) + mask


IMAGE_WRITERS = {32: icon_image, 24: icon_image_24, 8: icon_image_8}


def write_icon(path, layers, sizes=(16, 32), depths=(32,)):
    entries_in = []
    for size in sizes:
        rows = render(layers, size, size)
        for depth in depths:
            entries_in.append((size, depth, IMAGE_WRITERS[depth](rows)))
    write_icon_images(path, entries_in)


def write_icon_images(path, entries_in):
    """An icon file of (size, depth, image) entries."""
    header = struct.pack("<HHH", 0, 1, len(entries_in))
    offset = len(header) + 16 * len(entries_in)
    entries = b""
    images = []
    for size, depth, data in entries_in:
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, depth, len(data), offset)
        offset += len(data)
        images.append(data)
    with open(path, "wb") as f:
        f.write(header + entries + b"".join(images))


def median_cut(counts, size):
    """At most `size` colours standing for the weighted colours of `counts`
    ({(r, g, b): pixels}): the boxes of colours are cut at their weighted
    median along their widest channel until there are enough."""
    boxes = [sorted(counts.items())]

    def widest(box):
        spans = [max(c[i] for c, _ in box) - min(c[i] for c, _ in box) for i in range(3)]
        channel = max(range(3), key=lambda i: spans[i])
        return spans[channel], channel

    while len(boxes) < size:
        candidates = [(widest(box), i) for i, box in enumerate(boxes) if len(box) > 1]
        if not candidates:
            break
        (span, channel), index = max(candidates)
        if span == 0:
            break
        box = sorted(boxes.pop(index), key=lambda entry: entry[0][channel])
        total, running, cut = sum(n for _, n in box), 0, 1
        for i, (_, n) in enumerate(box[:-1]):
            running += n
            cut = i + 1
            if running * 2 >= total:
                break
        boxes += [box[:cut], box[cut:]]
    palette = []
    for box in boxes:
        total = sum(n for _, n in box)
        palette.append(tuple(round(sum(c[i] * n for c, n in box) / total) for i in range(3)))
    return palette


def rle8(indices):
    """One row of palette indices as BI_RLE8 runs, closed by the end of the line."""
    out = bytearray()
    x = 0
    while x < len(indices):
        run = 1
        while x + run < len(indices) and run < 255 and indices[x + run] == indices[x]:
            run += 1
        out += bytes((run, indices[x]))
        x += run
    return bytes(out + b"\0\0")


def write_bitmap(path, layers, width, height):
    """An 8-bit bitmap of the picture's own palette (of 256 colours at most,
    close to the drawn ones), its rows run-length encoded (BI_RLE8)."""
    rows = render(layers, width, height)
    counts = {}
    for row in rows:
        for r, g, b, _ in row:
            counts[(r, g, b)] = counts.get((r, g, b), 0) + 1
    palette = median_cut(counts, 256)
    nearest = {}
    for colour in counts:
        nearest[colour] = min(range(len(palette)),
                              key=lambda i: sum((palette[i][k] - colour[k]) ** 2 for k in range(3)))
    pixels = b"".join(rle8([nearest[(r, g, b)] for r, g, b, _ in row]) for row in reversed(rows)) + b"\0\1"
    colours = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, 1, len(pixels), 2835, 2835, len(palette), 0)
    offset = 14 + len(info) + len(colours)
    file_header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    with open(path, "wb") as f:
        f.write(file_header + info + colours + pixels)


# --- nightjar's button pictures -------------------------------------------------

def eroded(shape, d):
    """The shape shrunk by d all round: a rim of width d drawn beneath it shows as an outline."""
    steps = [(math.cos(a * math.pi / 4) * d, math.sin(a * math.pi / 4) * d) for a in range(8)]
    return lambda x, y: shape(x, y) and all(shape(x + dx, y + dy) for dx, dy in steps)


def outlined(shape, edge, fill, width):
    return [(shape, edge), (eroded(shape, width), fill)]


def mirrored(shape):
    return lambda x, y: shape(1.0 - x, y)


def speech_bubble():
    """A speech bubble over the upper left, its tail pointing down."""
    return union(rounded_rect(0.04, 0.08, 0.84, 0.60, 0.14),
                 polygon([(0.18, 0.55), (0.38, 0.55), (0.12, 0.80)]))


def bubble_layers():
    lines = union(segment(0.18, 0.26, 0.70, 0.26, 0.07), segment(0.18, 0.42, 0.56, 0.42, 0.07))
    return outlined(speech_bubble(), (40, 60, 130), (255, 255, 250), 0.06) + [(lines, (120, 140, 190))]


def badge(fill, edge):
    """A round badge at the lower right, over the bubble's corner."""
    return outlined(circle(0.70, 0.70, 0.29), edge, fill, 0.05)


def prevent_picture():
    """The message bubble barred by a red no-entry sign."""
    ring = minus(circle(0.70, 0.70, 0.25), circle(0.70, 0.70, 0.16))
    bar = segment(0.55, 0.85, 0.85, 0.55, 0.09)
    return bubble_layers() + badge((255, 255, 255), (150, 20, 20)) + [(union(ring, bar), (215, 30, 30))]


def allow_picture():
    """The message bubble with a green tick."""
    tick = union(segment(0.57, 0.71, 0.67, 0.81, 0.09), segment(0.67, 0.81, 0.84, 0.59, 0.09))
    return bubble_layers() + badge((40, 170, 60), (20, 90, 30)) + [(tick, (255, 255, 255))]


def test_message_picture():
    """A letter with its flap closed, a red seal on it."""
    letter = rounded_rect(0.06, 0.20, 0.94, 0.80, 0.05)
    flap = union(segment(0.10, 0.25, 0.50, 0.56, 0.06), segment(0.50, 0.56, 0.90, 0.25, 0.06))
    return outlined(letter, (90, 70, 40), (250, 240, 205), 0.06) + [
        (flap, (90, 70, 40)),
        (circle(0.50, 0.56, 0.11), (200, 40, 40)),
    ]


def visit_picture():
    """The globe: sea, two land masses, the lines of longitude and latitude."""
    globe = circle(0.50, 0.50, 0.44)
    land = union(ellipse(0.36, 0.36, 0.16, 0.11, angle=0.5), ellipse(0.62, 0.66, 0.13, 0.17, angle=-0.3))
    grid = union(minus(ellipse(0.50, 0.50, 0.20, 0.42), ellipse(0.50, 0.50, 0.16, 0.39)),
                 segment(0.08, 0.50, 0.92, 0.50, 0.04),
                 segment(0.50, 0.07, 0.50, 0.93, 0.04))
    return outlined(globe, (20, 60, 120), vertical_gradient((110, 180, 240), (40, 110, 200)), 0.06) + [
        (lambda x, y: land(x, y) and globe(x, y), (70, 160, 70)),
        (lambda x, y: grid(x, y) and eroded(globe, 0.06)(x, y), (225, 240, 255)),
    ]


def left_arrow():
    return polygon([(0.06, 0.50), (0.50, 0.10), (0.50, 0.32), (0.94, 0.32),
                    (0.94, 0.68), (0.50, 0.68), (0.50, 0.90)])


def nav_back_picture():
    return outlined(left_arrow(), (20, 50, 120), vertical_gradient((120, 170, 240), (40, 90, 190)), 0.09)


def nav_forward_picture():
    return outlined(mirrored(left_arrow()), (20, 50, 120), vertical_gradient((120, 170, 240), (40, 90, 190)), 0.09)


def nav_go_picture():
    """A green arrow onward, stouter than forward's."""
    arrow = polygon([(0.04, 0.30), (0.46, 0.30), (0.46, 0.06), (0.96, 0.50),
                     (0.46, 0.94), (0.46, 0.70), (0.04, 0.70)])
    return outlined(arrow, (20, 100, 30), vertical_gradient((130, 220, 120), (40, 150, 50)), 0.10)


def nav_stop_picture():
    """A red octagon with a white cross."""
    corners = [(0.50 + 0.46 * math.cos(math.pi / 8 + k * math.pi / 4),
                0.50 + 0.46 * math.sin(math.pi / 8 + k * math.pi / 4)) for k in range(8)]
    cross = union(segment(0.32, 0.32, 0.68, 0.68, 0.12), segment(0.32, 0.68, 0.68, 0.32, 0.12))
    return outlined(polygon(corners), (130, 15, 15), (220, 40, 40), 0.08) + [(cross, (255, 255, 255))]


def nav_refresh_picture():
    """A green arrow going round, its head at the top right."""
    def arc(x, y):
        angle = math.atan2(y - 0.52, x - 0.50)
        return -math.pi / 5 <= angle or angle <= -math.pi * 0.55
    ring = lambda x, y: minus(circle(0.50, 0.52, 0.38), circle(0.50, 0.52, 0.20))(x, y) and arc(x, y)
    head = polygon([(0.50, 0.02), (0.84, 0.22), (0.52, 0.42)])
    return outlined(union(ring, head), (20, 100, 30), (60, 170, 70), 0.08)


def disabled_look(rows):
    """The greyed picture of a disabled button: grey, lighter and fainter."""
    def grey(r, g, b, a):
        v = round(0.30 * r + 0.59 * g + 0.11 * b)
        return (v // 2 + 110,) * 3 + (round(a * 0.6),)
    return [[grey(*pixel) for pixel in row] for row in rows]


# Resource name, picture and size in pixels: the four buttons of the main
# window at 32 (under the caption), the browser window's five at 20 and, in
# the go button's 21-pixel height, 14.
BUTTON_PICTURES = [
    ("prevent", prevent_picture, 32),
    ("allow", allow_picture, 32),
    ("testmessage", test_message_picture, 32),
    ("visit", visit_picture, 32),
    ("navgo", nav_go_picture, 14),
    ("navback", nav_back_picture, 20),
    ("navforward", nav_forward_picture, 20),
    ("navstop", nav_stop_picture, 20),
    ("navrefresh", nav_refresh_picture, 20),
]


def write_button_pictures(folder):
    """Each picture, and its greyed twin named with "grey" after it."""
    os.makedirs(folder, exist_ok=True)
    for name, picture, size in BUTTON_PICTURES:
        rows = render(picture(), size, size)
        for suffix, image in (("", rows), ("grey", disabled_look(rows))):
            write_icon_images(os.path.join(folder, name + suffix + ".ico"), [(size, 32, icon_image(image))])


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    write_icon(os.path.join(here, "windhover.ico"), windhover_icon())
    write_icon(os.path.join(here, "aaa.ico"), windhover_icon(), sizes=(128, 64, 48, 32, 16), depths=(32, 24, 8))
    write_icon(os.path.join(here, "nightjar.ico"), nightjar_icon())
    write_icon(os.path.join(here, "logo.ico"), logo_icon())
    write_bitmap(os.path.join(here, "splash.bmp"), splash_picture(), 400, 240)
    toolbar_sizes = (16, 20)
    write_icon(os.path.join(here, "hoticon.ico"), windhover_icon(), toolbar_sizes)
    write_icon(os.path.join(here, "icon.ico"), greyed(windhover_icon()), toolbar_sizes)
    write_button_pictures(os.path.join(here, "pictures"))


if __name__ == "__main__":
    main()
