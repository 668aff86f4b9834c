#!/bin/sh
# Regenerates the picture fixtures (needs ImageMagick and python3; the tests
# only need the committed results). The base picture is 7 x 5 pixels; pixel
# (x, y), counted from the top-left, has colour kColours[(x + 3y) % 8] where
# the colours are the eight corners of the RGB cube, so every lossless format,
# 16-bit ones included, keeps them exactly. Alpha: 255 for x < 3, 0 for x = 3,
# 128 otherwise.
set -e
cd "$(dirname "$0")"
tmp=$(mktemp -d)
python3 - "$tmp" <<'PY'
import sys
d = sys.argv[1]
cols = [(0,0,0),(255,0,0),(0,255,0),(0,0,255),(255,255,0),(255,0,255),(0,255,255),(255,255,255)]
w, h = 7, 5
rgb = bytearray(); rgba = bytearray(); bw = bytearray()
for y in range(h):
    for x in range(w):
        c = cols[(x + 3 * y) % 8]
        a = 255 if x < 3 else (0 if x == 3 else 128)
        rgb += bytes(c); rgba += bytes(c) + bytes([a])
        bw += bytes([255 if (x + y) % 2 else 0] * 3)
open(d + "/base.ppm", "wb").write(b"P6\n7 5\n255\n" + rgb)
open(d + "/bw.ppm", "wb").write(b"P6\n7 5\n255\n" + bw)
open(d + "/alpha.pam", "wb").write(b"P7\nWIDTH 7\nHEIGHT 5\nDEPTH 4\nMAXVAL 255\nTUPLTYPE RGB_ALPHA\nENDHDR\n" + rgba)
PY
B=$tmp/base.ppm; A=$tmp/alpha.pam; W=$tmp/bw.ppm
convert $B -density 300 -units PixelsPerInch BMP3:bmp_24.bmp
convert $B -type palette -compress RLE BMP3:bmp_8_rle.bmp
convert $B -type palette -colors 8 -depth 4 BMP3:bmp_4.bmp
convert $W -type bilevel BMP3:bmp_1.bmp
convert $B BMP2:bmp_os2.bmp
convert $B -define bmp:subtype=RGB555 BMP:bmp_16.bmp
convert $B -define bmp:subtype=RGB565 BMP:bmp_16_565.bmp
convert $A BMP:bmp_32_alpha.bmp
convert $B -type palette gif_8.gif
convert $B -interlace GIF gif_interlaced.gif
convert $B -transparent '#FF0000' gif_transparent.gif
convert $B \( $W \) gif_two_frames.gif
convert $B -quality 95 -density 118 -units PixelsPerCentimeter jpeg_rgb.jpg
convert $B -colorspace Gray jpeg_grey.jpg
convert -size 16x16 'xc:rgb(200,100,50)' -quality 95 jpeg_flat_rgb.jpg
convert -size 16x16 'xc:rgb(200,100,50)' -colorspace CMYK -quality 95 jpeg_flat_cmyk.jpg
convert $B -define png:exclude-chunk=date,time PNG24:png_rgb.png
convert $A -define png:exclude-chunk=date,time PNG32:png_rgba.png
convert $B -type palette -define png:exclude-chunk=date,time png_palette.png
convert $W -colorspace Gray -depth 16 -define png:exclude-chunk=date,time png_grey16.png
convert $B -interlace PNG -define png:exclude-chunk=date,time PNG24:png_interlaced.png
convert $A ico_32.ico
convert $B -type palette ico_8.ico
convert $B -density 150 tiff_rgb.tif
convert $A tiff_alpha.tif
convert $B -type palette -define tiff:rows-per-strip=2 -compress lzw tiff_palette_strips.tif
convert $B $W tiff_two_pages.tif
convert $B -compress None tga_24.tga
convert $A -compress None tga_32.tga
convert $B -compress RLE tga_24_rle.tga
convert $A -compress RLE tga_32_rle.tga
convert $B -type palette -compress None tga_mapped.tga
convert $B -type palette -compress RLE tga_mapped_rle.tga
convert $W -colorspace Gray -compress None tga_grey.tga
convert $W -colorspace Gray -compress RLE tga_grey_rle.tga
convert $B pcx_24.pcx
convert $B -type palette pcx_8.pcx
rm -rf "$tmp"
# ImageMagick 6 writes TGA rows top first but leaves the descriptor's
# top-origin bit clear; set it so the files say what they hold.
for f in tga_*.tga; do
  python3 -c "import sys; d=bytearray(open(sys.argv[1],'rb').read()); d[17]|=0x20; open(sys.argv[1],'wb').write(d)" "$f"
done
# Variants ImageMagick does not write, made by hand from the same picture.
python3 - <<'PY'
import struct
cols = [(0,0,0),(255,0,0),(0,255,0),(0,0,255),(255,255,0),(255,0,255),(0,255,255),(255,255,255)]
w, h = 7, 5
def idx(x, y): return (x + 3 * y) % 8
pal = b"".join(bytes([b, g, r, 0]) for r, g, b in cols)
def bmp(name, header, palette, rows, with_file_header=True):
    data = header + palette + rows
    if with_file_header:
        data = b"BM" + struct.pack("<IHHI", 14 + len(data), 0, 0, 14 + len(header) + len(palette)) + data
    open(name, "wb").write(data)
