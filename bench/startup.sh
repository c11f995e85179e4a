#!/usr/bin/env bash
# Times Tavoro's start-up: from the start of the process to its main window
# shown at the first idle moment, and the process's peak memory, with no
# wardrobe, with an empty wardrobe reopened at start, and with a large
# wardrobe reopened at start (every item's photo on disk, the first
# collection shown). The floors printed beside the large wardrobe's figures:
# the same start with the empty wardrobe, and reading its file plainly (cat).
#
# Usage: bench/startup.sh [BUILD-FOLDER] [RUNS] [ITEMS] [ITEMS-PER-COLLECTION]
#   BUILD-FOLDER: a Release build with the benchmarks (default: build/, as ./run makes it)
#   RUNS: 5; ITEMS: 5000; ITEMS-PER-COLLECTION: 250 (50000 100: 500 collections)
#
# The program runs on Qt's offscreen platform from a scratch copy (its
# Settings.xml stays beside it), with TAVORO_EXIT_AT_FIRST_IDLE set: once its
# window is shown and painted and the event loop goes idle, it prints
# "first-idle-epoch-ns <time> wardrobe-open <0|1>" and quits.
# The time is taken from just before the process is started; /usr/bin/time -v
# gives the peak resident memory.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
runs=${2:-5}
items=${3:-5000}
per_collection=${4:-250}
program=$build/bin/tavoro
maker=$build/bin/tavoro-make-wardrobe
for tool in "$program" "$maker" /usr/bin/time; do
  [ -x "$tool" ] || { echo "startup.sh: $tool is missing (build the Release tree with benchmarks first)" >&2; exit 1; }
done

work=$(mktemp -d "${TMPDIR:-/tmp}/tavoro-startup-XXXXXX")
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/program" "$work/home" "$work/wardrobes"
cp "$program" "$work/program/tavoro"
cp "$root/src/app/Help.html" "$work/program/"
export QT_QPA_PLATFORM=offscreen HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$work"
export TAVORO_EXIT_AT_FIRST_IDLE=1

settings() {  # $1: 1 to reopen the recent wardrobe $2
  cat >"$work/program/Settings.xml" <<XML
<?xml version="1.0" encoding="UTF-8" ?>
<TavoroSettings version="1.0" xmlns="http://www.tavoro.example/xmlns/settings">
    <Options />
    <States>
        <Application debut="0" last_wardrobe_active="$1" load_last_wardrobe="1" />
        <MainFrame x="40" y="40" width="920" height="640" maximized="0" active_tab="1" />
        <RecentFiles>
            <File path="$2" />
        </RecentFiles>
    </States>
    <Info />
</TavoroSettings>
XML
}

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

# Sets median_ms and median_peak_kib.
measure() {  # $1: label, $2: 1 when the wardrobe must have been reopened
  local i start idle open peak elapsed times=() peaks=()
  for i in $(seq "$runs"); do
    start=$(date +%s%N)
    /usr/bin/time -v -o "$work/time.txt" "$work/program/tavoro" >"$work/out.txt"
    idle=$(awk '/^first-idle-epoch-ns/ {print $2}' "$work/out.txt")
    [ -n "$idle" ] || { echo "startup.sh: the program did not report its first idle moment" >&2; exit 1; }
    open=$(awk '/^first-idle-epoch-ns/ {print $4}' "$work/out.txt")
    [ "$open" = "$2" ] || { echo "startup.sh: wardrobe-open was $open, expected $2" >&2; exit 1; }
    peak=$(awk -F': ' '/Maximum resident set size/ {print $2}' "$work/time.txt")
    elapsed=$(awk -F': ' '/Elapsed \(wall clock\)/ {print $2}' "$work/time.txt")
    times+=($(((idle - start) / 1000000)))
    peaks+=("$peak")
    printf '%-26s run %d: window shown after %4d ms, peak memory %6.1f MiB (whole run %s)\n' \
      "$1" "$i" "${times[-1]}" "$(awk -v k="$peak" 'BEGIN {print k / 1024}')" "$elapsed"
  done
  median_ms=$(printf '%s\n' "${times[@]}" | median)
  median_peak_kib=$(printf '%s\n' "${peaks[@]}" | median)
  printf '%-26s median: %d ms, peak memory %.1f MiB\n' "$1" "$median_ms" "$(awk -v k="$median_peak_kib" 'BEGIN {print k / 1024}')"
}

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.1f", a / b; else print "-" }'; }

empty=$("$maker" "$work/wardrobes/Empty" Empty 0)
wardrobe=$("$maker" --photos "$work/wardrobes/Big" Big "$items" "$per_collection")
echo "Wardrobe of $items items, $per_collection to a collection: $(du -h "$wardrobe" | cut -f1) ($wardrobe)"

# The floor of reading the file: its bytes, with the page cache warm as for the program.
cat "$wardrobe" >/dev/null
reads=()
for _ in $(seq "$runs"); do
  start=$(date +%s%N)
  cat "$wardrobe" >/dev/null
  reads+=($((($(date +%s%N) - start) / 1000)))
done
read_us=$(printf '%s\n' "${reads[@]}" | median)
printf '%-26s median: %d.%03d ms\n' "plain read of the file" $((read_us / 1000)) $((read_us % 1000))

settings 0 "$wardrobe"
measure "no wardrobe" 0
settings 1 "$empty"
measure "empty wardrobe reopened" 1
empty_ms=$median_ms
empty_peak=$median_peak_kib
settings 1 "$wardrobe"
measure "$items items reopened" 1

echo
echo "$items items reopened: $median_ms ms, $(ratio "$median_ms" "$empty_ms") x the empty wardrobe's start-up" \
  "($empty_ms ms), $(ratio $((median_ms * 1000)) "$read_us") x the plain read of its file"
echo "Peak memory: $(awk -v k="$median_peak_kib" 'BEGIN {printf "%.1f", k / 1024}') MiB," \
  "$(ratio "$median_peak_kib" "$empty_peak") x the empty wardrobe's ($(awk -v k="$empty_peak" 'BEGIN {printf "%.1f", k / 1024}') MiB)"
