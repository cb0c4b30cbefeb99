#!/usr/bin/env python3
"""Draws the program's 32 x 32 monochrome cursors from character maps.

'#' black, 'o' white, '.' transparent; rows shorter than 32 are padded with '.', missing rows
too. 'x' marks the hot spot (drawn black). Run it in this folder to write the .cur files again.
"""
import struct

MAGNIFIER = [
    '....####.........',
    '..##oooo##.......',
    '.#oooooooo#......',
    '.#oooooooo#......',
    '#oooooooooo#.....',
    '#oooooooooo#.....',
    '#oooooooooo#.....',
    '#oooooooooo#.....',
    '.#oooooooo#......',
    '.#oooooooo##.....',
    '..##oooo####.....',
    '....########.....',
    '..........####...',
    '...........####..',
    '............####.',
    '.............###.',
]


def magnifier_with(mark):
    rows = [list(r) for r in MAGNIFIER]
    for (y, x) in mark:
        rows[y][x] = '#'
    return [''.join(r) for r in rows]


PLUS = [(3, 5), (4, 5), (5, 5), (6, 5), (7, 5), (8, 5), (5, 3), (5, 4), (5, 6), (5, 7), (5, 8),
        (6, 3), (6, 4), (6, 6), (6, 7), (6, 8), (3, 6), (4, 6), (7, 6), (8, 6)]
FRAME = [(3, 3), (3, 4), (3, 5), (3, 6), (3, 7), (3, 8), (8, 3), (8, 4), (8, 5), (8, 6), (8, 7), (8, 8),
         (4, 3), (5, 3), (6, 3), (7, 3), (4, 8), (5, 8), (6, 8), (7, 8)]

CROSS = ['.......o.......', '.......#.......', '.......#.......', '.......#.......', '.......#.......',
         '.......#.......', '.......#.......', 'o######x######o', '.......#.......', '.......#.......',
         '.......#.......', '.......#.......', '.......#.......', '.......#.......', '.......o.......']

HAND = [
    '......##........',
    '.....#oo#.......',
    '.....#oo###.....',
    '.....#oo#oo##...',
    '.....#oo#oo#o#..',
    '..##.#oo#oo#oo#.',
    '.#oo##oooooooo#.',
    '.#ooo#oooooooo#.',
    '..#oooooooooox#.',
    '..#oooooooooo#..',
    '...#ooooooooo#..',
    '...#oooooooo#...',
    '....#ooooooo#...',
    '....#ooooooo#...',
    '....#########...',
]

MOVE = ['.......#.......', '......###......', '.....#####.....', '.......#.......', '...#...#...#...',
        '..##...#...##..', '.###...#...###.', '#######x#######', '.###...#...###.', '..##...#...##..',
        '...#...#...#...', '.......#.......', '.....#####.....', '......###......', '.......#.......']

# An arrow with a small plus box: a dragged toolbar button is copied.
COPY = [
    'x...............',
    '##..............',
    '#o#.............',
    '#oo#............',
    '#ooo#...........',
    '#oooo#..........',
    '#ooooo#.........',
    '#oooooo#........',
    '#ooooooo#.......',
    '#oooo#####......',
    '#oo#oo#.........',
    '#o#.#oo#........',
    '##..#oo#.#######',
    '#....#oo##ooooo#',
    '.....#oo##oo#oo#',
    '......##.#o###o#',
    '.........#oo#oo#',
    '.........#ooooo#',
    '.........#######',
]

# Two bars crossing, with arrows in all four directions: over a splitter window's crossing.
SPLIT_CROSS = ['.......#.......', '......###......', '.....#####.....', '......#o#......', '......#o#......',
               '..#...#o#...#..', '.######o#####..', '#ooooooxoooooo#', '.######o#####..', '..#...#o#...#..',
               '......#o#......', '......#o#......', '.....#####.....', '......###......', '.......#.......']

# An arrow (the copy cursor's, without its plus box) with a dotted rectangle below it: selected
# rows or columns are being dragged.
DRAG_SELECT = COPY[:12] + [
    '##..#oo#........',
    '#....#oo#.......',
    '.....#oo#.......',
    '......##........',
    '................',
    '#.#.#.#.#.#.#.#.',
    '................',
    '#..............#',
    '................',
    '#..............#',
    '................',
    '#.#.#.#.#.#.#.#.',
]


def no_drop():
    """A ring with a bar from top-left to bottom-right, centred on (15, 15): no drop here."""
    rows = []
    for y in range(31):
        row = ''
        for x in range(31):
            d = ((x - 15) ** 2 + (y - 15) ** 2) ** 0.5
            on_ring = 11.5 <= d <= 14.5
            on_bar = d < 11.5 and abs(x - y) <= 2
            edge = 10.5 <= d < 11.5 or 14.5 < d <= 15.5 or (d < 11.5 and abs(x - y) == 3)
            row += 'o' if on_ring or on_bar else ('#' if edge else '.')
        rows.append(row)
    return rows


CURSORS = {
    'splitter_cross.cur': (SPLIT_CROSS, None),           # 30979: splitter crossing
    'zoom_step.cur': (magnifier_with(PLUS), (5, 5)),    # 22162: step zoom
    'zoom_rect.cur': (magnifier_with(FRAME), (5, 5)),   # 22163: zoom rectangle, ready
    'zoom_drag.cur': (CROSS, None),                      # 22158: zoom rectangle, dragging
    'pan_hand.cur': (HAND, None),                        # 22159: panning
    'pan_move.cur': (MOVE, None),                        # 20693: dragging in the overview
    'copy_drag.cur': (COPY, None),                       # 20691: copying a toolbar button
    'drag_select.cur': (DRAG_SELECT, None),              # 20194: dragging selected rows or columns
    'no_drop.cur': (no_drop(), (15, 15)),                # 20208: a drop refused here
}


def write(name, rows, hot):
    rows = [r.ljust(32, '.') for r in rows] + ['.' * 32] * (32 - len(rows))
    if hot is None:
        hot = next((x, y) for y, r in enumerate(rows) for x, c in enumerate(r) if c == 'x')
    xor = bytearray()
    andm = bytearray()
    for r in reversed(rows):
        xbits = abits = 0
        for c in r:
            xbits = (xbits << 1) | (1 if c == 'o' else 0)
            abits = (abits << 1) | (1 if c == '.' else 0)
        xor += struct.pack('>I', xbits)
        andm += struct.pack('>I', abits)
    header = struct.pack('<IiiHHIIiiII', 40, 32, 64, 1, 1, 0, len(xor) + len(andm), 0, 0, 2, 0)
    palette = bytes([0, 0, 0, 0, 255, 255, 255, 0])
    image = header + palette + bytes(xor) + bytes(andm)
    directory = struct.pack('<HHH', 0, 2, 1) + struct.pack('<BBBBHHII', 32, 32, 2, 0, hot[0], hot[1], len(image), 22)
    with open(name, 'wb') as f:
        f.write(directory + image)


for name, (rows, hot) in CURSORS.items():
    write(name, rows, hot)
