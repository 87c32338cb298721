#!/usr/bin/env python3
"""Draws the tab strip's two button images as 24-bit BMP files (magenta is transparent).

Run it from this directory after changing a button; the files it writes are the resources the library is
built with:
  TabButton400.bmp 12 x 12: the close button (a cross)
  TabButton401.bmp 12 x 12: the tab-list button (a bar over a triangle pointing down)
"""
from draw_glyphs import write_bmp, MAGENTA

INK = (60, 60, 60)


def blank():
    return [[MAGENTA] * 12 for _ in range(12)]


def close():
    p = blank()
    for i in range(3, 9):
        for d in (0, 1):
            p[i][i + d - (1 if d and i == 8 else 0)] = INK
            p[i][11 - i - d + (1 if d and i == 8 else 0)] = INK
    return p


def tab_list():
    p = blank()
    for x in range(2, 10):
        p[3][x] = INK
    for row, (left, right) in enumerate(((2, 9), (3, 8), (4, 7), (5, 6))):
        for x in range(left, right + 1):
            p[5 + row][x] = INK
    return p


write_bmp("TabButton400.bmp", close())
write_bmp("TabButton401.bmp", tab_list())
