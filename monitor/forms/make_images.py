#!/usr/bin/env python3
"""Draws the monitor's icon and button glyphs and writes them beside this script.

monitor.ico  the program's icon (32x32 and 16x16, 32-bit with alpha)
stop.bmp     glyph of the stop button: 16x16 normal image, then the disabled one
start.bmp    glyph of the start button, laid out the same way

The glyphs are 24-bit bitmaps whose bottom-left pixel gives the transparent colour.
Run it again after changing a drawing and commit the files it writes.
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
BACKGROUND = (255, 0, 255)  # transparent colour of the glyphs


def canvas(width, height, colour):
    return [[colour] * width for _ in range(height)]


def fill(pixels, left, top, right, bottom, colour):
    for y in range(top, bottom):
        for x in range(left, right):
            pixels[y][x] = colour


def grey(colour):
    r, g, b = colour[:3]
    level = (r * 30 + g * 59 + b * 11) // 100
    level = 128 + level // 2  # lighter, as a disabled control looks
    return (level, level, level) + tuple(colour[3:])


def stop_image():
    p = canvas(16, 16, BACKGROUND)
    fill(p, 3, 3, 13, 13, (128, 0, 0))
    fill(p, 4, 4, 12, 12, (220, 30, 30))
    return p


def start_image():
    p = canvas(16, 16, BACKGROUND)
    for y in range(2, 14):
        half = min(y - 2, 13 - y)  # a triangle pointing right
        for x in range(4, 5 + half):
            p[y][x] = (0, 128, 0) if x == 4 + half or x == 4 else (40, 200, 40)
    return p


def glyph(image):
    """The normal image and its disabled twin side by side."""
    disabled = [[c if c == BACKGROUND else grey(c) for c in row] for row in image]
    return [row + drow for row, drow in zip(image, disabled)]


def bmp24(pixels):
    height, width = len(pixels), len(pixels[0])
    stride = (width * 3 + 3) & ~3
    rows = b""
    for row in reversed(pixels):  # bottom-up
        line = b"".join(struct.pack("BBB", b, g, r) for r, g, b in row)
        rows += line + b"\0" * (stride - len(line))
    header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(rows), 2835, 2835, 0, 0)
    return struct.pack("<2sIHHI", b"BM", 14 + len(header) + len(rows), 0, 0, 14 + len(header)) + header + rows


def icon_image(size):
    """A monitor screen with a green pulse on a dark blue face."""
    clear = (0, 0, 0, 0)
    p = canvas(size, size, clear)
    s = size / 32.0
    fill(p, int(2 * s), int(4 * s), int(30 * s), int(24 * s), (20, 40, 110, 255))
    fill(p, int(4 * s), int(6 * s), int(28 * s), int(22 * s), (10, 20, 50, 255))
    fill(p, int(13 * s), int(24 * s), int(19 * s), int(27 * s), (90, 90, 90, 255))
    fill(p, int(8 * s), int(27 * s), int(24 * s), int(29 * s), (90, 90, 90, 255))
    pulse = [(4, 15), (10, 15), (12, 9), (15, 20), (18, 12), (20, 15), (28, 15)]
    for (x0, y0), (x1, y1) in zip(pulse, pulse[1:]):
        steps = max(abs(x1 - x0), abs(y1 - y0)) * 2
        for i in range(steps + 1):
            x = int((x0 + (x1 - x0) * i / steps) * s)
            y = int((y0 + (y1 - y0) * i / steps) * s)
            for dx in range(max(1, int(2 * s))):
                if 0 <= x + dx < size:
                    p[y][x + dx] = (60, 230, 60, 255)
    return p


def icon_entry_data(pixels):
    size = len(pixels)
    xor = b"".join(struct.pack("BBBB", b, g, r, a) for row in reversed(pixels) for r, g, b, a in row)
    mask_stride = ((size + 31) // 32) * 4
    mask = b""
    for row in reversed(pixels):
        line = bytearray(mask_stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                line[x // 8] |= 0x80 >> (x % 8)
        mask += bytes(line)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    return header + xor + mask


def ico(images):
    entries, datas = b"", b""
    offset = 6 + 16 * len(images)
    for pixels in images:
        data = icon_entry_data(pixels)
        size = len(pixels)
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(data), offset)
        datas += data
        offset += len(data)
    return struct.pack("<HHH", 0, 1, len(images)) + entries + datas


def write(name, data):
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(data)


if __name__ == "__main__":
    write("monitor.ico", ico([icon_image(32), icon_image(16)]))
    write("stop.bmp", bmp24(glyph(stop_image())))
    write("start.bmp", bmp24(glyph(start_image())))
