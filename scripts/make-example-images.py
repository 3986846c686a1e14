#!/usr/bin/env python3
"""Draws the small preview pictures of the bundled example (standard library only).

Writes examples/Images/: one PNG per cell of the example dictionaries, the
common LIBRARY_IMAGE.png, and the drainage symbol library folder with its
DIR_CONTENTS.csv listing. Run it again after changing the drawings.
"""
import math
import os
import struct
import zlib

SIZE = 64
ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "examples", "Images")


def png(path, pixels):
    """Writes an RGB picture given as rows of (r, g, b) tuples."""
    raw = b"".join(b"\x00" + bytes(c for px in row for c in px) for row in pixels)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    header = struct.pack(">IIBBBBB", SIZE, SIZE, 8, 2, 0, 0, 0)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
                  + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def canvas():
    return [[(255, 255, 255)] * SIZE for _ in range(SIZE)]


def draw(inside, colour):
    """A picture whose pixels at (x, y) with inside(x, y) true take the colour."""
    pixels = canvas()
    for y in range(SIZE):
        for x in range(SIZE):
            if inside(x - SIZE / 2 + 0.5, y - SIZE / 2 + 0.5):
                pixels[y][x] = colour
    return pixels


def ring(r_outer, r_inner):
    return lambda x, y: r_inner <= math.hypot(x, y) <= r_outer


def manhole(x, y):
    return ring(26, 22)(x, y) or (abs(x) < 2 and abs(y) < 20) or (abs(y) < 2 and abs(x) < 20)


def gully(x, y):
    border = max(abs(x), abs(y))
    return 20 <= border <= 24 or (border < 20 and int(x + 32) % 8 < 3)


def north_arrow(x, y):
    inside_arrow = y > -28 and abs(x) <= (y + 28) * 0.45 and y < 14
    return inside_arrow or (abs(x) < 3 and 14 <= y < 28)


def chamber(x, y):
    return max(abs(x), abs(y)) <= 24 and (max(abs(x), abs(y)) >= 20 or abs(x - y) < 3)


def library(x, y):
    book = abs(x) <= 22 and abs(y) <= 26
    return book and (abs(x) >= 18 or abs(y) >= 22 or (y % 8 < 2 and abs(x) < 14))


BLUE = (0, 0, 255)
PICTURES = {
    "drainage/MH01.png": (manhole, BLUE),
    "drainage/GULLY.png": (gully, BLUE),
    "drainage/INLET.png": (ring(24, 16), BLUE),
    "drainage/OUTFALL.png": (lambda x, y: abs(x) <= 24 and abs(y) <= abs(x) / 2 + 4, BLUE),
    "NORTH.png": (north_arrow, (0, 0, 0)),
    "SRI-PUT_HONDEHOKPUT.png": (chamber, (255, 63, 0)),
    "LIBRARY_IMAGE.png": (library, (96, 64, 32)),
}

LISTING = (
    "Name,Description,Picture\r\n"
    "MH01,Manhole 1200 dia,MH01.png\r\n"
    "GULLY,Road gully 450 dia,GULLY.png\r\n"
    "INLET,Headwall inlet,INLET.png\r\n"
    "OUTFALL,Outfall with apron,OUTFALL.png\r\n"
)

if __name__ == "__main__":
    for name, (shape, colour) in PICTURES.items():
        png(os.path.join(ROOT, name), draw(shape, colour))
    with open(os.path.join(ROOT, "drainage", "DIR_CONTENTS.csv"), "w", newline="") as out:
        out.write(LISTING)
