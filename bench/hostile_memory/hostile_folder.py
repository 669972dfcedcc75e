#!/usr/bin/env python3
"""Fills a host-game folder with the largest and the most hostile pictures the viewer may
meet: movie and photo strips just at their frame caps (as 32-bit bitmaps, the costliest
form to read), strips one frame over, an RLE8 file claiming 16384 x 16384 that ends its
picture at once, a corrupt RLE4 file of the same size, and wallpapers just over 640 x 480.
    hostile_folder.py FOLDER"""
import struct
import sys
from pathlib import Path


def bmp32(path, width, height):
    stride = width * 4
    header = b"BM" + struct.pack("<IHHI", 54 + stride * height, 0, 0, 54)
    header += struct.pack("<IiiHHIIiiII", 40, width, height, 1, 32, 0, stride * height, 2835, 2835, 0, 0)
    row = bytes((x * 7) & 255 for x in range(stride))
    with open(path, "wb") as out:
        out.write(header)
        for _ in range(height):
            out.write(row)


def rle(path, width, height, bits, data):
    palette = b"\x00\x00\x00\x00\xff\xff\xff\x00"
    offset = 14 + 40 + len(palette)
    header = b"BM" + struct.pack("<IHHI", offset + len(data), 0, 0, offset)
    header += struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 1 if bits == 8 else 2, len(data), 2835, 2835, 2, 0)
    Path(path).write_bytes(header + palette + data)


def jpeg_header(path, width, height):
    # A baseline JPEG's start: SOI and a frame header claiming the size, then nothing.
    sof = b"\xff\xc0" + struct.pack(">HBHHB", 17, 8, height, width, 3) + b"\x01\x22\x00\x02\x11\x01\x03\x11\x01"
    Path(path).write_bytes(b"\xff\xd8" + sof + b"\xff\xd9")


folder = Path(sys.argv[1])
folder.mkdir(parents=True, exist_ok=True)
bmp32(folder / "Y_e101.bmp", 214 * 128, 160)   # the movie cap
bmp32(folder / "Zz1.bmp", 148, 108 * 256)      # the photo film cap
bmp32(folder / "Y_e102.bmp", 214 * 129, 160)   # one frame over
bmp32(folder / "Zz2.bmp", 148, 108 * 257)
rle(folder / "Y_e103.bmp", 16384, 16384, 8, b"\x00\x01")
rle(folder / "Zz3.bmp", 16384, 16384, 4, b"\xc8\x12" * 1500 + b"\xff\x34" * 100)
for n in (1, 2, 3):
    for size in ("b", "s"):
        jpeg_header(folder / f"X_{size}0{n}.jpg", 641, 481)
