#!/usr/bin/env python3
"""Draws the tree grid's cursors as monochrome 32 x 32 CUR files.

Run it from this directory after changing a cursor; the files it writes are the resources the library is
built with:
  Cursor100.cur  resizing up and down: a double line with arrows above and below (row heights, the
                 column-header height)
  Cursor101.cur  resizing left and right: a double line with arrows left and right (column widths, the
                 row-header width)
  Cursor102.cur  the styles' own cursor: an arrow with a small cell grid beside it
"""
import struct

SIZE = 32


def write_cur(path, black, hot_spot):
    """black: the set of (x, y) drawn black; a one-pixel white outline is drawn round them."""
    white = set()
    for (x, y) in black:
        for dx in (-1, 0, 1):
            for dy in (-1, 0, 1):
                p = (x + dx, y + dy)
                if p not in black and 0 <= p[0] < SIZE and 0 <= p[1] < SIZE:
                    white.add(p)
    stride = 4  # 32 pixels at one bit, already a multiple of four bytes
    xor_rows = []
    and_rows = []
    for y in reversed(range(SIZE)):  # bottom-up
        xor_bits = 0
        and_bits = 0
        for x in range(SIZE):
            bit = 1 << (31 - x)
            if (x, y) in white:
                xor_bits |= bit  # opaque white
            elif (x, y) not in black:
                and_bits |= bit  # transparent
        xor_rows.append(struct.pack('>I', xor_bits))
        and_rows.append(struct.pack('>I', and_bits))
    info = struct.pack('<IiiHHIIiiII', 40, SIZE, SIZE * 2, 1, 1, 0, stride * SIZE * 2, 0, 0, 2, 0)
    palette = bytes((0, 0, 0, 0, 255, 255, 255, 0))
    image = info + palette + b''.join(xor_rows) + b''.join(and_rows)
    directory = struct.pack('<HHH', 0, 2, 1)
    entry = struct.pack('<BBBBHHII', SIZE, SIZE, 2, 0, hot_spot[0], hot_spot[1], len(image), 6 + 16)
    with open(path, 'wb') as out:
        out.write(directory + entry + image)


def double_line_with_arrows(vertical_resize):
    black = set()
    centre = 15
    for t in range(7, 24):
        for line in (centre - 1, centre + 1):
            black.add((t, line) if vertical_resize else (line, t))
    for step in range(5):  # the two arrow heads, pointing away from the line
        for s in range(-step, step + 1):
            for (tip, direction) in ((4, 1), (26, -1)):
                along = tip + step * direction
                black.add((centre + s, along) if vertical_resize else (along, centre + s))
    for along in list(range(5, 13)) + list(range(19, 27)):
        black.add((centre, along) if vertical_resize else (along, centre))
    return black


def arrow_with_cells():
    black = set()
    for y in range(16):
        for x in range(0, y // 2 + 1):
            if y < 12:
                black.add((x, y))
    for i in range(16, 31):
        for j in (16, 23, 30):
            black.add((i, j))
            black.add((j, i))
    return black


write_cur('Cursor100.cur', double_line_with_arrows(True), (15, 15))
write_cur('Cursor101.cur', double_line_with_arrows(False), (15, 15))
write_cur('Cursor102.cur', arrow_with_cells(), (0, 0))
