#!/usr/bin/env python3
"""Writes test files the way the recording program stores them, independently of its code.

  encoder.py bmp OUTDIR   BMP images of 1, 4, 8 and 24 bits and broken ones
  encoder.py hlv OUTDIR   recordings of versions 32, 33 and 34 and broken ones
"""
import os
import struct
import sys


# ---------------------------------------------------------------- BMP

def padded_row(width, bits):
    return (width * bits + 31) // 32 * 4


def bmp(width, height, bits, palette, rows, off_bits=None, size_image=None, compression=0, clr_used=0,
        magic=b"BM", header_width=None, header_height=None):
    """rows: unpadded bytes per row, bottom-up; padded here with zeros."""
    table = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in palette)
    pixels = b"".join(row + bytes(padded_row(width, bits) - len(row)) for row in rows)
    if off_bits is None:
        off_bits = 14 + 40 + len(table)
    info = struct.pack("<IiiHHIIiiII", 40, width if header_width is None else header_width,
                       height if header_height is None else header_height, 1, bits, compression,
                       len(pixels) if size_image is None else size_image, 2835, 2835, clr_used, 0)
    head = magic + struct.pack("<IHHI", 14 + len(info) + len(table) + len(pixels), 0, 0, off_bits)
    return head + info + table + pixels


def grey_palette(n):
    return [(i * 255 // max(n - 1, 1), i * 255 // max(n - 1, 1), (i * 37) % 256) for i in range(n)]


GOOD_BMPS = {
    # width 3 at 1 bit: one byte of pixels, rows of 4 bytes
    "bits1.bmp": lambda: bmp(3, 2, 1, [(0, 0, 0), (255, 255, 255)], [b"\xa0", b"\x40"]),
    "bits4.bmp": lambda: bmp(5, 3, 4, grey_palette(16), [b"\x01\x23\x40", b"\x56\x78\x90", b"\xab\xcd\xe0"]),
    "bits8.bmp": lambda: bmp(3, 2, 8, grey_palette(256), [b"\x00\x7f\xff", b"\x10\x20\x30"]),
    "bits24.bmp": lambda: bmp(3, 2, 24, [], [b"\x00\x00\xff\x00\xff\x00\xff\x00\x00",
                                             b"\x10\x20\x30\x40\x50\x60\x70\x80\x90"]),
}


def logo_bmp():
    """The small 8-bit logo stored inside version-34 recordings."""
    return bmp(4, 2, 8, grey_palette(256), [b"\x01\x02\x03\x04", b"\x05\x06\x07\x08"])


def bad_bmps():
    good8 = GOOD_BMPS["bits8.bmp"]()
    return {
        "bad_magic.bmp": b"XM" + good8[2:],
        "bad_offbits_short.bmp": bmp(3, 2, 8, grey_palette(256), [b"\0\0\0", b"\0\0\0"], off_bits=20),
        "bad_offbits_past_end.bmp": bmp(3, 2, 8, grey_palette(256), [b"\0\0\0", b"\0\0\0"], off_bits=0x7fffffff),
        "bad_width_zero.bmp": bmp(3, 2, 8, grey_palette(256), [b"\0\0\0", b"\0\0\0"], header_width=0),
        "bad_height_negative.bmp": bmp(3, 2, 8, grey_palette(256), [b"\0\0\0", b"\0\0\0"], header_height=-2),
        "bad_huge.bmp": bmp(3, 2, 8, grey_palette(256), [b"\0\0\0", b"\0\0\0"], header_width=0x40000000,
                            header_height=0x40000000),
        "bad_bits16.bmp": bmp(3, 2, 16, [], [b"\0" * 6, b"\0" * 6]),
        "bad_rle.bmp": bmp(3, 2, 8, grey_palette(256), [b"\0\0\0", b"\0\0\0"], compression=1),
        "bad_clrused.bmp": bmp(3, 2, 8, grey_palette(256), [b"\0\0\0", b"\0\0\0"], clr_used=300),
        "bad_truncated.bmp": good8[:-3],
    }


def write_bmps(outdir):
    for name, make in GOOD_BMPS.items():
        write(outdir, name, make())
    for name, data in bad_bmps().items():
        write(outdir, name, data)
    write(outdir, "logo.bmp", logo_bmp())


def write(outdir, name, data):
    with open(os.path.join(outdir, name), "wb") as f:
        f.write(data)


def main():
    what, outdir = sys.argv[1], sys.argv[2]
    os.makedirs(outdir, exist_ok=True)
    if what == "bmp":
        write_bmps(outdir)
    elif what == "hlv":
        import recording
        recording.write_recordings(outdir)
    else:
        sys.exit("unknown kind: " + what)


if __name__ == "__main__":
    main()
