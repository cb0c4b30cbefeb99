#!/usr/bin/env python3
"""Writes the loader's test bitmaps: a stripe of the four button greys and red, at 1, 4, 8 and
24 bits per pixel, one 4-bit bitmap with a short colour table (biClrUsed), and one whose header
claims more pixels than the resource holds; and two toolbar image strips of 16 x 15 images, each a
block of its own colour (x 3..12, y 3..11) on the button face grey. Run in this folder."""
import struct

GREYS = [(0, 0, 0), (0x80, 0x80, 0x80), (0xC0, 0xC0, 0xC0), (0xFF, 0xFF, 0xFF), (0xFF, 0, 0)]


def bmp(width, height, bits, table, rows, clr_used=0, truncate=0):
    stride = (width * bits + 31) // 32 * 4
    pixels = bytearray()
    for row in reversed(rows):
        line = bytearray(stride)
        for x, v in enumerate(row):
            if bits == 24:
                r, g, b = v
                line[3 * x:3 * x + 3] = bytes((b, g, r))
            elif bits == 8:
                line[x] = v
            elif bits == 4:
                line[x // 2] |= v << (4 if x % 2 == 0 else 0)
            elif bits == 1:
                line[x // 8] |= v << (7 - x % 8)
        pixels += line
    tab = b''.join(struct.pack('<BBBB', b, g, r, 0) for (r, g, b) in table)
    header = struct.pack('<IiiHHIIiiII', 40, width, height, 1, bits, 0, len(pixels), 2835, 2835, clr_used, 0)
    data = header + tab + bytes(pixels)
    if truncate:
        data = data[:-truncate]
    offset = 14 + 40 + len(tab)
    return struct.pack('<2sIHHI', b'BM', 14 + len(data), 0, 0, offset) + data


def write(name, data):
    with open(name, 'wb') as f:
        f.write(data)


FACE = (0xC0, 0xC0, 0xC0)
TOOLBAR1 = [(0xFF, 0, 0), (0, 0xC0, 0), (0, 0, 0xFF), (0xFF, 0xFF, 0), (0xFF, 0, 0xFF)]
TOOLBAR2 = [(0, 0xFF, 0xFF), (0x80, 0, 0x80), (0xFF, 0x80, 0)]


def toolbar_strip(colours):
    table = [FACE] + colours
    rows = [[1 + x // 16 if 3 <= x % 16 <= 12 and 3 <= y <= 11 else 0 for x in range(16 * len(colours))]
            for y in range(15)]
    return bmp(16 * len(colours), 15, 8, table + [(0, 0, 0)] * (256 - len(table)), rows)


if __name__ == '__main__':
    write('toolbar1.bmp', toolbar_strip(TOOLBAR1))
    write('toolbar2.bmp', toolbar_strip(TOOLBAR2))
    stripe = [list(range(5))] * 2
    write('grey1.bmp', bmp(2, 2, 1, [(0, 0, 0), (0xFF, 0xFF, 0xFF)], [[0, 1]] * 2))
    write('grey4.bmp', bmp(5, 2, 4, GREYS + [(0, 0, 0xFF)] * 11, stripe))
    write('grey4short.bmp', bmp(5, 2, 4, GREYS, stripe, clr_used=5))
    write('grey8.bmp', bmp(5, 2, 8, GREYS + [(0, 0, 0)] * 251, stripe))
    write('grey24.bmp', bmp(5, 2, 24, [], [GREYS] * 2))
    write('truncated.bmp', bmp(5, 2, 8, GREYS + [(0, 0, 0)] * 251, stripe, truncate=4))
