#!/usr/bin/env python3
"""Writes the seed files of the imaging fuzz targets (run from fuzz/corpus).

Small, valid files that reach every branch worth mutating: BMP headers of each
version, depths, bit fields and run-length data; PNG colour types, depths,
interlacing and transparency; baseline, progressive and grey JPEGs (made with
cjpeg from libjpeg-turbo-progs); JPEGs with EXIF blocks in both byte orders,
an embedded thumbnail and a Photoshop IPTC segment.
"""
import os
import struct
import subprocess
import tempfile
import zlib


def write(folder, name, data):
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)


# --- BMP ---------------------------------------------------------------------
def bmp(width, height, bits, pixels, compression=0, palette=b"", masks=b"", header_size=40):
    if header_size == 12:
        header = struct.pack("<IHHHH", 12, width, height, 1, bits)
    else:
        header = struct.pack("<IiiHHIIiiII", header_size, width, height, 1, bits, compression, len(pixels),
                             2835, 2835, len(palette) // 4, 0)
        if header_size > 40:
            header += masks.ljust(header_size - 40, b"\0")
            masks = b""
    body = header + masks + palette
    offset = 14 + len(body)
    return b"BM" + struct.pack("<IHHI", offset + len(pixels), 0, 0, offset) + body + pixels


def rows(width, height, bits, value):
    stride = (bits * width + 31) // 32 * 4
    out = b""
    for y in range(height):
        row = bytearray(stride)
        for x in range(width):
            v = value(x, y)
            if bits < 8:
                bit = x * bits
                row[bit // 8] |= v << (8 - bits - bit % 8)
            else:
                row[x * bits // 8:(x + 1) * bits // 8] = v.to_bytes(bits // 8, "little")
        out += bytes(row)
    return out


def palette(n):
    return b"".join(bytes([i * 37 % 256, i * 91 % 256, i * 13 % 256, 0]) for i in range(n))


def bmp_seeds(folder):
    write(folder, "1bit.bmp", bmp(9, 4, 1, rows(9, 4, 1, lambda x, y: (x + y) % 2), palette=palette(2)))
    write(folder, "4bit.bmp", bmp(7, 3, 4, rows(7, 3, 4, lambda x, y: (x * 3 + y) % 16), palette=palette(16)))
    write(folder, "8bit-topdown.bmp", bmp(5, -3, 8, rows(5, 3, 8, lambda x, y: x * 40 + y), palette=palette(256)))
    write(folder, "8bit-core.bmp",
          bmp(4, 2, 8, rows(4, 2, 8, lambda x, y: x + y), palette=b"".join(bytes([i, i, i]) for i in range(8)),
              header_size=12))
    write(folder, "rle8.bmp", bmp(5, 3, 8, bytes([3, 1, 9, 2, 0, 0, 0, 3, 5, 6, 7, 0, 0, 2, 1, 1, 1, 9, 0, 1]), 1,
                                  palette(16)))
    write(folder, "rle4.bmp", bmp(5, 3, 4, bytes([3, 0x11, 9, 0x22, 0, 0, 0, 3, 0x56, 0x70, 0, 2, 1, 1, 1, 0x90, 0, 1]),
                                  2, palette(16)))
    write(folder, "16bit-555.bmp", bmp(3, 2, 16, rows(3, 2, 16, lambda x, y: x << 10 | y << 5 | 31)))
    write(folder, "16bit-565.bmp", bmp(3, 2, 16, rows(3, 2, 16, lambda x, y: x << 11 | y << 5 | 31), 3,
                                       masks=struct.pack("<III", 0xF800, 0x07E0, 0x001F)))
    write(folder, "24bit.bmp", bmp(3, 3, 24, rows(3, 3, 24, lambda x, y: x * 80 | y * 80 << 8 | 0x40 << 16)))
    write(folder, "32bit-alpha.bmp", bmp(2, 2, 32, rows(2, 2, 32, lambda x, y: 0x80102030 + x + y)))
    write(folder, "32bit-v5.bmp", bmp(2, 2, 32, rows(2, 2, 32, lambda x, y: 0x40FF0000 + x), 3,
                                      masks=struct.pack("<IIII", 0xFF, 0xFF00, 0xFF0000, 0xFF000000), header_size=124))


# --- PNG ---------------------------------------------------------------------
def chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))


def png(width, height, depth, colour, raw_rows, extra=b"", interlace=0):
    header = chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, depth, colour, 0, 0, interlace))
    data = b"".join(b"\0" + r for r in raw_rows)
    return b"\x89PNG\r\n\x1a\n" + header + extra + chunk(b"IDAT", zlib.compress(data)) + chunk(b"IEND", b"")


