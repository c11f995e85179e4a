#!/usr/bin/env bash
# Times Tavoro's start-up: from the start of the process to its main window
# shown at the first idle moment, and the process's peak memory, with no
# wardrobe and with a wardrobe of 5,000 items reopened at start.
#
# Usage: bench/startup.sh [BUILD-FOLDER] [RUNS]
#   BUILD-FOLDER: a Release build with the benchmarks (default: build/, as ./run makes it)
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

measure() {  # $1: label, $2: 1 when the wardrobe must have been reopened
  local i start idle open peak elapsed times=()
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
    printf '%-22s run %d: window shown after %4d ms, peak memory %6.1f MiB (whole run %s)\n' \
      "$1" "$i" "${times[-1]}" "$(awk -v k="$peak" 'BEGIN {print k / 1024}')" "$elapsed"
  done
  printf '%-22s median: %d ms\n' "$1" "$(printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}')"
}

wardrobe=$("$maker" "$work/wardrobes/Big" Big 5000)
echo "Wardrobe of 5,000 items: $(du -h "$wardrobe" | cut -f1) ($wardrobe)"

settings 0 "$wardrobe"
measure "no wardrobe" 0
settings 1 "$wardrobe"
measure "5,000 items reopened" 1
