#!/usr/bin/env python3
"""Draws the application's toolbar strips (16 x 15 per button, 4 bits per pixel).

Each strip holds one image per command of its toolbar, in the order of the toolbar resource in
res/app.rc. The background is the light grey of the button face (mapped to the system colour by
the toolbar loader). Run it in this folder to write the .bmp files again.
"""
import struct

W, H = 16, 15
# Palette: button face first, then the colours the pictures use.
PALETTE = {
    '.': (0xC0, 0xC0, 0xC0), '#': (0, 0, 0), '-': (0x80, 0x80, 0x80), 'o': (0xFF, 0xFF, 0xFF),
    'r': (0xE0, 0, 0), 'g': (0, 0x90, 0), 'b': (0, 0, 0xC0), 'y': (0xF0, 0xD0, 0),
    'c': (0, 0xA0, 0xC0), 'd': (0x80, 0, 0),
}
KEYS = list(PALETTE)


class Image:
    def __init__(self):
        self.px = [['.'] * W for _ in range(H)]

    def set(self, x, y, c):
        if 0 <= x < W and 0 <= y < H:
            self.px[y][x] = c

    def rect(self, x0, y0, x1, y1, edge, fill=None):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                border = x in (x0, x1) or y in (y0, y1)
                if border:
                    self.set(x, y, edge)
                elif fill:
                    self.set(x, y, fill)

    def line(self, x0, y0, x1, y1, c):
        n = max(abs(x1 - x0), abs(y1 - y0), 1)
        for i in range(n + 1):
            self.set(round(x0 + (x1 - x0) * i / n), round(y0 + (y1 - y0) * i / n), c)

    def disc(self, cx, cy, r, edge, fill=None):
        for y in range(H):
            for x in range(W):
                d = ((x - cx) ** 2 + (y - cy) ** 2) ** 0.5
                if d <= r - 0.5 and fill:
                    self.set(x, y, fill)
                if r - 0.5 < d <= r + 0.5:
                    self.set(x, y, edge)

    def text(self, x, y, rows, c):
        for j, row in enumerate(rows):
            for i, ch in enumerate(row):
                if ch == 'x':
                    self.set(x + i, y + j, c)


def page(im):
    im.rect(3, 1, 12, 13, '#', 'o')


def curve(im):
    im.line(1, 12, 5, 6, 'b')
    im.line(5, 6, 9, 4, 'b')
    im.line(9, 4, 14, 8, 'b')


def window(im):
    im.rect(1, 1, 14, 13, '#', 'o')
    im.rect(1, 1, 14, 3, '#', 'b')


def magnifier(im):
    im.disc(6, 6, 4, '#', 'o')
    im.line(9, 9, 13, 13, '#')
    im.line(10, 9, 14, 13, '#')


def clock(im, hand):
    im.disc(7, 7, 6, '#', 'o')
    im.line(7, 7, 7, 3, '#')
    im.line(7, 7, 10, 7, hand)


