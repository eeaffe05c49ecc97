#!/usr/bin/env python3
"""Draws the function tree's icons: a closed and an open picture for the root (a fiscal
printer), the groups (a folder) and the items (a form page). 16x16 PNG, no outside packages.
Run from this folder: python3 draw_icons.py"""
import struct
import zlib

SIZE = 16
CLEAR = (0, 0, 0, 0)


def canvas():
    return [[CLEAR] * SIZE for _ in range(SIZE)]


def rect(img, x0, y0, x1, y1, colour):
    for y in range(y0, y1 + 1):
        for x in range(x0, x1 + 1):
            img[y][x] = colour


def frame(img, x0, y0, x1, y1, colour):
    for x in range(x0, x1 + 1):
        img[y0][x] = img[y1][x] = colour
    for y in range(y0, y1 + 1):
        img[y][x0] = img[y][x1] = colour


def save(img, name):
    raw = b"".join(b"\x00" + bytes(c for px in row for c in px) for row in img)
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))
    png = (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", SIZE, SIZE, 8, 6, 0, 0, 0))
           + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))
    with open(name, "wb") as out:
        out.write(png)


INK = (40, 40, 48, 255)
BODY = (120, 128, 140, 255)
LIGHT = (200, 206, 214, 255)
PAPER = (255, 255, 255, 255)
GREEN = (40, 170, 70, 255)
FOLDER = (230, 180, 50, 255)
FOLDER_DARK = (170, 120, 20, 255)
FOLDER_LIGHT = (250, 215, 110, 255)
BLUE = (60, 110, 200, 255)


def printer(open_):
    img = canvas()
    rect(img, 1, 7, 14, 12, BODY)
    frame(img, 1, 7, 14, 12, INK)
    rect(img, 3, 9, 12, 9, INK)            # paper slot
    img[11][12] = GREEN                    # power light
    if open_:
        rect(img, 4, 1, 11, 8, PAPER)      # a receipt coming out
        frame(img, 4, 1, 11, 8, INK)
        for y in (3, 5):
            rect(img, 6, y, 9, y, BODY)
    else:
        rect(img, 4, 4, 11, 6, LIGHT)
        frame(img, 4, 4, 11, 6, INK)
    rect(img, 2, 13, 13, 14, INK)          # base
    return img


def folder(open_):
    img = canvas()
    rect(img, 1, 3, 6, 4, FOLDER_DARK)     # tab
    rect(img, 1, 4, 14, 13, FOLDER)
    frame(img, 1, 4, 14, 13, FOLDER_DARK)
    if open_:
        rect(img, 3, 2, 12, 9, PAPER)      # the pages show
        frame(img, 3, 2, 12, 9, BODY)
        for y in range(7, 14):             # the front flap leans forward
            rect(img, 1 + (13 - y) // 3, y, 14, y, FOLDER_LIGHT)
        frame(img, 1, 7, 14, 13, FOLDER_DARK)
    return img


def page(open_):
    img = canvas()
    rect(img, 3, 1, 12, 14, PAPER)
    frame(img, 3, 1, 12, 14, INK)
    for y in (4, 6, 8, 10):
        rect(img, 5, y, 10, y, BLUE if open_ else BODY)
    if open_:
        rect(img, 9, 11, 14, 14, GREEN)     # the form being filled in
        frame(img, 9, 11, 14, 14, INK)
    return img


if __name__ == "__main__":
    for kind, draw in (("root", printer), ("group", folder), ("item", page)):
        save(draw(False), f"{kind}_closed.png")
        save(draw(True), f"{kind}_open.png")
