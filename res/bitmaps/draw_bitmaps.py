#!/usr/bin/env python3
"""Draws the program's small palette bitmaps (16 x 16, 4 bits per pixel) from character maps.

The palette holds the four button greys first, so the system-colour loader maps them:
'.' light grey (the button face), '#' black, '-' dark grey, 'o' white, 'r' red, 'g' green.
Run it in this folder to write the .bmp files again.
"""
import struct

PALETTE = [(0xC0, 0xC0, 0xC0), (0, 0, 0), (0x80, 0x80, 0x80), (0xFF, 0xFF, 0xFF), (0xC0, 0, 0), (0, 0x80, 0)]
KEYS = '.#-org'

IMAGES = {
    'cross.bmp': [  # 323: a bad state
        '................',
        '................',
        '..rr........rr..',
        '..rrr......rrr..',
        '...rrr....rrr...',
        '....rrr..rrr....',
        '.....rrrrrr.....',
        '......rrrr......',
        '......rrrr......',
        '.....rrrrrr.....',
        '....rrr..rrr....',
        '...rrr....rrr...',
        '..rrr......rrr..',
        '..rr........rr..',
        '................',
        '................',
    ],
    'tick.bmp': [  # 324: a good state
        '................',
        '................',
        '.............gg.',
        '............ggg.',
        '...........ggg..',
        '..........ggg...',
        '.........ggg....',
        '..gg....ggg.....',
        '..ggg..ggg......',
        '...ggggggg......',
        '....ggggg.......',
        '.....ggg........',
        '......g.........',
        '................',
        '................',
        '................',
    ],
    'confirm.bmp': [  # 22023: the tick of confirming buttons, with a shadow
        '................',
        '................',
        '.............#..',
        '............##-.',
        '...........##-..',
        '..........##-...',
        '..#......##-....',
        '..##....##-.....',
        '...##..##-......',
        '....####-.......',
        '.....##-........',
        '......-.........',
        '................',
        '.ooooooooooooo..',
        '................',
        '................',
    ],
    'lbe_new.bmp': [  # 20516: the list-box editor's new entry
        '................',
        '................',
        '...#######......',
        '...#ooooo##.....',
        '...#ooooo#o#....',
        '...#ooooo####...',
        '...#oooooooo#...',
        '...#oooooooo#...',
        '...#oooooooo#...',
        '...#oooooooo#...',
        '...#oooooooo#...',
        '...#oooooooo#...',
        '...#oooooooo#...',
        '...##########...',
        '................',
        '................',
    ],
    'lbe_delete.bmp': [  # 20517: delete the selection
        '................',
        '................',
        '................',
        '...##......##...',
        '....##....##....',
        '.....##..##.....',
        '......####......',
        '.......##.......',
        '......####......',
        '.....##..##.....',
        '....##....##....',
        '...##......##...',
        '................',
        '................',
        '................',
        '................',
    ],
    'lbe_up.bmp': [  # 20518: move the entry up
        '................',
        '................',
        '................',
        '.......#........',
        '......###.......',
        '.....#####......',
        '....#######.....',
        '...#########....',
        '......###.......',
        '......###.......',
        '......###.......',
        '......###.......',
        '......###.......',
        '................',
        '................',
        '................',
    ],
    'lbe_down.bmp': [  # 20519: move the entry down
        '................',
        '................',
        '................',
        '......###.......',
        '......###.......',
        '......###.......',
        '......###.......',
        '......###.......',
        '...#########....',
        '....#######.....',
        '.....#####......',
        '......###.......',
        '.......#........',
        '................',
        '................',
        '................',
    ],
    'menu_check.bmp': [  # 20525: the check mark of bitmap menus
        '................',
        '................',
        '................',
        '................',
        '...........#....',
        '..........##....',
        '....#....###....',
        '....##..###.....',
        '....#####.......',
        '.....###........',
        '......#.........',
        '................',
        '................',
        '................',
        '................',
    ],
}


def write_bmp(path, rows):
    height = len(rows)
    width = len(rows[0])
    stride = (width * 4 + 31) // 32 * 4
    pixels = bytearray()
    for row in reversed(rows):  # bottom-up
        line = bytearray(stride)
        for x, ch in enumerate(row):
            index = KEYS.index(ch)
            line[x // 2] |= index << (4 if x % 2 == 0 else 0)
        pixels += line
    table = b''.join(struct.pack('<BBBB', b, g, r, 0) for (r, g, b) in PALETTE)
    header = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 4, 0, len(pixels), 2835, 2835, len(PALETTE), 0)
    offset = 14 + len(header) + len(table)
    filehead = struct.pack('<2sIHHI', b'BM', offset + len(pixels), 0, 0, offset)
    with open(path, 'wb') as f:
        f.write(filehead + header + table + pixels)


if __name__ == '__main__':
    for name, rows in IMAGES.items():
        write_bmp(name, rows)