GLYPHS = {
    'new': lambda im: (page(im), im.line(9, 1, 12, 4, '-')),
    'open': lambda im: (im.rect(1, 4, 14, 13, '#', 'y'), im.rect(1, 2, 6, 4, '#', 'y')),
    'save': lambda im: (im.rect(1, 1, 14, 13, '#', 'b'), im.rect(4, 1, 11, 5, '#', 'o'),
                        im.rect(4, 9, 11, 13, '#', '-')),
    'print': lambda im: (im.rect(4, 1, 11, 6, '#', 'o'), im.rect(1, 6, 14, 11, '#', '-'),
                         im.rect(4, 10, 11, 13, '#', 'o')),
    'about': lambda im: (im.disc(7, 7, 6, 'b', 'b'), im.rect(7, 6, 8, 11, 'o', 'o'),
                         im.rect(7, 3, 8, 4, 'o', 'o')),
    'help': lambda im: (im.line(1, 1, 1, 9, '#'), im.line(1, 1, 6, 6, '#'), im.line(1, 9, 6, 6, '#'),
                        im.text(8, 3, ['xxxx', 'x  xx', '   xx', '  xx', ' xx', ' xx', '', ' xx'], 'b')),
    'comm': lambda im: (im.line(1, 5, 14, 5, 'g'), im.line(11, 2, 14, 5, 'g'), im.line(1, 9, 14, 9, 'g'),
                        im.line(1, 9, 4, 12, 'g')),
    'record': lambda im: im.disc(7, 7, 5, 'd', 'r'),
    'clear': lambda im: (page(im), im.line(4, 3, 11, 11, 'r'), im.line(11, 3, 4, 11, 'r')),
    'quicksave': lambda im: (im.rect(1, 3, 12, 13, '#', 'b'), im.rect(4, 3, 9, 6, '#', 'o'),
                             im.line(14, 0, 11, 5, 'y'), im.line(11, 5, 14, 5, 'y'), im.line(14, 5, 11, 10, 'y')),
    'cursor': lambda im: (curve(im), im.line(8, 0, 8, 14, 'r')),
    'addpoint': lambda im: (curve(im), im.line(10, 11, 14, 11, 'g'), im.line(12, 9, 12, 13, 'g')),
    'dellast': lambda im: (curve(im), im.line(10, 11, 14, 11, 'r')),
    'delall': lambda im: (curve(im), im.line(10, 9, 14, 13, 'r'), im.line(14, 9, 10, 13, 'r')),
    'param': lambda im: (window(im), im.rect(1, 9, 14, 13, '#', 'c')),
    'state': lambda im: (window(im), im.rect(10, 3, 14, 13, '#', 'c')),
    'hideall': lambda im: (window(im), im.line(3, 6, 12, 11, 'r'), im.line(12, 6, 3, 11, 'r')),
    'minimized': lambda im: (im.rect(4, 5, 11, 12, '#', 'o'), im.rect(4, 5, 11, 6, '#', 'b')),
    'fullscreen': lambda im: (im.rect(0, 0, 15, 14, '#', 'o'), im.rect(2, 2, 13, 12, 'b')),
    'zoomstep': lambda im: (magnifier(im), im.line(4, 6, 8, 6, '#'), im.line(6, 4, 6, 8, '#')),
    'zoomactual': lambda im: (magnifier(im), im.line(6, 4, 6, 8, '#'), im.line(5, 5, 6, 4, '#')),
    'zoomrect': lambda im: (im.rect(0, 0, 9, 8, 'r'), magnifier(im)),
    'zoomfit': lambda im: (im.rect(0, 0, 15, 14, '-'), magnifier(im)),
    'fan': lambda im: (im.line(2, 2, 12, 12, 'b'), im.line(12, 2, 2, 12, 'b'), im.disc(7, 7, 2, '#', '#')),
    'pump': lambda im: (im.line(7, 1, 3, 8, 'c'), im.line(7, 1, 11, 8, 'c'), im.disc(7, 9, 4, 'c', 'c')),
    'calibrate': lambda im: (im.disc(7, 7, 5, 'r'), im.line(7, 0, 7, 14, '#'), im.line(0, 7, 14, 7, '#')),
    'heater': lambda im: (im.line(1, 12, 14, 12, '#'), im.text(2, 2, ['x  x  x  x', ' x  x  x  x',
                          'x  x  x  x', ' x  x  x  x', 'x  x  x  x', ' x  x  x  x', 'x  x  x  x'], 'r')),
    'clockset': lambda im: clock(im, 'g'),
    'clockreset': lambda im: clock(im, 'r'),
    'serial': lambda im: im.text(3, 3, ['  x  x', '  x  x', 'xxxxxxxx', ' x  x', ' x  x', 'xxxxxxxx', 'x  x',
                                        'x  x'], '#'),
    'hours': lambda im: (im.line(3, 1, 11, 1, '#'), im.line(3, 13, 11, 13, '#'), im.line(4, 2, 10, 12, 'y'),
                         im.line(10, 2, 4, 12, 'y'), im.line(4, 2, 10, 2, 'y'), im.line(4, 12, 10, 12, 'y')),
    'longlife': lambda im: (im.disc(4, 7, 3, 'b'), im.disc(11, 7, 3, 'b')),
}

STRIPS = {
    'main.bmp': ['new', 'open', 'save', 'print', 'about', 'help'],
    'record.bmp': ['comm', 'record', 'clear', 'quicksave'],
    'analyse.bmp': ['cursor', 'addpoint', 'dellast', 'delall'],
    'views.bmp': ['param', 'state', 'hideall', 'minimized', 'fullscreen'],
    'zoom.bmp': ['zoomstep', 'zoomactual', 'zoomrect', 'zoomfit'],
    'expert.bmp': ['fan', 'pump', 'calibrate', 'heater', 'clockset', 'clockreset', 'serial', 'hours', 'longlife'],
    'menu.bmp': ['new', 'open', 'save', 'print', 'about', 'help', 'comm', 'record', 'clear', 'quicksave', 'cursor',
                 'addpoint', 'dellast', 'delall', 'param', 'state', 'hideall', 'minimized', 'fullscreen',
                 'zoomstep', 'zoomactual', 'zoomrect', 'zoomfit'],
}


def write_bmp(name, glyphs):
    images = []
    for g in glyphs:
        im = Image()
        GLYPHS[g](im)
        images.append(im)
    width = W * len(images)
    stride = ((width * 4 + 31) // 32) * 4
    rows = []
    for y in reversed(range(H)):
        nibbles = [KEYS.index(images[x // W].px[y][x % W]) for x in range(width)]
        if len(nibbles) % 2:
            nibbles.append(0)
        row = bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, len(nibbles), 2))
        rows.append(row + b'\0' * (stride - len(row)))
    palette = b''.join(bytes((b, g, r, 0)) for (r, g, b) in PALETTE.values()) + b'\0' * 4 * (16 - len(PALETTE))
    bits = b''.join(rows)
    offset = 14 + 40 + len(palette)
    header = struct.pack('<2sIHHI', b'BM', offset + len(bits), 0, 0, offset)
    info = struct.pack('<IiiHHIIiiII', 40, width, H, 1, 4, 0, len(bits), 0, 0, 16, 0)
    with open(name, 'wb') as f:
        f.write(header + info + palette + bits)


if __name__ == '__main__':
    for name, glyphs in STRIPS.items():
        write_bmp(name, glyphs)
