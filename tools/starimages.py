#!/usr/bin/python3
"""Render the star images: starpix.bin (point sprites) and starbmp.pcx (a
sheet of 32 x 32 cells, column = magnitude class 0..15, row = spectral row
0..7). A star's image grows with its brightness (class 0 is the brightest)
and takes the tint of its spectral row.

usage: starimages.py OUTDIR
"""
import os
import struct
import sys

ROWS, CLASSES, SHEET_CLASSES = 8, 20, 16
CELL, CENTRE = 32, 15               # images are drawn with their origin 15 px up-left
POINTS = 9618                       # capacity of the sprite point table
STARPIX_SIZE = 97472

# Channel factors of the spectral rows O, B, A, F, G, K, M, R/N (row 0 also
# serves stars without a class).
TINTS = ((0.50, 0.75, 1.00), (0.68, 0.85, 1.00), (0.85, 1.00, 1.00), (1.00, 1.00, 0.90),
         (1.00, 0.90, 0.75), (1.00, 0.80, 0.65), (1.00, 0.45, 0.35), (1.00, 0.25, 0.00))
LEVELS = 32                         # shades per row in the sheet's palette
SPRITE_SCALE = 0.68                 # sprites are smaller than sheet cells
MIN_SPRITE_VALUE = 8                # dimmer sprite points are left out


def radius(m):
    """Visible radius in pixels of magnitude class m on the sheet."""
    return max(1.0, 11.0 - 0.65 * m)


def intensity(m, d, scale=1.0):
    """Brightness 0..1 at distance d (pixels) from the centre of class m."""
    r = radius(m) * scale
    peak = 1.0 - 0.04 * min(m, 15)
    if d >= r:
        return 0.0
    return peak * (1.0 - d / r) ** 1.6


def sprite(row, m):
    """Points (dx, dy, red, green, blue) of one sprite."""
    pts = []
    span = int(radius(m) * SPRITE_SCALE) + 1
    for dy in range(-span, span + 1):
        for dx in range(-span, span + 1):
            v = intensity(m, (dx * dx + dy * dy) ** 0.5, SPRITE_SCALE) * 255
            if v >= MIN_SPRITE_VALUE or (dx == 0 and dy == 0):
                v = max(v, MIN_SPRITE_VALUE)
                rgb = [int(v * t) for t in TINTS[row]]
                pts.append((CENTRE + dx, CENTRE + dy, *rgb))
    return pts


def starpix_bytes():
    points, num, off = [], [[0] * CLASSES for _ in range(ROWS)], [[0] * CLASSES for _ in range(ROWS)]
    for row in range(ROWS):
        for m in range(CLASSES):
            pts = sprite(row, min(m, 15))
            off[row][m], num[row][m] = len(points), len(pts)
            points += pts
    assert len(points) <= POINTS, len(points)
    points += [(0, 0, 0, 0, 0)] * (POINTS - len(points))
    out = struct.pack('<3i', 1, 0, 0)
    out += b''.join(struct.pack('<5h', *p) for p in points)
    out += struct.pack('<160i', *[n for r in num for n in r])
    out += struct.pack('<160i', *[o for r in off for o in r])
    assert len(out) == STARPIX_SIZE
    return out


def sheet_pixels():
    """Palette indexes of the sheet: row * 32 + shade, shade 0 is black."""
    w, h = SHEET_CLASSES * CELL, ROWS * CELL
    pix = bytearray(w * h)
    for row in range(ROWS):
        for m in range(SHEET_CLASSES):
            for y in range(CELL):
                for x in range(CELL):
                    d = ((x - CENTRE) ** 2 + (y - CENTRE) ** 2) ** 0.5
                    shade = int(intensity(m, d) * (LEVELS - 1) + 0.5)
                    if x == CENTRE and y == CENTRE:
                        shade = max(shade, LEVELS // 4)
                    if shade:
                        pix[(row * CELL + y) * w + m * CELL + x] = row * LEVELS + shade
    return w, h, pix


def palette():
    pal = bytearray()
    for row in range(ROWS):
        for s in range(LEVELS):
            pal += bytes(int(255 * t * s / (LEVELS - 1)) for t in TINTS[row])
    return pal


def rle_line(line):
    out, i = bytearray(), 0
    while i < len(line):
        run = 1
        while i + run < len(line) and line[i + run] == line[i] and run < 63:
            run += 1
        if run > 1 or line[i] >= 0xC0:
            out += bytes((0xC0 | run, line[i]))
        else:
            out.append(line[i])
        i += run
    return out


def pcx_bytes(w, h, pix, pal):
    """8-bit run-length PCX with a 256-colour palette."""
    head = struct.pack('<4B6H48s2B4H54s', 10, 5, 1, 8, 0, 0, w - 1, h - 1, 72, 72, bytes(48), 0, 1,
                       w, 1, w, h, bytes(54))
    body = b''.join(rle_line(pix[y * w:(y + 1) * w]) for y in range(h))
    return head + body + b'\x0c' + bytes(pal)


def main(argv):
    if len(argv) != 2:
        raise SystemExit(__doc__)
    with open(os.path.join(argv[1], 'starpix.bin'), 'wb') as f:
        f.write(starpix_bytes())
    w, h, pix = sheet_pixels()
    with open(os.path.join(argv[1], 'starbmp.pcx'), 'wb') as f:
        f.write(pcx_bytes(w, h, pix, palette()))
    print('starpix.bin %d bytes, starbmp.pcx %d x %d' % (STARPIX_SIZE, w, h))


if __name__ == '__main__':
    main(sys.argv)
