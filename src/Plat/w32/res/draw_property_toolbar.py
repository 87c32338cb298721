#!/usr/bin/env python3
"""Draws the property list's toolbar strip as a 24-bit BMP file (magenta is transparent).

Run it from this directory after changing an image; Toolbar511.bmp (48 x 16) is the resource the library
is built with. Images: 0 alphabetical (A over Z with a down arrow), 1 categorized (two headed groups),
2 show lines (a ruled grid).
"""
from draw_glyphs import write_bmp, MAGENTA, BLACK

BLUE = (40, 90, 170)
GREY = (120, 120, 120)


def blank():
    return [[MAGENTA] * 16 for _ in range(16)]


def alphabetical():
    p = blank()
    a = ["..#..", ".#.#.", "#...#", "#####", "#...#"]
    z = ["#####", "...#.", "..#..", ".#...", "#####"]
    for y, line in enumerate(a):
        for x, c in enumerate(line):
            if c == "#":
                p[1 + y][2 + x] = BLACK
    for y, line in enumerate(z):
        for x, c in enumerate(line):
            if c == "#":
                p[9 + y][2 + x] = BLACK
    for y in range(2, 14):
        p[y][11] = BLUE
    for d in range(4):
        p[13 - d][11 - d] = BLUE
        p[13 - d][11 + d] = BLUE
    return p


def categorized():
    p = blank()
    for top in (1, 9):
        for x in range(1, 15):
            p[top][x] = BLUE
            p[top + 1][x] = BLUE
        for y in (top + 3, top + 5):
            for x in range(4, 14):
                p[y][x] = GREY
    return p


def show_lines():
    p = blank()
    for y in (1, 5, 9, 13):
        for x in range(1, 15):
            p[y][x] = GREY
    for y in range(1, 14):
        p[y][6] = GREY
    return p


images = [alphabetical(), categorized(), show_lines()]
strip = [sum((image[y] for image in images), []) for y in range(16)]
write_bmp("Toolbar511.bmp", strip)
