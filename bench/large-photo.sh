#!/usr/bin/env bash
# Peak memory and time of `tavoro-cli thumbnail` (a 256 x 256 box) and
# `tavoro-cli convert` (to PNG) on photos of SIDE x SIDE pixels that are small
# files: PNG plain and interlaced, with and without alpha, a run-length BMP
# and a baseline and a progressive JPEG (made by cjpeg from a generated PPM).
# Each command runs under /usr/bin/time; prints one line per file and command.
#
# Usage: bench/large-photo.sh [BUILD-FOLDER] [SIDE]
#   BUILD-FOLDER: a Release build (default: build/); SIDE: default 15000
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
side=${2:-15000}
cli=$build/bin/tavoro-cli
[ -x "$cli" ] || { echo "large-photo.sh: $cli is missing (build the Release tree first)" >&2; exit 1; }
command -v python3 >/dev/null || { echo "large-photo.sh: python3 is needed to make the photos" >&2; exit 1; }

work=$(mktemp -d "${TMPDIR:-/tmp}/tavoro-large-XXXXXX")
trap 'rm -rf "$work"' EXIT

python3 - "$work" "$side" <<'PY'
import struct, sys, zlib
work, side = sys.argv[1], int(sys.argv[2])

def chunk(kind, data):
    return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data) & 0xffffffff)

def png(path, interlaced, alpha):
    channels = 4 if alpha else 3
    full = b''.join(bytes([x * 255 // (side - 1), 255 - x * 255 // (side - 1), x // 97 % 256] + ([200] if alpha else []))
                    for x in range(side))
    z = zlib.compressobj(9)
    out = []
    passes = [(0, 0, 8, 8), (4, 0, 8, 8), (0, 4, 4, 8), (2, 0, 4, 4), (0, 2, 2, 4), (1, 0, 2, 2), (0, 1, 1, 2)]
    for xs, ys, dx, dy in (passes if interlaced else [(0, 0, 1, 1)]):
        row = b''.join(full[x * channels:(x + 1) * channels] for x in range(xs, side, dx))
        rows = (side - ys + dy - 1) // dy
        if not row or rows <= 0:
            continue
        out.append(z.compress(b'\0' + row))
        up = b'\2' + bytes(len(row))  # the row above again
        for _ in range(1, rows):
            out.append(z.compress(up))
    out.append(z.flush())
    header = struct.pack('>IIBBBBB', side, side, 8, 6 if alpha else 2, 0, 0, 1 if interlaced else 0)
    with open(path, 'wb') as f:
        f.write(b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', header) + chunk(b'IDAT', b''.join(out)) + chunk(b'IEND', b''))

def rle_bmp(path):
    row = b''.join(bytes([min(255, side - x), x // 255 % 256]) for x in range(0, side, 255)) + b'\0\0'
    pixels = row * side + b'\0\1'
    palette = b''.join(bytes([i, 40, 90, 0]) for i in range(256))
    offset = 14 + 40 + len(palette)
    info = struct.pack('<IiiHHIIiiII', 40, side, side, 1, 8, 1, len(pixels), 2835, 2835, 256, 0)
    with open(path, 'wb') as f:
        f.write(b'BM' + struct.pack('<IHHI', offset + len(pixels), 0, 0, offset) + info + palette + pixels)

png(work + '/plain.png', False, False)
png(work + '/alpha.png', False, True)
png(work + '/interlaced.png', True, False)
png(work + '/interlaced-alpha.png', True, True)
rle_bmp(work + '/run-length.bmp')
PY
if command -v cjpeg >/dev/null; then
  python3 -c "
import sys
side = $side
row = b''.join(bytes([x % 256, x // 59 % 256, 120]) for x in range(side))
out = sys.stdout.buffer
out.write(b'P6 %d %d 255\n' % (side, side))
for _ in range(side): out.write(row)
" >"$work/photo.ppm"
  cjpeg -quality 85 "$work/photo.ppm" >"$work/baseline.jpg"
  # Progressive: libjpeg holds the coefficients of the whole picture.
  cjpeg -quality 85 -progressive "$work/photo.ppm" >"$work/progressive.jpg"
  rm -f "$work/photo.ppm"
fi

for photo in "$work"/*.png "$work"/*.bmp "$work"/*.jpg; do
  [ -f "$photo" ] || continue
  name=$(basename "$photo")
  size=$(stat -c %s "$photo")
  for what in thumbnail convert; do
    if [ "$what" = thumbnail ]; then
      args=(thumbnail "$photo" "$work/out.png" --box 256 256)
    else
      args=(convert "$photo" "$work/out.png")
    fi
    /usr/bin/time -f '%e %M' -o "$work/time" "$cli" "${args[@]}" >/dev/null 2>"$work/err" || {
      echo "$name ($size bytes) $what: failed: $(head -c 200 "$work/err")"
      continue
    }
    read -r seconds kib <"$work/time"
    echo "$name ($size bytes, ${side}x$side) $what: $seconds s, peak $((kib / 1024)) MiB"
  done
done
