#!/usr/bin/env python3
"""Writes the application icon, 32 x 32 px with a 256-colour palette and no
transparent pixel, as icon.png and icon.ico in the folder given."""
import os
import struct
import sys
import zlib

SIZE = 32


def picture():
    """A gold 'V' on a round dusk-blue badge; returns rows of RGB triples."""
    rows = []
    for y in range(SIZE):
        row = []
        for x in range(SIZE):
            cx, cy = x - 15.5, y - 15.5
            r = (cx * cx + cy * cy) ** 0.5
            if r > 15.5:
                c = (1, 0, 66)  # the window's background colour
            elif r > 14:
                c = (200, 150, 60)
            else:
                t = y / SIZE
                c = (int(20 + 60 * t), int(30 + 40 * t), int(100 + 40 * t))
            # The letter: two slanted strokes meeting at the bottom.
            u = (y - 7) / 18.0
            if 0 <= u <= 1:
                left = 8 + 7 * u
                right = 23 - 7 * u
                if abs(x - left) < 2.2 or abs(x - right) < 2.2:
                    c = (250, 200, 80) if x < 16 else (225, 170, 60)
            row.append(c)
        rows.append(row)
    return rows


def quantise(rows):
    palette = []
    index = {}
    out = []
    for row in rows:
        line = []
        for c in row:
            if c not in index:
                index[c] = len(palette)
                palette.append(c)
            line.append(index[c])
        out.append(line)
    if len(palette) > 256:
        sys.exit("icon: more than 256 colours")
    palette += [(0, 0, 0)] * (256 - len(palette))
    return palette, out


def png(palette, rows):
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    raw = b"".join(b"\x00" + bytes(r) for r in rows)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", SIZE, SIZE, 8, 3, 0, 0, 0)) +
            chunk(b"PLTE", b"".join(bytes(c) for c in palette)) + chunk(b"IDAT", zlib.compress(raw, 9)) +
            chunk(b"IEND", b""))


def ico(palette, rows):
    xor = b"".join(bytes(r) for r in reversed(rows))  # bottom-up, 32 bytes a row
    mask = b"\x00" * (4 * SIZE)  # 1 bpp AND mask, rows padded to 32 bits: all opaque
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 8, 0, len(xor) + len(mask), 0, 0, 256, 0)
    colours = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    image = header + colours + xor + mask
    directory = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 8, len(image), 22)
    return directory + image


palette, rows = quantise(picture())
folder = sys.argv[1]
with open(os.path.join(folder, "icon.png"), "wb") as f:
    f.write(png(palette, rows))
with open(os.path.join(folder, "icon.ico"), "wb") as f:
    f.write(ico(palette, rows))
