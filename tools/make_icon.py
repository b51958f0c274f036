#!/usr/bin/env python3
"""Draws ui/halvane.ico: a horizontal dimension (two extension lines, the
dimension line with arrows, a value above) in 16x16 and 32x32, 16 colours."""
import struct
import sys

# The standard 16-colour palette (blue, green, red, reserved).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, NAVY, GREY, WHITE, RED, SILVER = 0, 4, 8, 15, 9, 7


def draw(size):
    s = size / 32.0
    px = [[WHITE] * size for _ in range(size)]

    def put(x, y, c):
        if 0 <= x < size and 0 <= y < size:
            px[y][x] = c

    def hline(x0, x1, y, c):
        for x in range(x0, x1 + 1):
            put(x, y, c)

    def vline(x, y0, y1, c):
        for y in range(y0, y1 + 1):
            put(x, y, c)

    # Frame of the paper.
    hline(0, size - 1, 0, GREY)
    hline(0, size - 1, size - 1, GREY)
    vline(0, 0, size - 1, GREY)
    vline(size - 1, 0, size - 1, GREY)
    left, right = round(4 * s), size - 1 - round(4 * s)
    line_y = round(20 * s)
    # Extension lines.
    vline(left, round(12 * s), round(27 * s), BLACK)
    vline(right, round(12 * s), round(27 * s), BLACK)
    # Dimension line and arrows.
    hline(left, right, line_y, NAVY)
    for d in range(1, max(2, round(4 * s)) + 1):
        vline(left + d, line_y - d // 2, line_y + d // 2, NAVY)
        vline(right - d, line_y - d // 2, line_y + d // 2, NAVY)
    # The value: a short red bar above the line.
    for y in range(round(8 * s), round(14 * s) + 1, max(1, round(3 * s))):
        hline(round(11 * s), size - 1 - round(11 * s), y, RED)
    return px


def image(size):
    px = draw(size)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, 0, 0, 0,
                         16, 0)
    palette = b"".join(bytes((b, g, r, 0)) for (r, g, b) in PALETTE)
    row_xor = ((size * 4 + 31) // 32) * 4
    row_and = ((size + 31) // 32) * 4
    xor = b""
    for y in reversed(range(size)):  # bottom-up rows
        row = bytearray(row_xor)
        for x in range(size):
            row[x // 2] |= px[y][x] << (4 if x % 2 == 0 else 0)
        xor += bytes(row)
    mask = bytes(row_and * size)  # fully opaque
    return header + palette + xor + mask


def main(path):
    images = [image(16), image(32)]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in zip((16, 32), images):
        out += struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(data),
                           offset)
        offset += len(data)
    out += b"".join(images)
    with open(path, "wb") as f:
        f.write(out)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "ui/halvane.ico")
