#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Writes cubomancer.ico, the Windows program's icon, from the PNG images beside it.

Run it here after changing an image: ./make-ico.py. Sizes 16 to 128 go in as 32-bit bitmaps with
their transparency, which every Windows version draws; 256 goes in as PNG, as Windows expects.
Only the standard library: the images are read and written with zlib.
"""
import struct
import zlib

SIZES = [16, 24, 32, 48, 64, 128, 256]


def unfilter(raw, width, height, channels):
    stride = width * channels
    rows, previous, at = [], bytearray(stride), 0
    for _ in range(height):
        kind, line = raw[at], bytearray(raw[at + 1:at + 1 + stride])
        at += 1 + stride
        for x in range(stride):
            left = line[x - channels] if x >= channels else 0
            up = previous[x]
            corner = previous[x - channels] if x >= channels else 0
            if kind == 1:
                line[x] = (line[x] + left) & 255
            elif kind == 2:
                line[x] = (line[x] + up) & 255
            elif kind == 3:
                line[x] = (line[x] + (left + up) // 2) & 255
            elif kind == 4:
                p = left + up - corner
                nearest = min((abs(p - left), 0, left), (abs(p - up), 1, up),
                              (abs(p - corner), 2, corner))[2]
                line[x] = (line[x] + nearest) & 255
        rows.append(bytes(line))
        previous = line
    return rows


def read_png(path):
    """The image as rows of (red, green, blue, alpha); 8-bit, not interlaced."""
    data = open(path, 'rb').read()
    at, idat, palette, alpha = 8, b'', b'', b''
    while at < len(data):
        length, kind = struct.unpack('>I4s', data[at:at + 8])
        body = data[at + 8:at + 8 + length]
        at += 12 + length
        if kind == b'IHDR':
            width, height, depth, colour, _, _, interlace = struct.unpack('>IIBBBBB', body)
            assert depth == 8 and interlace == 0, path
        elif kind == b'PLTE':
            palette = body
        elif kind == b'tRNS':
            alpha = body
        elif kind == b'IDAT':
            idat += body
    channels = {0: 1, 2: 3, 3: 1, 4: 2, 6: 4}[colour]
    pixels = []
    for line in unfilter(zlib.decompress(idat), width, height, channels):
        row = []
        for x in range(width):
            s = line[x * channels:(x + 1) * channels]
            if colour == 3:
                row.append(tuple(palette[3 * s[0]:3 * s[0] + 3]) +
                           (alpha[s[0]] if s[0] < len(alpha) else 255,))
            elif colour == 6:
                row.append(tuple(s))
            elif colour == 2:
                row.append(tuple(s) + (255,))
            else:
                row.append((s[0], s[0], s[0], s[1] if colour == 4 else 255))
        pixels.append(row)
    return width, height, pixels


def bitmap_entry(width, height, pixels):
    header = struct.pack('<IiiHHIIiiII', 40, width, 2 * height, 1, 32, 0, 0, 0, 0, 0, 0)
    colours = b''.join(bytes((b, g, r, a)) for row in reversed(pixels) for (r, g, b, a) in row)
    mask = b''
    for row in reversed(pixels):
        bits = bytearray(((width + 31) // 32) * 4)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bytes(bits)
    return header + colours + mask


def png_entry(width, height, pixels):
    def chunk(kind, body):
        return (struct.pack('>I', len(body)) + kind + body +
                struct.pack('>I', zlib.crc32(kind + body) & 0xffffffff))
    raw = b''.join(b'\0' + b''.join(bytes(p) for p in row) for row in pixels)
    return (b'\x89PNG\r\n\x1a\n' +
            chunk(b'IHDR', struct.pack('>IIBBBBB', width, height, 8, 6, 0, 0, 0)) +
            chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b''))


def main():
    entries = []
    for size in SIZES:
        width, height, pixels = read_png(f'cubomancer-{size}.png')
        assert width == height == size
        entries.append((png_entry if size == 256 else bitmap_entry)(width, height, pixels))
    offset = 6 + 16 * len(SIZES)
    directory = struct.pack('<HHH', 0, 1, len(SIZES))
    for size, entry in zip(SIZES, entries):
        directory += struct.pack('<BBBBHHII', size % 256, size % 256, 0, 0, 1, 32, len(entry), offset)
        offset += len(entry)
    with open('cubomancer.ico', 'wb') as icon:
        icon.write(directory + b''.join(entries))


if __name__ == '__main__':
    main()
