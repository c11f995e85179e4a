#!/usr/bin/env bash
# Times `tavoro-cli import` of the benchmark photos (500 JPEG files of
# 2000 x 1500, made by bench_thumbnails into BUILD/bench-cache/thumbnails)
# into a fresh wardrobe: filtering, copying, and saving, as a script would
# run it. Prints each run and the median in files per second.
#
# Usage: bench/import.sh [BUILD-FOLDER] [RUNS]
#   BUILD-FOLDER: a Release build with the benchmarks (default: build/, as ./run makes it)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
runs=${2:-5}
cli=$build/bin/tavoro-cli
maker=$build/bin/tavoro-make-wardrobe
photos=$build/bench-cache/thumbnails
for tool in "$cli" "$maker"; do
  [ -x "$tool" ] || { echo "import.sh: $tool is missing (build the Release tree with benchmarks first)" >&2; exit 1; }
done
count=$(find "$photos" -maxdepth 1 -name '*.jpg' 2>/dev/null | wc -l)
[ "$count" -gt 0 ] || { echo "import.sh: no photos in $photos (run $build/bin/bench_thumbnails once to make them)" >&2; exit 1; }

work=$(mktemp -d "${TMPDIR:-/tmp}/tavoro-import-XXXXXX")
trap 'rm -rf "$work"' EXIT
rates=()
for run in $(seq "$runs"); do
  rm -rf "$work/w"
  mkdir -p "$work/w"
  file=$("$maker" "$work/w" Bench 1)
  sync
  start=$(date +%s%N)
  "$cli" import "$file" "Collection 1" "$photos" --yes >"$work/out.json" 2>/dev/null
  end=$(date +%s%N)
  added=$(grep -o '"added": *[0-9]*' "$work/out.json" | grep -o '[0-9]*$')
  [ "$added" = "$count" ] || { echo "import.sh: $added of $count files added" >&2; exit 1; }
  ms=$(( (end - start) / 1000000 ))
  rate=$(( count * 1000 / (ms > 0 ? ms : 1) ))
  echo "run $run: $count files in $ms ms, $rate files/s"
  rates+=("$rate")
done
median=$(printf '%s\n' "${rates[@]}" | sort -n | sed -n "$(( (runs + 1) / 2 ))p")
echo "median: $median files/s"