def info(bits, comp, height=h, colours=0, size=0):
    return struct.pack("<IiiHHIIiiII", 40, w, height, 1, bits, comp, size, 2835, 2835, colours, 0)
def pad(row): return row + bytes((-len(row)) % 4)
# 8-bit raw, bottom-up, 8 palette entries
rows8 = b"".join(pad(bytes(idx(x, h - 1 - r) for x in range(w))) for r in range(h))
bmp("bmp_8.bmp", info(8, 0, colours=8), pal, rows8)
# the same as a bare DIB (clipboard form)
bmp("dib_8.dib", info(8, 0, colours=8), pal, rows8, with_file_header=False)
# 24-bit top-down
rows24 = b"".join(pad(b"".join(bytes(cols[idx(x, r)][::-1]) for x in range(w))) for r in range(h))
bmp("bmp_24_top_down.bmp", info(24, 0, height=-h), b"", rows24)
# 16-bit 5-5-5 without masks
def p555(c): return struct.pack("<H", ((c[0] >> 3) << 10) | ((c[1] >> 3) << 5) | (c[2] >> 3))
rows16 = b"".join(pad(b"".join(p555(cols[idx(x, h - 1 - r)]) for x in range(w))) for r in range(h))
bmp("bmp_16_plain.bmp", info(16, 0), b"", rows16)
# 4-bit run-length: per row a run of the first two indices, then a literal
rle = b""
for r in range(h):
    y = h - 1 - r
    ids = [idx(x, y) for x in range(w)]
    rle += bytes([2, (ids[0] << 4) | ids[1]])
    lit = ids[2:]
    packed = bytes(((lit[i] << 4) | (lit[i + 1] if i + 1 < len(lit) else 0)) for i in range(0, len(lit), 2))
    rle += bytes([0, len(lit)]) + packed + bytes(len(packed) % 2)
    rle += b"\x00\x00"
rle += b"\x00\x01"
bmp("bmp_4_rle.bmp", info(4, 2, colours=8), pal, rle)
# OS/2 8-bit: 12-byte header, 256 palette entries of 3 bytes
os2pal = b"".join(bytes([b, g, r]) for r, g, b in cols) + bytes(3 * 248)
os2 = struct.pack("<IHHHH", 12, w, h, 1, 8)
bmp("bmp_os2_8.bmp", os2, os2pal, rows8)
# TGA 16-bit with one attribute bit: x < 3 opaque
def tga16():
    hd = struct.pack("<BBBHHBHHHHBB", 0, 0, 2, 0, 0, 0, 0, 0, w, h, 16, 0x01)
    px = b""
    for r in reversed(range(h)):  # bottom row first
        for x in range(w):
            c = cols[idx(x, r)]
            v = ((c[0] >> 3) << 10) | ((c[1] >> 3) << 5) | (c[2] >> 3) | (0x8000 if x < 3 else 0)
            px += struct.pack("<H", v)
    open("tga_16.tga", "wb").write(hd + px)
tga16()
# PCX: 4 planes of 1 bit (16 colours) and 1 plane of 1 bit
def pcx(name, bits, planes, bpl, lines, palette16):
    hd = struct.pack("<BBBBHHHHHH", 10, 5, 1, bits, 0, 0, w - 1, h - 1, 72, 72) + palette16
    hd += bytes([0, planes]) + struct.pack("<HH", bpl, 1)
    hd += bytes(128 - len(hd))
    body = b""
    for line in lines:
        for b in line:
            body += bytes([0xC1, b]) if b >= 0xC0 else bytes([b])
    open(name, "wb").write(hd + body)
pal16 = b"".join(bytes(c) for c in cols) + bytes(24)
lines = []
for r in range(h):
    line = b""
    for p in range(4):
        bitsrow = 0
        for x in range(w):
            if (idx(x, r) >> p) & 1:
                bitsrow |= 0x80 >> x
        line += bytes([bitsrow, 0])
    lines.append(line)
pcx("pcx_4_planes.pcx", 1, 4, 2, lines, pal16)
bw16 = bytes([0, 0, 0, 255, 255, 255]) + bytes(42)
lines = [bytes([sum(0x80 >> x for x in range(w) if (x + r) % 2), 0]) for r in range(h)]
pcx("pcx_1.pcx", 1, 1, 2, lines, bw16)
PY

# The image fuzzer's seeds: each fixture behind the byte that picks its reader.
python3 - <<'PY'
import os
fmt = {"bmp": 0, "gif": 1, "jpg": 2, "png": 3, "ico": 4, "tif": 5, "tga": 6, "pcx": 7, "dib": 8}
out = "../../../fuzz/corpus/image"
os.makedirs(out, exist_ok=True)
for f in sorted(os.listdir(".")):
    ext = f.rsplit(".", 1)[-1]
    if ext in fmt:
        open(os.path.join(out, f), "wb").write(bytes([fmt[ext]]) + open(f, "rb").read())
PY
