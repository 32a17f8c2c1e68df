#!/usr/bin/env python3
"""Draws Tarvex's icons and writes them as .ico files next to this script.

Each icon holds a 32x32 and a 16x16 image, 16 colours (4 bpp) with an AND
mask, as Windows 95 shows them. The motif is a gear:
  tarvex.ico       the program and splash logo: silver gear, blue hub
  tray_hidden.ico  tray icon while the form is hidden: the gear at rest, grey
  tray_shown.ico   tray icon while the form is shown: the gear lit, yellow on
                   a dark tile, so the two states tell apart at a glance
Run it after changing a drawing; the .ico files are kept in the repository.
"""

import math
import os
import struct

# The standard 16-colour palette (RGB), by index.
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, NAVY, SILVER, GREY, RED, YELLOW, OLIVE, BLUE, WHITE = 0, 4, 7, 8, 9, 11, 3, 12, 15
CLEAR = None  # transparent: AND bit set


def teeth(size):
    """(count, tip radius, root radius, share of each period the tooth takes,
    turn in periods), radii relative to the size; fewer, broader teeth stay
    legible at 16, turned to point up and down."""
    return (8, 0.48, 0.36, 0.5, 0.0) if size >= 32 else (6, 0.5, 0.34, 0.6, 0.5)


def gear_coverage(size, x, y):
    """How much of pixel (x, y) the gear covers, 0..1 (4x4 samples)."""
    hits = 0
    count, tip, root, share, turn = teeth(size)
    centre = size / 2
    for sy in range(4):
        for sx in range(4):
            dx = x + (sx + 0.5) / 4 - centre
            dy = y + (sy + 0.5) / 4 - centre
            r = math.hypot(dx, dy) / size
            phase = (math.atan2(dy, dx) * count / (2 * math.pi) + share / 2 + turn) % 1.0
            outer = tip if phase < share else root
            if r <= outer:
                hits += 1
    return hits / 16


def regions(size):
    """Per pixel: 'out', 'gear', 'hub' (a raised boss) or 'hole'."""
    centre = (size - 1) / 2
    grid = []
    for y in range(size):
        row = []
        for x in range(size):
            d = math.hypot(x - centre, y - centre)
            if gear_coverage(size, x, y) < 0.5:
                row.append("out")
            elif d <= size * 0.07:
                row.append("hole")
            elif d <= size * 0.24:
                row.append("hub")
            else:
                row.append("gear")
        grid.append(row)
    return grid


def bevel(grid, x, y, lower, reach):
    """-1 on an edge facing the light from the upper left, 1 on one facing
    away, 0 inside: decided by where the neighbours in lower regions lie
    (within reach pixels)."""
    size = len(grid)
    pull = 0
    for j in range(-reach, reach + 1):
        for i in range(-reach, reach + 1):
            if abs(i) + abs(j) > reach:
                continue
            inside = 0 <= x + i < size and 0 <= y + j < size
            if not inside or grid[y + j][x + i] in lower:
                pull += i + j
    return (pull > 0) - (pull < 0)


def draw(size, scheme):
    """The image as rows of palette indices (CLEAR for transparent)."""
    grid = regions(size)
    image = []
    for y, row in enumerate(grid):
        out = []
        for x, region in enumerate(row):
            lower = {"gear": ("out",), "hub": ("gear", "out"), "hole": (), "out": ()}[region]
            reach = 2 if size >= 32 and region == "gear" else 1
            out.append(scheme(size, x, y, region, bevel(grid, x, y, lower, reach)))
        image.append(out)
    return image


def program_scheme(size, x, y, region, edge):
    if region == "out":
        return CLEAR
    if region == "gear":
        return (WHITE, SILVER, GREY)[edge + 1]
    if region == "hub":
        return (WHITE, BLUE, NAVY)[edge + 1]
    return BLACK


def hidden_scheme(size, x, y, region, edge):
    if region in ("out", "hole"):
        return CLEAR
    if region == "gear":
        return (SILVER, GREY, BLACK)[edge + 1]
    return (GREY, BLACK, BLACK)[edge + 1]


def shown_scheme(size, x, y, region, edge):
    # A dark tile behind the gear: the whole square is opaque.
    if region == "out":
        return BLACK if x in (0, size - 1) or y in (0, size - 1) else NAVY
    if region == "gear":
        return (WHITE, YELLOW, OLIVE)[edge + 1]
    if region == "hub":
        return (WHITE, RED, BLACK)[edge + 1]
    return BLACK


def bitmap_entry(image):
    """BITMAPINFOHEADER, palette, XOR (4 bpp) and AND (1 bpp) bitmaps, bottom-up."""
    size = len(image)
    xor_stride = ((size * 4 + 31) // 32) * 4
    and_stride = ((size + 31) // 32) * 4
    xor = bytearray()
    mask = bytearray()
    for row in reversed(image):
        line = bytearray(xor_stride)
        bits = bytearray(and_stride)
        for x, index in enumerate(row):
            value = 0 if index is CLEAR else index
            line[x // 2] |= value << (4 if x % 2 == 0 else 0)
            if index is CLEAR:
                bits[x // 8] |= 0x80 >> (x % 8)
        xor += line
        mask += bits
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, len(xor) + len(mask), 0, 0, 16, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    return header + palette + bytes(xor) + bytes(mask)


def ico(images):
    entries = [bitmap_entry(image) for image in images]
    out = struct.pack("<HHH", 0, 1, len(entries))
    offset = 6 + 16 * len(entries)
    for image, data in zip(images, entries):
        size = len(image)
        out += struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    return out + b"".join(entries)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    for name, scheme in (("tarvex.ico", program_scheme), ("tray_hidden.ico", hidden_scheme),
                         ("tray_shown.ico", shown_scheme)):
        with open(os.path.join(here, name), "wb") as f:
            f.write(ico([draw(32, scheme), draw(16, scheme)]))


if __name__ == "__main__":
    main()
