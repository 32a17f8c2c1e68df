#!/usr/bin/env python3
"""Draws Ostrel's icon (ostrel.ico: 32x32 and 16x16, 16 colours) and the
status window's logo (logo.bmp: 235x83, 8 bits per pixel), byte by byte.
Run it from anywhere; it writes next to itself. The outputs are committed,
so the build never needs Python."""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))

# The sixteen colours every Windows 95 display has.
VGA = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, TEAL, SILVER, YELLOW, AQUA, WHITE = 0, 6, 7, 11, 14, 15


def cylinder(u, v):
    """The emblem, a stack of disks (the registry) with an arrow going in,
    on a 1x1 square: a colour index, or None for background."""
    cx, rx, top, bottom, ry = 0.36, 0.30, 0.22, 0.78, 0.10
    dx = (u - cx) / rx
    if abs(dx) <= 1.0:
        half = ry * (1.0 - dx * dx) ** 0.5
        if (u - cx) ** 2 / rx ** 2 + (v - top) ** 2 / ry ** 2 <= 1.0:
            return WHITE if dx < 0.2 else SILVER
        if top <= v <= bottom + half:
            for band in (0.43, 0.62):
                if abs(v - (band + half)) < 0.03:
                    return BLACK
            return AQUA if dx < -0.1 else TEAL
    # The arrow beside it: a shaft and a head pointing down.
    if 0.79 <= u <= 0.89 and 0.08 <= v <= 0.48:
        return YELLOW
    if 0.48 <= v <= 0.74 and abs(u - 0.84) <= (0.74 - v) * 0.58:
        return YELLOW
    return None


def render(size, shape):
    pixels = [[shape((x + 0.5) / size, (y + 0.5) / size) for x in range(size)] for y in range(size)]
    # A black outline wherever a drawn pixel meets the background.
    out = [row[:] for row in pixels]
    for y in range(size):
        for x in range(size):
            if pixels[y][x] is None:
                continue
            for nx, ny in ((x - 1, y), (x + 1, y), (x, y - 1), (x, y + 1)):
                if not (0 <= nx < size and 0 <= ny < size) or pixels[ny][nx] is None:
                    out[y][x] = BLACK
    return out


def icon_image(size):
    pixels = render(size, cylinder)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b''.join(struct.pack('BBBB', b, g, r, 0) for r, g, b in VGA)
    xor_stride = (size * 4 + 31) // 32 * 4
    and_stride = (size + 31) // 32 * 4
    xor_rows, and_rows = b'', b''
    for row in reversed(pixels):
        nibbles = [0 if p is None else p for p in row]
        line = bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, size, 2))
        xor_rows += line.ljust(xor_stride, b'\0')
        bits = 0
        for p in row:
            bits = (bits << 1) | (1 if p is None else 0)
        and_rows += bits.to_bytes(size // 8, 'big').ljust(and_stride, b'\0')
    return header + palette + xor_rows + and_rows


def write_icon(path):
    images = [icon_image(32), icon_image(16)]
    data = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, image in zip((32, 16), images):
        data += struct.pack('<BBBBHHII', size, size, 16, 0, 1, 4, len(image), offset)
        offset += len(image)
    with open(path, 'wb') as f:
        f.write(data + b''.join(images))


# A 5x7 letter set, just the letters the logo needs.
FONT = {
    'A': ['01110', '10001', '10001', '11111', '10001', '10001', '10001'],
    'B': ['11110', '10001', '10001', '11110', '10001', '10001', '11110'],
    'C': ['01110', '10001', '10000', '10000', '10000', '10001', '01110'],
    'E': ['11111', '10000', '10000', '11110', '10000', '10000', '11111'],
    'G': ['01110', '10001', '10000', '10111', '10001', '10001', '01111'],
    'I': ['01110', '00100', '00100', '00100', '00100', '00100', '01110'],
    'K': ['10001', '10010', '10100', '11000', '10100', '10010', '10001'],
    'L': ['10000', '10000', '10000', '10000', '10000', '10000', '11111'],
    'M': ['10001', '11011', '10101', '10101', '10001', '10001', '10001'],
    'O': ['01110', '10001', '10001', '10001', '10001', '10001', '01110'],
    'P': ['11110', '10001', '10001', '11110', '10000', '10000', '10000'],
    'R': ['11110', '10001', '10001', '11110', '10100', '10010', '10001'],
    'S': ['01111', '10000', '10000', '01110', '00001', '00001', '11110'],
    'T': ['11111', '00100', '00100', '00100', '00100', '00100', '00100'],
    'U': ['10001', '10001', '10001', '10001', '10001', '10001', '01110'],
    'Y': ['10001', '10001', '01010', '00100', '00100', '00100', '00100'],
    ' ': ['00000'] * 7,
}


def draw_text(canvas, text, x0, y0, scale, colour, shadow=None):
    offset = max(1, scale // 2)
    for dx, dy, c in ((offset, offset, shadow), (0, 0, colour)):
        if c is None:
            continue
        for n, ch in enumerate(text):
            for gy, line in enumerate(FONT[ch]):
                for gx, bit in enumerate(line):
                    if bit != '1':
                        continue
                    for sy in range(scale):
                        for sx in range(scale):
                            x = x0 + dx + (n * 6 + gx) * scale + sx
                            y = y0 + dy + gy * scale + sy
                            if 0 <= y < len(canvas) and 0 <= x < len(canvas[0]):
                                canvas[y][x] = c


def write_logo(path):
    width, height = 235, 83
    # Indices 0-15: the VGA colours; 16-79: the background's blue ramp.
    palette = list(VGA) + [(0, 0, 60 + i * 2) for i in range(64)]
    palette += [(0, 0, 0)] * (256 - len(palette))
    canvas = [[16 + min(63, x * 48 // width + y * 15 // height) for x in range(width)] for y in range(height)]
    emblem = render(64, cylinder)
    for y in range(64):
        for x in range(64):
            if emblem[y][x] is not None:
                canvas[y + 10][x + 8] = emblem[y][x]
    draw_text(canvas, 'KELMORA', 84, 14, 3, WHITE, BLACK)
    draw_text(canvas, 'OSTREL', 84, 44, 2, YELLOW, BLACK)
    draw_text(canvas, 'REGISTRY BACKUP', 84, 64, 1, SILVER)
    stride = (width + 3) // 4 * 4
    bits = b''.join(bytes(row).ljust(stride, b'\0') for row in reversed(canvas))
    info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 8, 0, len(bits), 2835, 2835, 256, 0)
    colours = b''.join(struct.pack('BBBB', b, g, r, 0) for r, g, b in palette)
    offset = 14 + len(info) + len(colours)
    head = struct.pack('<2sIHHI', b'BM', offset + len(bits), 0, 0, offset)
    with open(path, 'wb') as f:
        f.write(head + info + colours + bits)


if __name__ == '__main__':
    write_icon(os.path.join(HERE, 'ostrel.ico'))
    write_logo(os.path.join(HERE, 'logo.bmp'))
