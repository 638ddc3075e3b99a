#!/usr/bin/env python3
"""Packs square PNG pictures into one Windows icon file (.ico). Windows since
Vista reads PNG images inside an icon at every size, so the painter's PNGs
go in as they are.

Usage: png2ico.py <output.ico> <input.png>...
"""
import struct
import sys

PNG_SIGNATURE = b"\x89PNG\r\n\x1a\n"
ICON_TYPE = 1
LARGEST_SIDE = 256  # written as 0 in the directory


def side_of(png):
    if png[:8] != PNG_SIGNATURE:
        raise ValueError("not a PNG file")
    width, height = struct.unpack(">II", png[16:24])
    if width != height or width > LARGEST_SIDE:
        raise ValueError("an icon picture must be square and at most 256 pixels")
    return width


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    pictures = []
    for path in sys.argv[2:]:
        with open(path, "rb") as f:
            png = f.read()
        pictures.append((side_of(png), png))
    pictures.sort(key=lambda p: p[0])
    offset = 6 + 16 * len(pictures)
    header = struct.pack("<HHH", 0, ICON_TYPE, len(pictures))
    directory = b""
    for side, png in pictures:
        byte_side = 0 if side == LARGEST_SIDE else side
        directory += struct.pack("<BBBBHHII", byte_side, byte_side, 0, 0, 1, 32, len(png), offset)
        offset += len(png)
    with open(sys.argv[1], "wb") as out:
        out.write(header + directory + b"".join(png for _, png in pictures))


if __name__ == "__main__":
    main()