def png_seeds(folder):
    write(folder, "grey1.png", png(8, 2, 1, 0, [b"\xA5", b"\x5A"]))
    write(folder, "grey16-gamma.png", png(2, 2, 16, 0, [b"\x00\x10\xFF\xF0"] * 2, chunk(b"gAMA", struct.pack(">I", 100000))))
    write(folder, "rgb8.png", png(2, 2, 8, 2, [b"\xFF\0\0\0\xFF\0", b"\0\0\xFF\x80\x80\x80"]))
    write(folder, "palette-trns.png", png(4, 1, 2, 3, [b"\x1B"], chunk(b"PLTE", bytes(range(12))) + chunk(b"tRNS", b"\x00\x80")))
    write(folder, "grey-alpha.png", png(2, 1, 8, 4, [b"\x10\x20\x30\x40"]))
    write(folder, "rgba16.png", png(1, 1, 16, 6, [b"\x01\x02\x03\x04\x05\x06\x07\x08"], chunk(b"tEXt", b"Software\0seed")))
    # Interlaced: seven passes of an 8 x 8 grey picture (each pass's rows).
    passes = [(0, 0, 8, 8), (4, 0, 8, 8), (0, 4, 4, 8), (2, 0, 4, 4), (0, 2, 2, 4), (1, 0, 2, 2), (0, 1, 1, 2)]
    data = b""
    for x0, y0, dx, dy in passes:
        cols = len(range(x0, 8, dx))
        for _ in range(y0, 8, dy):
            data += b"\0" + bytes(range(cols))
    header = chunk(b"IHDR", struct.pack(">IIBBBBB", 8, 8, 8, 0, 0, 0, 1))
    write(folder, "interlaced.png",
          b"\x89PNG\r\n\x1a\n" + header + chunk(b"IDAT", zlib.compress(data)) + chunk(b"IEND", b""))


# --- JPEG --------------------------------------------------------------------
def cjpeg(width, height, grey, *options):
    with tempfile.TemporaryDirectory() as tmp:
        source = os.path.join(tmp, "in.pnm")
        with open(source, "wb") as f:
            channels = 1 if grey else 3
            f.write(b"P5" if grey else b"P6")
            f.write(b"\n%d %d\n255\n" % (width, height))
            f.write(bytes((x * 17 + y * 29 + c * 80) % 256 for y in range(height) for x in range(width)
                          for c in range(channels)))
        return subprocess.run(["cjpeg", *options, source], check=True, capture_output=True).stdout


def segment(marker, payload):
    return bytes([0xFF, marker]) + struct.pack(">H", len(payload) + 2) + payload


def exif(big_endian, orientation, date, thumbnail):
    e = ">" if big_endian else "<"
    entries0 = 2
    exif_ifd = 8 + 2 + 12 * entries0 + 4
    date_at = exif_ifd + 18
    ifd1 = date_at + len(date) + 1
    thumb_at = ifd1 + 30
    tiff = (b"MM" if big_endian else b"II") + struct.pack(e + "HI", 42, 8)
    tiff += struct.pack(e + "H", entries0)
    tiff += struct.pack(e + "HHIHH", 0x0112, 3, 1, orientation, 0)
    tiff += struct.pack(e + "HHII", 0x8769, 4, 1, exif_ifd)
    tiff += struct.pack(e + "I", ifd1)
    tiff += struct.pack(e + "H", 1) + struct.pack(e + "HHII", 0x9003, 2, len(date) + 1, date_at) + struct.pack(e + "I", 0)
    tiff += date + b"\0"
    tiff += struct.pack(e + "H", 2) + struct.pack(e + "HHII", 0x0201, 4, 1, thumb_at)
    tiff += struct.pack(e + "HHII", 0x0202, 4, 1, len(thumbnail)) + struct.pack(e + "I", 0)
    return b"Exif\0\0" + tiff + thumbnail


def jpeg_seeds(folder):
    write(folder, "baseline.jpg", cjpeg(16, 16, False, "-quality", "80"))
    write(folder, "progressive.jpg", cjpeg(24, 8, False, "-progressive"))
    write(folder, "grey.jpg", cjpeg(8, 8, True))
    write(folder, "restart.jpg", cjpeg(16, 16, False, "-restart", "1", "-sample", "1x1"))


def metadata_seeds(folder):
    main = cjpeg(8, 8, True)
    thumb = cjpeg(8, 16, False)
    iptc = b"Photoshop 3.0\0" + b"8BIM" + struct.pack(">H", 0x0404) + b"\0\0" + struct.pack(">I", 4) + b"\x1c\x02\x00\x00"
    for big, orientation in ((False, 6), (True, 3)):
        name = "exif-%s.jpg" % ("mm" if big else "ii")
        app1 = segment(0xE1, exif(big, orientation, b"2011:07:04 18:30:05", thumb))
        write(folder, name, main[:2] + app1 + segment(0xED, iptc) + main[2:])


if __name__ == "__main__":
    bmp_seeds("fuzz_bmp_decoder")
    png_seeds("fuzz_png_decoder")
    jpeg_seeds("fuzz_jpeg_decoder")
    metadata_seeds("fuzz_jpeg_metadata")
