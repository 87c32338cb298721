#!/usr/bin/env python3
"""Draws the tree grid's glyph strips as 24-bit BMP files (magenta is transparent).

Run it from this directory after changing a glyph; the BMP files it writes are the resources the library
is built with:
  Glyphs440.bmp  22 x 11: the expand button collapsed (plus) and expanded (minus)
  Glyphs441.bmp 400 x 16: 25 check glyphs: 0 blank, then radio unchecked and checked, check box
                 unchecked, checked and indeterminate, drop-down; each in four looks (normal, hot,
                 pressed, disabled)
  Glyphs442.bmp  64 x 16: the drop markers: arrow down, up, right, left
"""
import struct

MAGENTA = (255, 0, 255)
FRAME = (128, 128, 128)
BLACK = (0, 0, 0)
WHITE = (255, 255, 255)
DISABLED = (172, 168, 153)


def write_bmp(path, pixels):
    height = len(pixels)
    width = len(pixels[0])
    stride = (width * 3 + 3) & ~3
    data = bytearray()
    for row in reversed(pixels):  # bottom-up
        line = bytearray()
        for (r, g, b) in row:
            line += bytes((b, g, r))
        line += bytes(stride - len(line))
        data += line
    header = struct.pack('<2sIHHI', b'BM', 54 + len(data), 0, 0, 54)
    info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(path, 'wb') as out:
        out.write(header + info + data)


def canvas(width, height):
    return [[MAGENTA] * width for _ in range(height)]


def expand_buttons():
    image = canvas(22, 11)
    for index in range(2):
        x0 = index * 11
        for i in range(11):
            for x, y in ((x0 + i, 0), (x0 + i, 10), (x0, i), (x0 + 10, i)):
                image[y][x] = FRAME
        for y in range(1, 10):
            for x in range(x0 + 1, x0 + 10):
                image[y][x] = WHITE
        for i in range(3, 8):
            image[5][x0 + i] = BLACK  # the minus
            if index == 0:
                image[i][x0 + 5] = BLACK  # the plus's upright
    return image


def check_glyphs():
    image = canvas(400, 16)
    looks = [(WHITE, BLACK), ((255, 240, 207), BLACK), ((220, 220, 215), BLACK), ((240, 240, 240), DISABLED)]
    for glyph in range(1, 25):
        kind, look = divmod(glyph - 1, 4)
        fill, ink = looks[look]
        frame = DISABLED if look == 3 else FRAME
        x0 = glyph * 16
        if kind in (0, 1):  # radio button: a round frame, a dot when checked
            for y in range(16):
                for x in range(16):
                    d = (x - 7.5) ** 2 + (y - 7.5) ** 2
                    if d <= 36:
                        image[y][x0 + x] = fill
                    elif d <= 49:
                        image[y][x0 + x] = frame
                    if kind == 1 and d <= 6.5:
                        image[y][x0 + x] = ink
        else:  # check box and drop-down: a square frame
            for y in range(2, 15):
                for x in range(2, 15):
                    edge = x in (2, 14) or y in (2, 14)
                    image[y][x0 + x] = frame if edge else fill
            if kind == 3:  # checked: a tick
                for i, (x, y) in enumerate([(5, 8), (6, 9), (7, 10), (8, 9), (9, 8), (10, 7), (11, 6)]):
                    image[y][x0 + x] = ink
                    image[y - 1][x0 + x] = ink
            elif kind == 4:  # indeterminate: a filled inner square
                for y in range(5, 12):
                    for x in range(5, 12):
                        image[y][x0 + x] = ink
            elif kind == 5:  # drop-down: an arrow pointing down
                for row in range(4):
                    for x in range(5 + row, 12 - row):
                        image[6 + row][x0 + x] = ink
    return image


def markers():
    image = canvas(64, 16)
    for index in range(4):
        x0 = index * 16
        for row in range(7):
            for offset in range(row, 15 - row):
                if index == 0:
                    image[4 + row][x0 + offset] = BLACK  # down
                elif index == 1:
                    image[11 - row][x0 + offset] = BLACK  # up
                elif index == 2:
                    image[offset][x0 + 4 + row] = BLACK  # right
                else:
                    image[offset][x0 + 11 - row] = BLACK  # left
    return image


if __name__ == '__main__':
    write_bmp('Glyphs440.bmp', expand_buttons())
    write_bmp('Glyphs441.bmp', check_glyphs())
    write_bmp('Glyphs442.bmp', markers())
