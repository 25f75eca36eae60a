#!/usr/bin/python3
"""Writes the small pictures the picture decoder tests read: one of each kind
a player's level picture may be (PNG in grey, palette, 16 bits, with gamma;
BMP in palette, bottom-up and top-down, 16 and 32 bits; GIF with
transparency and with an image smaller than its screen). Reproducible: run it
again and the files come out the same. Needs python3-pil.

    tests/platform/pictures/make_pictures.py
"""
import os
import random
import struct
import zlib

from PIL import Image

WIDTH, HEIGHT = 7, 5
HERE = os.path.dirname(os.path.abspath(__file__))


def path(name):
    return os.path.join(HERE, name)


def png_chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)


def write_png(name, depth, colour_type, rows, extra=b""):
    header = struct.pack(">IIBBBBB", WIDTH, HEIGHT, depth, colour_type, 0, 0, 0)
    raw = b"".join(b"\0" + row for row in rows)
    with open(path(name), "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n" + png_chunk(b"IHDR", header) + extra
                  + png_chunk(b"IDAT", zlib.compress(raw, 9)) + png_chunk(b"IEND", b""))


def write_bmp(name, bits, top_down, rows):
    row_bytes = (WIDTH * bits // 8 + 3) & ~3
    data = b"".join(row + b"\0" * (row_bytes - len(row)) for row in rows)
    info = struct.pack("<IiiHHIIiiII", 40, WIDTH, -HEIGHT if top_down else HEIGHT, 1, bits, 0, len(data),
                       2835, 2835, 0, 0)
    with open(path(name), "wb") as out:
        out.write(b"BM" + struct.pack("<IHHI", 54 + len(data), 0, 0, 54) + info + data)


def lzw_codes(indices, min_code_size):
    """GIF image data whose codes never outgrow their first width: a clear
    code before the table would need a wider code."""
    clear = 1 << min_code_size
    end = clear + 1
    width = min_code_size + 1
    run = (1 << width) - end - 2
    codes = [clear]
    for n, index in enumerate(indices, 1):
        codes.append(index)
        if n % run == 0:
            codes.append(clear)
    codes.append(end)
    bits = 0
    count = 0
    data = bytearray()
    for code in codes:
        bits |= code << count
        count += width
        while count >= 8:
            data.append(bits & 0xFF)
            bits >>= 8
            count -= 8
    if count:
        data.append(bits & 0xFF)
    blocks = b"".join(bytes([len(data[i:i + 255])]) + bytes(data[i:i + 255]) for i in range(0, len(data), 255))
    return bytes([min_code_size]) + blocks + b"\0"


def write_framed_gif(name, palette, indices, transparent):
    """A GIF whose 9 x 7 screen holds a 7 x 5 image at (1, 1)."""
    gif = b"GIF89a" + struct.pack("<HHBBB", WIDTH + 2, HEIGHT + 2, 0xF2, 1, 0) + palette
    if transparent is not None:
        gif += b"\x21\xF9\x04\x01\x00\x00" + bytes([transparent]) + b"\0"
    gif += b"\x2C" + struct.pack("<HHHHB", 1, 1, WIDTH, HEIGHT, 0) + lzw_codes(indices, 3) + b"\x3B"
    with open(path(name), "wb") as out:
        out.write(gif)


def main():
    rng = random.Random(5)
    picture = Image.new("RGBA", (WIDTH, HEIGHT))
    picture.putdata([(rng.randrange(256), rng.randrange(256), rng.randrange(256), rng.choice([0, 128, 255]))
                     for _ in range(WIDTH * HEIGHT)])
    picture.save(path("rgba.png"))
    picture.convert("L").save(path("grey.png"))
    picture.convert("LA").save(path("grey-alpha.png"))
    picture.convert("1").save(path("bilevel.png"))
    palette = picture.convert("RGB").convert("P", palette=Image.ADAPTIVE, colors=16)
    palette.save(path("palette-transparent.png"), transparency=3)
    palette.save(path("palette-transparent.gif"), transparency=3)
    palette.save(path("interlaced.gif"), interlace=True)
    palette.save(path("palette.bmp"))
    picture.convert("1").save(path("bilevel.bmp"))

    rng = random.Random(9)
    write_png("rgba-16-bit.png", 16, 6, [bytes(rng.randrange(256) for _ in range(WIDTH * 8)) for _ in range(HEIGHT)])
    write_png("rgb-gamma.png", 8, 2, [bytes(rng.randrange(256) for _ in range(WIDTH * 3)) for _ in range(HEIGHT)],
              png_chunk(b"gAMA", struct.pack(">I", 70000)))
    write_bmp("rgb-top-down.bmp", 24, True,
              [bytes(rng.randrange(256) for _ in range(WIDTH * 3)) for _ in range(HEIGHT)])
    write_bmp("rgbx-32-bit.bmp", 32, False,
              [bytes(rng.choice([0, 255, rng.randrange(256)]) for _ in range(WIDTH * 4)) for _ in range(HEIGHT)])
    write_bmp("rgb-16-bit.bmp", 16, False,
              [bytes(rng.randrange(256) for _ in range(WIDTH * 2)) for _ in range(HEIGHT)])

    rng = random.Random(6)
    colours = bytes(rng.randrange(256) for _ in range(8 * 3))
    indices = [rng.randrange(8) for _ in range(WIDTH * HEIGHT)]
    write_framed_gif("framed.gif", colours, indices, None)
    write_framed_gif("framed-transparent.gif", colours, indices, 2)


if __name__ == "__main__":
    main()
