#!/usr/bin/env python3
"""Draws the configurator's glyphs, pictures and icon and writes them beside this script.

The files are committed; run this again only after changing a drawing:
    python3 configurator/forms/make_pictures.py
Glyphs are 24-bit bitmaps whose bottom-left pixel gives the colour that the buttons
leave transparent (KEY below). The picture of the sound switching, of a few colours,
is stored run-length encoded.
"""
import math
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))

KEY = (255, 0, 255)
BLACK = (0, 0, 0)
WHITE = (255, 255, 255)
GREY = (128, 128, 128)
SILVER = (192, 192, 192)
DARK = (64, 64, 64)
RED = (200, 30, 30)
GREEN = (20, 160, 40)
BLUE = (30, 70, 200)
NAVY = (20, 30, 110)
YELLOW = (240, 200, 40)
ORANGE = (235, 130, 30)
TEAL = (20, 140, 150)


class Picture:
    def __init__(self, width, height, background=KEY):
        self.width = width
        self.height = height
        self.pixels = [[background] * width for _ in range(height)]

    def dot(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = colour

    def rect(self, left, top, right, bottom, colour):
        """Fills left..right-1, top..bottom-1."""
        for y in range(top, bottom):
            for x in range(left, right):
                self.dot(x, y, colour)

    def frame(self, left, top, right, bottom, colour):
        for x in range(left, right):
            self.dot(x, top, colour)
            self.dot(x, bottom - 1, colour)
        for y in range(top, bottom):
            self.dot(left, y, colour)
            self.dot(right - 1, y, colour)

    def line(self, x0, y0, x1, y1, colour, thickness=1):
        steps = max(abs(x1 - x0), abs(y1 - y0), 1)
        r = thickness // 2
        for i in range(steps + 1):
            x = round(x0 + (x1 - x0) * i / steps)
            y = round(y0 + (y1 - y0) * i / steps)
            self.rect(x - r, y - r, x - r + thickness, y - r + thickness, colour)

    def disc(self, cx, cy, radius, colour):
        for y in range(int(cy - radius), int(cy + radius) + 1):
            for x in range(int(cx - radius), int(cx + radius) + 1):
                if (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius:
                    self.dot(x, y, colour)

    def ring(self, cx, cy, radius, width, colour):
        for y in range(int(cy - radius), int(cy + radius) + 1):
            for x in range(int(cx - radius), int(cx + radius) + 1):
                d = math.hypot(x - cx, y - cy)
                if radius - width <= d <= radius:
                    self.dot(x, y, colour)

    def polygon(self, points, colour):
        ys = [p[1] for p in points]
        for y in range(int(min(ys)), int(max(ys)) + 1):
            for x in range(self.width):
                if inside(points, x + 0.5, y + 0.5):
                    self.dot(x, y, colour)


def inside(points, x, y):
    result = False
    j = len(points) - 1
    for i in range(len(points)):
        xi, yi = points[i]
        xj, yj = points[j]
        if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
            result = not result
        j = i
    return result


def bmp_bytes(picture):
    """A 24-bit bottom-up BMP file."""
    row_size = (picture.width * 3 + 3) // 4 * 4
    data = bytearray()
    for y in range(picture.height - 1, -1, -1):
        row = bytearray()
        for r, g, b in picture.pixels[y]:
            row += bytes((b, g, r))
        row += bytes(row_size - len(row))
        data += row
    header = struct.pack('<IiiHHIIiiII', 40, picture.width, picture.height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    file_header = struct.pack('<2sIHHI', b'BM', 14 + len(header) + len(data), 0, 0, 14 + len(header))
    return file_header + header + bytes(data)


def bmp_rle8_bytes(picture):
    """An 8-bit run-length encoded bottom-up BMP file: for pictures of few colours with
    long runs, which then take a small part of the room of a 24-bit one."""
    palette = sorted({colour for row in picture.pixels for colour in row})
    if len(palette) > 256:
        raise ValueError('more than 256 colours')
    index = {colour: i for i, colour in enumerate(palette)}
    data = bytearray()
    for y in range(picture.height - 1, -1, -1):
        row = [index[colour] for colour in picture.pixels[y]]
        x = 0
        while x < len(row):
            run = 1
            while x + run < len(row) and run < 255 and row[x + run] == row[x]:
                run += 1
            data += bytes((run, row[x]))
            x += run
        data += bytes((0, 0 if y else 1))  # end of line; end of bitmap after the top row
    colours = b''.join(bytes((b, g, r, 0)) for r, g, b in palette)
    header = struct.pack('<IiiHHIIiiII', 40, picture.width, picture.height, 1, 8, 1, len(data), 2835, 2835,
                         len(palette), 0)
    offset = 14 + len(header) + len(colours)
    file_header = struct.pack('<2sIHHI', b'BM', offset + len(data), 0, 0, offset)
    return file_header + header + colours + bytes(data)


def ico_bytes(pictures):
    """An icon file with one 32-bit image per picture; KEY pixels are transparent."""
    images = []
    for p in pictures:
        xor = bytearray()
        mask_row = (p.width + 31) // 32 * 4
        mask = bytearray()
        for y in range(p.height - 1, -1, -1):
            bits = 0
            row = bytearray()
            for x, colour in enumerate(p.pixels[y]):
                clear = colour == KEY
                r, g, b = colour
                xor += bytes((b, g, r, 0 if clear else 255))
                bits = bits << 1 | (1 if clear else 0)
                if x % 8 == 7:
                    row.append(bits)
                    bits = 0
            if p.width % 8:
                row.append(bits << (8 - p.width % 8))
            mask += row + bytes(mask_row - len(row))
        header = struct.pack('<IiiHHIIiiII', 40, p.width, p.height * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
        images.append(header + bytes(xor) + bytes(mask))
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for p, image in zip(pictures, images):
        out += struct.pack('<BBBBHHII', p.width, p.height, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    for image in images:
        out += image
    return out


# --- the side buttons, 48 x 48 ---------------------------------------------------

def glyph_lork():
    p = Picture(48, 48)
    p.rect(6, 12, 42, 38, SILVER)
    p.frame(6, 12, 42, 38, DARK)
    p.rect(10, 16, 26, 24, NAVY)
    for i in range(4):
        p.disc(13 + i * 7, 31, 2, GREEN if i % 2 == 0 else YELLOW)
    p.rect(30, 16, 38, 20, DARK)
    p.rect(30, 22, 38, 26, DARK)
    p.line(14, 38, 14, 45, DARK, 2)
    p.line(34, 38, 34, 45, DARK, 2)
    return p


def glyph_network():
    p = Picture(48, 48)
    nodes = [(24, 8), (8, 36), (40, 36), (24, 26)]
    for a in nodes[:3]:
        p.line(a[0], a[1], 24, 26, WHITE, 2)
    for x, y in nodes:
        p.disc(x, y, 6, BLUE)
        p.ring(x, y, 6, 1.5, WHITE)
    return p


def glyph_voice():
    p = Picture(48, 48)
    p.rect(6, 18, 16, 30, SILVER)
    p.polygon([(16, 18), (28, 8), (28, 40), (16, 30)], SILVER)
    p.frame(6, 18, 16, 30, DARK)
    for radius in (8, 13, 18):
        for a in range(-45, 46, 3):
            t = math.radians(a)
            p.rect(int(28 + radius * math.cos(t)), int(24 + radius * math.sin(t)),
                   int(28 + radius * math.cos(t)) + 2, int(24 + radius * math.sin(t)) + 2, WHITE)
    return p


def glyph_logs():
    p = Picture(48, 48)
    p.polygon([(10, 4), (32, 4), (40, 12), (40, 44), (10, 44)], WHITE)
    p.polygon([(32, 4), (40, 12), (32, 12)], SILVER)
    for y in range(16, 40, 5):
        p.rect(14, y, 36, y + 2, GREY if y % 2 else NAVY)
    return p


def glyph_service():
    p = Picture(48, 48)
    for k in range(8):
        t = math.radians(k * 45)
        p.line(24, 24, int(24 + 19 * math.cos(t)), int(24 + 19 * math.sin(t)), SILVER, 6)
    p.disc(24, 24, 14, SILVER)
    p.ring(24, 24, 14, 1.5, DARK)
    p.disc(24, 24, 5, KEY)
    p.ring(24, 24, 6, 1.5, DARK)
    return p


def glyph_close():
    p = Picture(48, 48)
    p.disc(24, 24, 18, RED)
    p.ring(24, 24, 18, 2, WHITE)
    p.line(15, 15, 33, 33, WHITE, 5)
    p.line(33, 15, 15, 33, WHITE, 5)
    return p


# --- small glyphs, 16 x 16 -------------------------------------------------------

def small_folder():
    p = Picture(16, 16)
    p.rect(1, 3, 7, 5, YELLOW)
    p.rect(1, 5, 15, 14, YELLOW)
    p.frame(1, 5, 15, 14, ORANGE)
    return p


def small_disk():
    p = Picture(16, 16)
    p.rect(1, 1, 15, 15, NAVY)
    p.rect(4, 1, 12, 6, WHITE)
    p.rect(9, 2, 11, 5, NAVY)
    p.rect(3, 9, 13, 15, SILVER)
    return p


def small_exit():
    p = Picture(16, 16)
    p.rect(2, 1, 10, 15, GREY)
    p.rect(3, 2, 9, 14, SILVER)
    p.polygon([(9, 8), (13, 4), (13, 12)], RED)
    p.rect(6, 7, 10, 9, RED)
    return p


def small_page(colour, mark):
    p = Picture(16, 16)
    p.rect(3, 1, 13, 15, WHITE)
    p.frame(3, 1, 13, 15, DARK)
    p.rect(5, 3, 11, 5, colour)
    for y in (7, 9, 11):
        p.rect(5, y, 11 if mark else 9, y + 1, GREY)
    return p


# --- the service button's glyphs --------------------------------------------------

def start_glyph():
    p = Picture(20, 20)
    p.polygon([(4, 2), (17, 10), (4, 18)], GREEN)
    return p


def stop_glyph():
    p = Picture(32, 32)
    p.rect(5, 5, 27, 27, RED)
    p.frame(5, 5, 27, 27, (120, 10, 10))
    return p


# --- the illustration of the sound switching ----------------------------------------

def sound_picture():
    """A voice signal against the threshold, with the two deadbands marked."""
    p = Picture(577, 264, WHITE)
    p.frame(0, 0, 577, 264, GREY)
    base = 150
    p.line(30, base, 560, base, DARK)          # time axis
    p.line(30, 20, 30, 240, DARK)              # level axis
    p.polygon([(556, base - 4), (566, base), (556, base + 4)], DARK)
    p.polygon([(26, 24), (30, 14), (34, 24)], DARK)
    threshold = base - 40
    for x in range(30, 560, 8):
        p.line(x, threshold, x + 4, threshold, RED)
    previous = None
    for x in range(40, 550):
        burst = 1.0 if 120 <= x < 300 or 380 <= x < 470 else 0.12
        y = base - int(burst * 70 * abs(math.sin(x / 6.0)) * (0.6 + 0.4 * math.sin(x / 23.0)))
        if previous:
            p.line(previous[0], previous[1], x, y, BLUE)
        previous = (x, y)
    # speech on: after the signal deadband; speech off: after the silence deadband
    p.rect(120, 190, 160, 200, TEAL)
    p.rect(300, 190, 360, 200, ORANGE)
    p.rect(380, 190, 420, 200, TEAL)
    p.rect(470, 190, 530, 200, ORANGE)
    for x in (120, 160, 300, 360):
        p.line(x, 184, x, 206, DARK)
    p.rect(160, 220, 300, 232, GREEN)
    p.rect(420, 220, 470, 232, GREEN)
    return p


def write(name, data):
    with open(os.path.join(HERE, name), 'wb') as f:
        f.write(data)


def main():
    bitmaps = {
        'GlyphLork.bmp': glyph_lork(),
        'GlyphNetwork.bmp': glyph_network(),
        'GlyphVoice.bmp': glyph_voice(),
        'GlyphLogs.bmp': glyph_logs(),
        'GlyphService.bmp': glyph_service(),
        'GlyphClose.bmp': glyph_close(),
        'GlyphTraceFile.bmp': small_folder(),
        'MenuOpen.bmp': small_folder(),
        'MenuSaveAs.bmp': small_disk(),
        'MenuExit.bmp': small_exit(),
        'MenuGatewayManual.bmp': small_page(RED, True),
        'MenuUserManual.bmp': small_page(BLUE, False),
        'StartGlyph.bmp': start_glyph(),
        'StopGlyph.bmp': stop_glyph(),
    }
    for name, picture in bitmaps.items():
        write(name, bmp_bytes(picture))
    write('SoundSwitching.bmp', bmp_rle8_bytes(sound_picture()))
    icon32 = Picture(32, 32)
    icon32.disc(16, 16, 14, NAVY)
    icon32.rect(9, 9, 23, 23, SILVER)
    icon32.polygon([(13, 11), (22, 16), (13, 21)], GREEN)
    icon16 = Picture(16, 16)
    icon16.disc(8, 8, 7, NAVY)
    icon16.polygon([(6, 4), (12, 8), (6, 12)], GREEN)
    write('rax40gwcfg.ico', ico_bytes([icon32, icon16]))


if __name__ == '__main__':
    main()
