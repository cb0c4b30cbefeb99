#!/usr/bin/env python3
"""Draws the program's small palette bitmaps (4 bits per pixel) from character maps.

The palette holds the four button greys first, so the system-colour loader maps them:
'.' light grey (the button face), '#' black, '-' dark grey, 'o' white, 'r' red, 'g' green.
The grid's cell-control bitmaps use the standard 16-colour palette (GRID_KEYS below) and are
built from frames, see grid_images().
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
    'longlife_parameter.bmp': [  # 344: the long-life test's parameters (two sliders)
        '................',
        '................',
        '...#............',
        '..###...........',
        '..#-#...........',
        '..###...........',
        '...#......#.....',
        '...#.....###....',
        '...#.....#-#....',
        '...#.....###....',
        '...#......#.....',
        '...#......#.....',
        '...#......#.....',
        '................',
        '.ooooooooooooo..',
        '................',
    ],
    'longlife_reset.bmp': [  # 345: reset the test's counters (a turning arrow)
        '................',
        '................',
        '......####......',
        '....##....##.#..',
        '...#.......###..',
        '...#......####..',
        '..#.............',
        '..#.............',
        '..#.............',
        '..#...........#.',
        '...#.........#..',
        '...#........#...',
        '....##....##....',
        '......####......',
        '................',
        '................',
    ],
    'longlife_start.bmp': [  # 346: start or stop the test (a play mark)
        '................',
        '................',
        '....#...........',
        '....gg..........',
        '....ggg.........',
        '....gggg........',
        '....ggggg.......',
        '....gggggg......',
        '....gggggg-.....',
        '....ggggg-......',
        '....gggg-.......',
        '....ggg-........',
        '....gg-.........',
        '....#-..........',
        '................',
        '................',
    ],
    'lock_closed.bmp': [  # 22574: switch the station password on
        '................',
        '.....######.....',
        '....#......#....',
        '...#........#...',
        '...#........#...',
        '...#........#...',
        '..############..',
        '..#oooooooooo#..',
        '..#oooooooooo#..',
        '..#oooo##oooo#..',
        '..#oooo##oooo#..',
        '..#ooooo#oooo#..',
        '..#oooooooooo#..',
        '..############..',
        '................',
        '................',
    ],
    'lock_open.bmp': [  # 22575: switch the station password off
        '.........######.',
        '........#......#',
        '.......#........',
        '.......#........',
        '.......#........',
        '.......#........',
        '..############..',
        '..#oooooooooo#..',
        '..#oooooooooo#..',
        '..#oooo##oooo#..',
        '..#oooo##oooo#..',
        '..#ooooo#oooo#..',
        '..#oooooooooo#..',
        '..############..',
        '................',
        '................',
    ],
    'port_states.bmp': [  # 333: the serial page's check images: none, empty box, marked box
        'oooooooooooooooooooooooooooooooooooooooooooooooo',
        'oooooooooooooooooooooooooooooooooooooooooooooooo',
        'oooooooooooooooooo############oooo############oo',
        'oooooooooooooooooo#oooooooooo#oooo#oooooooooo#oo',
        'oooooooooooooooooo#oooooooooo#oooo#oooooooo#o#oo',
        'oooooooooooooooooo#oooooooooo#oooo#ooooooo##o#oo',
        'oooooooooooooooooo#oooooooooo#oooo#o#oooo###o#oo',
        'oooooooooooooooooo#oooooooooo#oooo#o##oo###oo#oo',
        'oooooooooooooooooo#oooooooooo#oooo#o######ooo#oo',
        'oooooooooooooooooo#oooooooooo#oooo#oo####oooo#oo',
        'oooooooooooooooooo#oooooooooo#oooo#ooo##ooooo#oo',
        'oooooooooooooooooo#oooooooooo#oooo#oooooooooo#oo',
        'oooooooooooooooooo#oooooooooo#oooo#oooooooooo#oo',
        'oooooooooooooooooo############oooo############oo',
        'oooooooooooooooooooooooooooooooooooooooooooooooo',
        'oooooooooooooooooooooooooooooooooooooooooooooooo',
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
    'browse_edit.bmp': [  # 20020: the record being edited (a pencil)
        '......##..',
        '.....#oo#.',
        '....#o#o#.',
        '...#o#o#..',
        '..#o#o#...',
        '.#o#o#....',
        '.##o#.....',
        '.###......',
        '.#........',
        '..........',
    ],
    'browse_append.bmp': [  # 20021: the row that appends a new record (a star)
        '....##....',
        '.#..##..#.',
        '..#.##.#..',
        '...####...',
        '##########',
        '##########',
        '...####...',
        '..#.##.#..',
        '.#..##..#.',
        '....##....',
    ],
    'browse_current.bmp': [  # 20022: the current record (an arrow)
        '..........',
        '..#.......',
        '..##......',
        '..###.....',
        '..####....',
        '..####....',
        '..###.....',
        '..##......',
        '..#.......',
        '..........',
    ],
    'fullscreen_close.bmp': [  # 20694: the full-screen toolbar's button (leave full screen)
        '................',
        '.##############.',
        '.#oooooooooooo#.',
        '.#o----------o#.',
        '.#o-........-o#.',
        '.#o-.#....#.-o#.',
        '.#o-..#..#..-o#.',
        '.#o-...##...-o#.',
        '.#o-...##...-o#.',
        '.#o-..#..#..-o#.',
        '.#o-.#....#.-o#.',
        '.#o-........-o#.',
        '.#o----------o#.',
        '.#oooooooooooo#.',
        '.##############.',
        '................',
    ],
    'menubtn_down.bmp': [  # 23000: the menu button's arrow, the menu opening below
        '#######',
        '.#####.',
        '..###..',
        '...#...',
    ],
    'menubtn_right.bmp': [  # 23001: the menu button's arrow, the menu opening to the right
        '#...',
        '##..',
        '###.',
        '####',
        '###.',
        '##..',
        '#...',
    ],
    'help.bmp': [  # 22025: the help button's question mark
        '................',
        '................',
        '.....#####......',
        '....##---##.....',
        '....##...##-....',
        '.........##-....',
        '........##-.....',
        '.......##-......',
        '......##-.......',
        '......##-.......',
        '.......--.......',
        '......##........',
        '......##-.......',
        '.......--.......',
        '................',
        '................',
    ],
    'apply.bmp': [  # 22026: the apply button, a tick over a page
        '................',
        '..#########.....',
        '..#ooooooo#.....',
        '..#ooooooo#..gg.',
        '..#oooooo#..ggg.',
        '..#ooooo#..ggg..',
        '..#oooo#..ggg...',
        '..#ooooogggo#...',
        '..#oogg.gg.o#...',
        '..#ooggggooo#...',
        '..#oooggoooo#...',
        '..#ooooooooo#...',
        '..#ooooooooo#...',
        '..###########...',
        '................',
        '................',
    ],
    'next.bmp': [  # 22579: the wizard's step forward, an arrow to the right
        '................',
        '................',
        '........#.......',
        '........##......',
        '........###.....',
        '........####....',
        '..###########...',
        '..############..',
        '..############-.',
        '..###########-..',
        '........####-...',
        '........###-....',
        '........##-.....',
        '........#-......',
        '................',
        '................',
    ],
    'back.bmp': [  # 22580: the wizard's step back, an arrow to the left
        '................',
        '................',
        '.......#........',
        '......##........',
        '.....###........',
        '....####........',
        '...###########..',
        '..############..',
        '..############-.',
        '...###########-.',
        '....####-------.',
        '.....###-.......',
        '......##-.......',
        '.......#-.......',
        '................',
        '................',
    ],
    'kuvo.bmp': [  # 271: the maker's picture in the about box
        '................',
        '.##....##.......',
        '.##...##........',
        '.##..##.........',
        '.##.##..........',
        '.####...........',
        '.####...........',
        '.##.##..........',
        '.##..##.........',
        '.##...##..rrrr..',
        '.##....##rrrrrr.',
        '.........rrrrrr.',
        '.........rrrrrr.',
        '..........rrrr..',
        '................',
        '................',
    ],
    'currency.bmp': [  # the money cell's button: a small calculator
        '.#########.',
        '.#ooooooo#.',
        '.#o-----o#.',
        '.#ooooooo#.',
        '.#o#o#o#o#.',
        '.#ooooooo#.',
        '.#o#o#o#o#.',
        '.#ooooooo#.',
        '.#o#o#o#o#.',
        '.#ooooooo#.',
        '.#########.',
    ],
    'calc_enter.bmp': [  # the calculator's Enter key: a return arrow
        '................',
        '................',
        '...........##...',
        '...........##...',
        '...........##...',
        '....#......##...',
        '...##......##...',
        '..###########...',
        '.############...',
        '..###########...',
        '...##...........',
        '....#...........',
        '................',
        '................',
    ],
}


# The standard 16-colour palette; in the grid's check-box strips pure red stands for the window
# colour and pure green for the window frame, both replaced when the strips are loaded.
GRID_PALETTE = [(0, 0, 0), (0x80, 0, 0), (0, 0x80, 0), (0x80, 0x80, 0), (0, 0, 0x80), (0x80, 0, 0x80),
                (0, 0x80, 0x80), (0xC0, 0xC0, 0xC0), (0x80, 0x80, 0x80), (0xFF, 0, 0), (0, 0xFF, 0),
                (0xFF, 0xFF, 0), (0, 0, 0xFF), (0xFF, 0, 0xFF), (0, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF)]
GRID_KEYS = '#mnybpt.-RGYBMCo'

CHECK_MARK = ['.........', '......#..', '.....##..', '#...###..', '##.###...', '#####....', '.###.....',
              '..#......', '.........']
CROSS = ['.........', '.#.....#.', '..#...#..', '...#.#...', '....#....', '...#.#...', '..#...#..',
         '.#.....#.', '.........']


def check_frame(flat, glyph, interior):
    """One 13 x 13 box: a frame around an 11 x 11 (flat) or 9 x 9 (3-D) interior, the 9 x 9 glyph
    centred in it; interior 'hatch' is a chequer of grey and the window colour."""
    size = 11 if flat else 9
    offset = (size - 9) // 2
    inner = []
    for y in range(size):
        row = ''
        for x in range(size):
            ch = ('.' if (x + y) % 2 == 0 else 'R') if interior == 'hatch' else interior
            gx, gy = x - offset, y - offset
            if glyph is not None and 0 <= gx < 9 and 0 <= gy < 9 and glyph[gy][gx] == '#':
                ch = '#'
            row += ch
        inner.append(row)
    if flat:
        return ['#' * 13] + ['#' + r + '#' for r in inner] + ['#' * 13]
    return (['-' * 12 + 'o', '-' + '#' * 10 + '.o'] + ['-#' + r + '.o' for r in inner] +
            ['-' + '.' * 11 + 'o', 'o' * 13])


def strip(frames):
    return [''.join(f[y] for f in frames) for y in range(len(frames[0]))]


def check_strip(flat, glyph):
    # Frames: unchecked, checked, unchecked grey, checked grey, indeterminate.
    return strip([check_frame(flat, None, 'R'), check_frame(flat, glyph, 'R'), check_frame(flat, None, '.'),
                  check_frame(flat, glyph, '.'), check_frame(flat, None if flat else glyph, 'hatch')])


def radio_cell(selected):
    """A 14 x 13 radio button: a sunken 12 x 12 circle, a black dot when selected."""
    rows = []
    for y in range(13):
        row = ''
        for x in range(14):
            dx, dy = x - 5.5, y - 5.5
            d = (dx * dx + dy * dy) ** 0.5
            if y == 12 or x >= 12:
                ch = '.'
            elif d > 6.0:
                ch = '.'
            elif d > 5.0:
                ch = '-' if dx + dy < 0 else 'o'
            elif d > 4.0:
                ch = '#' if dx + dy < 0 else '.'
            elif selected and d < 2.0:
                ch = '#'
            else:
                ch = 'o'
            row += ch
        rows.append(row)
    return rows


def grid_images():
    blank = ['.' * 14] * 13
    radio = strip([blank] * 5) + strip([radio_cell(False), radio_cell(True), blank, blank, blank]) + strip([blank] * 5)
    return {
        'check_3d.bmp': check_strip(False, CHECK_MARK),  # 20024
        'check_3d_cross.bmp': check_strip(False, CROSS),  # 20025
        'check_flat.bmp': check_strip(True, CROSS),  # 20026
        'radio.bmp': radio,  # 20019
        'dropdown.bmp': ['#######', '.#####.', '..###..', '...#...'],  # 20028
        'dropdown_disabled.bmp': ['------o', '.----o.', '..--o..', '...o...'],  # 20211
    }


def write_bmp(path, rows, palette=PALETTE, keys=KEYS):
    height = len(rows)
    width = len(rows[0])
    stride = (width * 4 + 31) // 32 * 4
    pixels = bytearray()
    for row in reversed(rows):  # bottom-up
        line = bytearray(stride)
        for x, ch in enumerate(row):
            index = keys.index(ch)
            line[x // 2] |= index << (4 if x % 2 == 0 else 0)
        pixels += line
    table = b''.join(struct.pack('<BBBB', b, g, r, 0) for (r, g, b) in palette)
    header = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 4, 0, len(pixels), 2835, 2835, len(palette), 0)
    offset = 14 + len(header) + len(table)
    filehead = struct.pack('<2sIHHI', b'BM', offset + len(pixels), 0, 0, offset)
    with open(path, 'wb') as f:
        f.write(filehead + header + table + pixels)


if __name__ == '__main__':
    for name, rows in IMAGES.items():
        write_bmp(name, rows)
    for name, rows in grid_images().items():
        write_bmp(name, rows, GRID_PALETTE, GRID_KEYS)
