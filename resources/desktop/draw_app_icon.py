#!/usr/bin/env python3
"""Draws the program's icon, the fiscal printer of the function tree's root with a receipt
coming out, in every size the desktop's icon theme asks for. PNG, no outside packages.
Run from this folder: python3 draw_app_icon.py (writes icons/morvelan-<size>.png)."""
import struct
import zlib

SIZES = (16, 22, 24, 32, 48, 64, 128, 256)
SAMPLES = 4  # per pixel and axis, for smooth edges at the larger sizes

INK = (40, 40, 48)
BODY = (120, 128, 140)
LIGHT = (200, 206, 214)
PAPER = (255, 255, 255)
GREEN = (40, 170, 70)
BLUE = (60, 110, 200)

# Painted in order on a 16-unit square: (x0, y0, x1, y1, colour), edges included as on the
# tree's 16-pixel icon.
SHAPES = [
    (1, 7, 14, 12, INK), (2, 8, 13, 11, BODY),        # the body and its outline
    (4, 1, 11, 8, INK), (5, 2, 10, 8, PAPER),          # the receipt
    (6, 3, 9, 3, BLUE), (6, 5, 9, 5, BLUE),            # its printed lines
    (3, 9, 12, 9, INK),                                # the paper slot
    (4, 10, 9, 10, LIGHT),                             # the display
    (12, 11, 12, 11, GREEN),                           # the power light
    (2, 13, 13, 14, INK),                              # the base
]


def colour_at(u, v):
    """The colour at a point of the 16-unit square, or None where it is clear."""
    found = None
    for x0, y0, x1, y1, colour in SHAPES:
        if x0 <= u < x1 + 1 and y0 <= v < y1 + 1:
            found = colour
    return found


def render(size):
    rows = []
    step = 16.0 / size / SAMPLES
    for py in range(size):
        row = bytearray()
        for px in range(size):
            r = g = b = hits = 0
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    c = colour_at((px * SAMPLES + sx + 0.5) * step, (py * SAMPLES + sy + 0.5) * step)
                    if c:
                        r, g, b, hits = r + c[0], g + c[1], b + c[2], hits + 1
            if hits:
                row += bytes((r // hits, g // hits, b // hits, 255 * hits // (SAMPLES * SAMPLES)))
            else:
                row += bytes(4)
        rows.append(bytes(row))
    return rows


def save(rows, size, name):
    raw = b"".join(b"\x00" + row for row in rows)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    png = (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0))
           + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))
    with open(name, "wb") as out:
        out.write(png)


if __name__ == "__main__":
    for size in SIZES:
        save(render(size), size, f"icons/morvelan-{size}.png")
