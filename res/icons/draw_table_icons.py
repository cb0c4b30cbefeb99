#!/usr/bin/env python3
"""Draws the 16 x 16 tab icons of the "Parameterfenster" bar (32 bits per pixel with mask).

profile_table.ico: a table with a blue heading row; user_mask.ico: a form with three text lines;
measure_values.ico: a table with a red curve over it. Run it in this folder to write them again.
"""
import struct

N = 16
CLEAR = None


def blank():
    return [[CLEAR] * N for _ in range(N)]


def rect(img, x0, y0, x1, y1, colour):
    for y in range(y0, y1 + 1):
        for x in range(x0, x1 + 1):
            img[y][x] = colour


def frame(img, x0, y0, x1, y1, colour):
    for x in range(x0, x1 + 1):
        img[y0][x] = img[y1][x] = colour
    for y in range(y0, y1 + 1):
        img[y][x0] = img[y][x1] = colour


WHITE, GREY, BLUE, RED, DARK = (255, 255, 255), (128, 128, 128), (0, 64, 192), (220, 0, 0), (0, 0, 0)


def table(heading):
    img = blank()
    rect(img, 1, 2, 14, 13, WHITE)
    rect(img, 1, 2, 14, 4, heading)
    for y in (7, 10):
        for x in range(1, 15):
            img[y][x] = GREY
    for x in (5, 10):
        for y in range(2, 14):
            img[y][x] = GREY
    frame(img, 1, 2, 14, 13, DARK)
    return img


def mask():
    img = blank()
    rect(img, 2, 1, 13, 14, WHITE)
    frame(img, 2, 1, 13, 14, DARK)
    for y in (4, 7, 10):
        for x in range(4, 12):
            img[y][x] = BLUE
    return img


def values():
    img = table(GREY)
    for x in range(2, 14):
        y = 12 - (x - 2) * 8 // 11
        img[y][x] = img[y - 1][x] = RED
    return img


def write(name, img):
    xor = b""
    for row in reversed(img):
        for p in row:
            xor += bytes((0, 0, 0, 0)) if p is None else bytes((p[2], p[1], p[0], 255))
    mask_rows = b""
    for row in reversed(img):
        bits = 0
        for x, p in enumerate(row):
            if p is None:
                bits |= 1 << (15 - x)
        mask_rows += struct.pack(">H", bits) + b"\0\0"  # rows padded to 32 bits
    info = struct.pack("<IiiHHIIiiII", 40, N, 2 * N, 1, 32, 0, len(xor) + len(mask_rows), 0, 0, 0, 0)
    data = info + xor + mask_rows
    header = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", N, N, 0, 0, 1, 32, len(data), 22)
    with open(name, "wb") as f:
        f.write(header + data)


write("profile_table.ico", table(BLUE))
write("user_mask.ico", mask())
write("measure_values.ico", values())
