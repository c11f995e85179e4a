#!/usr/bin/env bash
# imaging-vs-djpeg.sh [BENCH_IMAGING] [REPETITIONS]: times loadFitted of a
# 4000 x 3000 photo into 96 x 96 (bench_imaging) and, in the same run and on
# the same JPEG, libjpeg-turbo's own full decode "djpeg -bmp", the floor for
# decoding the whole picture. Prints each median and the ratios to the floor.
# Use a Release build without sanitizers, e.g.
#   cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DTAVORO_BUILD_UI=OFF
#   cmake --build build-release --target bench_imaging
#   bench/imaging-vs-djpeg.sh build-release/bin/bench_imaging
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bench=${1:-$root/build/bin/bench_imaging}
repetitions=${2:-15}
command -v djpeg >/dev/null || { echo "djpeg not found (Debian package libjpeg-turbo-progs)" >&2; exit 1; }
[ -x "$bench" ] || { echo "$bench not found; build the target bench_imaging first" >&2; exit 1; }

work=$(mktemp -d "${TMPDIR:-/tmp}/tavoro-bench-XXXXXX")
trap 'rm -rf "$work"' EXIT

TAVORO_BENCH_DIR="$work" "$bench" --benchmark_repetitions="$repetitions" \
  --benchmark_report_aggregates_only=true --benchmark_out="$work/results.csv" --benchmark_out_format=csv >&2

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# djpeg writes a bottom-up BMP of the whole picture; its time includes
# starting the process (about a millisecond).
djpeg -bmp -outfile /dev/null "$work/photo.jpg"  # warm the page cache
for _ in $(seq "$repetitions"); do
  start=$(date +%s%N)
  djpeg -bmp -outfile /dev/null "$work/photo.jpg"
  end=$(date +%s%N)
  awk -v a="$start" -v b="$end" 'BEGIN { printf "%.3f\n", (b - a) / 1000000 }' 
done >"$work/djpeg.txt"
floor=$(median <"$work/djpeg.txt")

echo "photo: 4000 x 3000; JPEG $(stat -c %s "$work/photo.jpg") bytes (quality 90)"
printf '%-48s %10s %8s\n' "case" "median ms" "x floor"
printf '%-48s %10.2f %8s\n' "djpeg -bmp photo.jpg (floor)" "$floor" "1.00"
grep '_median"' "$work/results.csv" | while IFS=, read -r name _ real _; do
  name=${name//\"/}
  name=${name%_median}
  printf '%-48s %10.2f %8.2f\n' "$name" "$real" "$(awk -v a="$real" -v b="$floor" 'BEGIN { print a / b }')"
done
