#!/usr/bin/env bash
# Every picture the user guide shows is one that tavoro-screens draws.
# Usage: help-pictures.sh GUIDE.html PICTURE-FOLDER
set -euo pipefail
guide=$1
pictures=$2
missing=0
count=0
for picture in $(grep -o 'src="help/[^"]*"' "$guide" | sed 's/^src="help\///; s/"$//' | sort -u); do
  count=$((count + 1))
  if [ ! -s "$pictures/$picture" ]; then
    echo "the guide shows help/$picture, which is not drawn" >&2
    missing=1
  fi
done
[ "$count" -gt 0 ] || { echo "the guide shows no pictures" >&2; exit 1; }
exit "$missing"
