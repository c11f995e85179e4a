#!/usr/bin/env bash
# Times tavoro-cli's web catalogue and backup on generated wardrobes, as a
# script would run them, each beside a floor:
#   - the web catalogue of a wardrobe of ITEMS items whose photos are
#     12-megapixel JPEGs (hard links to one file), in photos per second,
#     beside libjpeg's djpeg decoding that photo, whole and at half size
#     (photos per second, one process each, on one core);
#   - the backup of a wardrobe of BACKUP-ITEMS items (a 640 x 480 JPEG each),
#     in files per second, beside `zip -r` of the same folder.
#
# Usage: bench/export.sh [BUILD-FOLDER] [ITEMS] [BACKUP-ITEMS]
#   BUILD-FOLDER: a Release build with the benchmarks (default: build/)
#   ITEMS: 5000 by default; BACKUP-ITEMS: 50000 by default
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
items=${2:-5000}
backupItems=${3:-50000}
cli=$build/bin/tavoro-cli
maker=$build/bin/tavoro-make-wardrobe
for tool in "$cli" "$maker"; do
  [ -x "$tool" ] || { echo "export.sh: $tool is missing (build the Release tree with benchmarks first)" >&2; exit 1; }
done
for tool in djpeg zip; do
  command -v "$tool" >/dev/null || { echo "export.sh: $tool is not installed" >&2; exit 1; }
done

work=$(mktemp -d "${TMPDIR:-/tmp}/tavoro-export-XXXXXX")
trap 'rm -rf "$work"' EXIT
ms() { echo $(( ($2 - $1) / 1000000 )); }
rate() { echo $(( $1 * 1000 / ($2 > 0 ? $2 : 1) )); }

echo "== Web catalogue: $items items, 4000 x 3000 JPEG photos"
file=$("$maker" --photos --photo-size 4000x3000 "$work/catalogue" Catalogue "$items" 250)
sync
start=$(date +%s%N)
"$cli" export "$file" --format html "$work/catalogue-out" >/dev/null
end=$(date +%s%N)
t=$(ms "$start" "$end")
pictures=$(find "$work/catalogue-out/pictures" -name '*.jpg' | wc -l)
echo "tavoro-cli export --format html: $items photos ($pictures pictures written) in $t ms, $(rate "$items" "$t") photos/s"
rm -rf "$work/catalogue-out"
runs=20
start=$(date +%s%N)
for _ in $(seq "$runs"); do djpeg -outfile /dev/null "$work/catalogue/photo.jpg"; done
end=$(date +%s%N)
t=$(ms "$start" "$end")
echo "floor, djpeg of the same photo $runs times: $t ms, $(rate "$runs" "$t") photos/s on one core"
start=$(date +%s%N)
for _ in $(seq "$runs"); do djpeg -scale 1/2 -outfile /dev/null "$work/catalogue/photo.jpg"; done
end=$(date +%s%N)
t=$(ms "$start" "$end")
echo "floor, djpeg -scale 1/2 (the reduction the catalogue decodes at) $runs times: $t ms, $(rate "$runs" "$t") photos/s on one core"
rm -rf "$work/catalogue"

echo "== Backup: $backupItems items, 640 x 480 JPEG photos"
file=$("$maker" --photos "$work/backup" Backup "$backupItems" 100)
folder=$(dirname "$file")
files=$(( $(find "$folder/_Wardrobe_Photos_" -type f | wc -l) + 1 ))
sync
start=$(date +%s%N)
"$cli" backup "$file" "$work/backup.zip" >/dev/null
end=$(date +%s%N)
t=$(ms "$start" "$end")
echo "tavoro-cli backup (written and read back): $files files in $t ms, $(rate "$files" "$t") files/s, $(( $(stat -c %s "$work/backup.zip") >> 20 )) MiB"
rm -f "$work/backup.zip"
sync
start=$(date +%s%N)
(cd "$folder" && zip -r -q "$work/floor.zip" "$(basename "$file")" _Wardrobe_Photos_)
end=$(date +%s%N)
t=$(ms "$start" "$end")
echo "floor, zip -r of the same folder: $files files in $t ms, $(rate "$files" "$t") files/s, $(( $(stat -c %s "$work/floor.zip") >> 20 )) MiB"
