#!/usr/bin/env python3
"""Draws the title pictures of the profile wizards' pages (24 bits per pixel, 400 x 48).

A blue band fading to white, the radiator head over a board with a component, and an arrow:
down from the table into the station for the download, up into the table for the upload.
Run it in this folder to write the .bmp files again.
"""
import struct

W, H = 400, 48


def band():
    rows = []
    for y in range(H):
        row = []
        for x in range(W):
            t = x / (W - 1)
            row.append((int(0 + 255 * t), int(40 + 215 * t), int(120 + 135 * t)))
        rows.append(row)
    return rows


def fill(img, x0, y0, x1, y1, colour):
    for y in range(max(0, y0), min(H, y1)):
        for x in range(max(0, x0), min(W, x1)):
            img[y][x] = colour


def station(img):
    fill(img, 14, 4, 58, 14, (90, 90, 90))          # radiator head
    for x in range(18, 56, 6):
        fill(img, x, 14, x + 3, 18, (230, 40, 20))  # glowing lamps
    for y in range(20, 32, 4):
        fill(img, 20 + (y - 20), y, 52 - (y - 20), y + 2, (255, 120, 40))  # heat
    fill(img, 8, 34, 64, 40, (20, 120, 40))          # board
    fill(img, 26, 30, 46, 34, (30, 30, 30))          # component


def arrow(img, down):
    x0, x1 = 352, 388
    colour = (0, 40, 120)
    fill(img, 364, 8 if down else 22, 376, 30 if down else 42, colour)
    for i in range(14):
        y = 30 + i if down else 21 - i
        fill(img, x0 + i, y, x1 - i, y + 1, colour)


def write(path, img):
    pad = (4 - (W * 3) % 4) % 4
    data = b''
    for row in reversed(img):
        for (r, g, b) in row:
            data += bytes((b, g, r))
        data += b'\0' * pad
    header = struct.pack('<2sIHHI', b'BM', 14 + 40 + len(data), 0, 0, 54)
    info = struct.pack('<IiiHHIIiiII', 40, W, H, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(path, 'wb') as f:
        f.write(header + info + data)


for name, down in (('download_title.bmp', True), ('upload_title.bmp', False)):
    picture = band()
    station(picture)
    arrow(picture, down)
    write(name, picture)
