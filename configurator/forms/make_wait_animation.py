#!/usr/bin/env python3
"""Writes WaitAnimation.avi beside this script: the animation of the wait window.

A strip of 300 x 28 pixels with a row of squares whose bright third marches to the
right, three frames of 0.45 s each, uncompressed 24-bit RGB, one video stream and no
sound. The file is committed; run this again only after changing the drawing:
    python3 configurator/forms/make_wait_animation.py
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))

WIDTH, HEIGHT, FRAMES = 300, 28, 3
MICROSECONDS_PER_FRAME = 450000
FRAME_BYTES = WIDTH * HEIGHT * 3  # rows of 900 bytes need no padding

GROUND = (212, 208, 200)
FRAME_EDGE = (128, 128, 128)
DIM = (170, 190, 230)
BRIGHT = (20, 60, 190)

SQUARE, GAP, SQUARES = 18, 6, 12
SQUARES_LEFT = (WIDTH - (SQUARES * SQUARE + (SQUARES - 1) * GAP)) // 2
SQUARE_TOP = (HEIGHT - SQUARE) // 2


def colour_at(frame, x, y):
    if x in (0, WIDTH - 1) or y in (0, HEIGHT - 1):
        return FRAME_EDGE
    inside = x - SQUARES_LEFT
    if inside < 0 or not SQUARE_TOP <= y < SQUARE_TOP + SQUARE:
        return GROUND
    square, offset = divmod(inside, SQUARE + GAP)
    if square >= SQUARES or offset >= SQUARE:
        return GROUND
    return BRIGHT if square % FRAMES == frame else DIM


def frame_pixels(frame):
    """Bottom-up rows of blue, green, red bytes, as a DIB holds them."""
    rows = []
    for y in reversed(range(HEIGHT)):
        rows.append(b"".join(bytes(reversed(colour_at(frame, x, y))) for x in range(WIDTH)))
    return b"".join(rows)


def chunk(fourcc, data):
    pad = b"\0" if len(data) % 2 else b""
    return fourcc + struct.pack("<I", len(data)) + data + pad


def riff_list(kind, data):
    return chunk(b"LIST", kind + data)


def main_header():
    AVIF_HASINDEX = 0x10
    bytes_per_second = FRAME_BYTES * 1000000 // MICROSECONDS_PER_FRAME
    return struct.pack("<10I4I", MICROSECONDS_PER_FRAME, bytes_per_second, 0, AVIF_HASINDEX, FRAMES, 0, 1,
                       FRAME_BYTES, WIDTH, HEIGHT, 0, 0, 0, 0)


def stream_header():
    # rate / scale frames a second: 20 / 9 is one frame every 0.45 s.
    scale, rate = 9, 20
    return struct.pack("<4s4sIHHIIIIIIIIhhhh", b"vids", b"DIB ", 0, 0, 0, 0, scale, rate, 0, FRAMES,
                       FRAME_BYTES, 0xFFFFFFFF, 0, 0, 0, WIDTH, HEIGHT)


def stream_format():
    return struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 24, 0, FRAME_BYTES, 0, 0, 0, 0)


def avi():
    header = riff_list(b"hdrl", chunk(b"avih", main_header()) +
                       riff_list(b"strl", chunk(b"strh", stream_header()) + chunk(b"strf", stream_format())))
    movi, index, offset = b"", b"", 4
    AVIIF_KEYFRAME = 0x10
    for frame in range(FRAMES):
        movi += chunk(b"00db", frame_pixels(frame))
        index += struct.pack("<4sIII", b"00db", AVIIF_KEYFRAME, offset, FRAME_BYTES)
        offset += 8 + FRAME_BYTES
    body = b"AVI " + header + riff_list(b"movi", movi) + chunk(b"idx1", index)
    return b"RIFF" + struct.pack("<I", len(body)) + body


with open(os.path.join(HERE, "WaitAnimation.avi"), "wb") as out:
    out.write(avi())
