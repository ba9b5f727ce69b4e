#!/usr/bin/env python3
# Writes the resource files of the toolkit's control tests: a 3-frame uncompressed AVI
# (300 x 28, 24-bit) and a glyph of two 16 x 16 images on a see-through magenta ground.
import struct

def chunk(fourcc, data):
    pad = b"\0" if len(data) % 2 else b""
    return fourcc + struct.pack("<I", len(data)) + data + pad

def lst(kind, data):
    return chunk(b"LIST", kind + data)

def bitmap_header(width, height):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, width * height * 3, 0, 0, 0, 0)

def avi(path, width=300, height=28, frames=3):
    size = width * height * 3
    avih = struct.pack("<10I4I", 100000, size * 10, 0, 0x10, frames, 0, 1, size, width, height, 0, 0, 0, 0)
    strh = struct.pack("<4s4sIHHIIIIIIIIhhhh", b"vids", b"DIB ", 0, 0, 0, 0, 1, 10, 0, frames, size, 0, 0,
                       0, 0, width, height)
    header = lst(b"hdrl", chunk(b"avih", avih) + lst(b"strl", chunk(b"strh", strh) +
                                                   chunk(b"strf", bitmap_header(width, height))))
    shades = [(0, 0, 255), (0, 255, 0), (255, 0, 0)]
    movi, index, offset = b"", b"", 4
    for f in range(frames):
        data = bytes(shades[f % 3]) * (width * height)
        movi += chunk(b"00db", data)
        index += struct.pack("<4sIII", b"00db", 0x10, offset, size)
        offset += 8 + size
    body = b"AVI " + header + lst(b"movi", movi) + chunk(b"idx1", index)
    open(path, "wb").write(b"RIFF" + struct.pack("<I", len(body)) + body)

def glyph(path, side=16, images=2):
    width = side * images
    rows = []
    for y in range(side):  # bottom-up rows, blue green red
        row = b""
        for x in range(width):
            inside = 4 <= x % side < 12 and 4 <= y < 12
            colour = (0, 128, 0) if x < side else (128, 128, 128)
            row += bytes(colour if inside else (255, 0, 255))
        rows.append(row + b"\0" * ((4 - len(row) % 4) % 4))
    pixels = b"".join(rows)
    info = bitmap_header(width, side)
    open(path, "wb").write(b"BM" + struct.pack("<IHHI", 14 + len(info) + len(pixels), 0, 0, 14 + len(info)) +
                           info + pixels)

avi("three_frames.avi")
glyph("two_images.bmp")
