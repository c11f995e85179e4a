#!/usr/bin/env bash
# A user's first wardrobe, from the outside: the built program runs on its own
# X server (Xvfb) under a window manager (openbox) and is driven by real X
# input (xdotool); afterwards the saved wardrobe (read with tavoro-cli dump)
# and Settings.xml must hold what the user did:
#   create a wardrobe (Ctrl+N, a name, Enter); add a collection through the
#   placeholder row; paste three photos into the item list (Ctrl+V with their
#   file URLs on the clipboard) and save (Ctrl+S); a second writer (tavoro-cli
#   import, refused while the window holds the wardrobe's lock, then forced
#   while a delete of ours is unsaved) adds a fourth photo, which the window,
#   asked, reads in and keeps to the end; select an item, add a tag
#   and type a value in the tag pane; rename the item in the list (F2, a name,
#   Enter); delete the last item (Delete, Yes) and take the delete back
#   (Ctrl+Z); rename the collection and take that back, then do it again and
#   take it back once more (Ctrl+Z, Ctrl+Shift+Z, Ctrl+Z); search with the
#   box (Ctrl+F, a word, Enter); close the main window. A second start must reopen the wardrobe and save it again
#   unchanged.
#
# Usage: tests/blackbox/journey.sh TAVORO TAVORO-CLI
# Exit status: 0 passed, 1 failed, 77 skipped (a tool is missing; ctest
# reports the test as skipped). TAVORO_JOURNEY_KEEP=1 keeps the scratch folder.
#
# Every wait polls a window, a process or a file and ends with a failure at
# its time limit; only processes started here are ended, by their ids.
set -uo pipefail

if [ $# -ne 2 ] || [ ! -x "$1" ] || [ ! -x "$2" ]; then
  echo "usage: $0 TAVORO TAVORO-CLI (both built)" >&2
  exit 1
fi
program_built=$1
cli=$2
root=$(cd "$(dirname "$0")/../.." && pwd)

for tool in Xvfb openbox xdotool xclip xprop cjpeg jq timeout cmp; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIPPED: $tool is missing (scripts/setup.sh installs it)"
    exit 77
  fi
done

work=$(mktemp -d "${TMPDIR:-/tmp}/tavoro-journey-XXXXXX")
started=()       # ids of the processes started here, in order
watched=()       # "id name" of those that must not end by themselves
program_pid=""   # the running program, if any

# A process that has ended and been waited for leaves the list: its id may be
# given to another process later.
forget() {
  local kept=() pid
  for pid in "${started[@]}"; do [ "$pid" = "$1" ] || kept+=("$pid"); done
  started=("${kept[@]}")
}
stop_started() {
  local i pid
  for ((i = ${#started[@]} - 1; i >= 0; i--)); do
    pid=${started[i]}
    kill -0 "$pid" 2>/dev/null || continue
    kill "$pid" 2>/dev/null
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$pid" 2>/dev/null && kill -KILL "$pid" 2>/dev/null
  done
  started=()
}
cleanup() {
  stop_started
  if [ "${TAVORO_JOURNEY_KEEP:-0}" = 1 ]; then echo "kept: $work"; else rm -rf "$work"; fi
}
trap cleanup EXIT
trap 'exit 1' INT TERM

fail() {
  echo "FAILED: $*" >&2
  if [ -n "${DISPLAY:-}" ]; then
    echo "active window: $(timeout 5 xdotool getactivewindow getwindowname 2>/dev/null)" >&2
  fi
  local log
  for log in xvfb openbox program; do
    if [ -s "$work/$log.log" ]; then
      echo "--- $log.log (last lines)" >&2
      tail -n 30 "$work/$log.log" >&2
    fi
  done
  exit 1
}
step() { echo "== $*"; }

watch() { watched+=("$1 $2"); }
unwatch() {
  local kept=() entry
  for entry in "${watched[@]}"; do [ "${entry%% *}" = "$1" ] || kept+=("$entry"); done
  watched=("${kept[@]}")
}

# wait_until SECONDS WHAT COMMAND...: polls COMMAND until it succeeds. The end
# of a watched process (the X server, the window manager, the program) fails
# the wait at once.
wait_until() {
  local limit=$1 what=$2 entry
  shift 2
  local deadline=$((SECONDS + limit))
  until "$@" >/dev/null 2>&1; do
    for entry in "${watched[@]}"; do
      kill -0 "${entry%% *}" 2>/dev/null || fail "${entry#* } ended while waiting for $what"
    done
    ((SECONDS < deadline)) || fail "waited ${limit} s for $what"
    sleep 0.1
  done
}

# X input and questions, each bounded in time.
x() { timeout 20 xdotool "$@" >/dev/null || fail "xdotool $* did not work"; }
active_window_is() {
  local name
  name=$(timeout 5 xdotool getactivewindow getwindowname 2>/dev/null) && [ "$name" = "$1" ]
}
window_named() {  # the name is matched whole, as written
  local pattern
  # shellcheck disable=SC2001 # a class of characters, not one text
  pattern=$(sed 's/[][\\.*^$+?(){}|]/\\&/g' <<<"$1")
  timeout 5 xdotool search --onlyvisible --name "^$pattern\$" 2>/dev/null | head -n 1
}
window_exists() { [ -n "$(window_named "$1")" ]; }

# --- The display: Xvfb tells its number once it listens; openbox is running
# once it has claimed the screen. The server must not reset when its last
# client leaves (as it does by default): an xprop asking while openbox
# connects would leave openbox refused.
step "Xvfb and openbox"
mkdir -p "$work/home/.config" "$work/runtime" "$work/tmp" "$work/program" "$work/wardrobes" "$work/photos"
chmod 700 "$work/runtime"
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$work/runtime" TMPDIR="$work/tmp"
export LANG=C.UTF-8 LC_ALL=
# Two servers starting at once may pick the same free display: the one that
# loses ends at once, and is started again.
display_known() { grep -q '^[0-9]' "$work/display"; }
xvfb_ended() { ! kill -0 "$1"; }
for attempt in 1 2 3; do
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" >>"$work/xvfb.log" 2>&1 &
  started+=($!)
  xvfb_pid=$!
  waited_for() { display_known || xvfb_ended "$xvfb_pid"; }
  wait_until 30 "Xvfb to listen" waited_for
  display_known && break
  wait "$xvfb_pid"
  forget "$xvfb_pid"
  [ "$attempt" -lt 3 ] || fail "Xvfb ended three times before listening"
done
watch "$xvfb_pid" Xvfb
DISPLAY=":$(head -n 1 "$work/display")"
export DISPLAY
openbox >"$work/openbox.log" 2>&1 &
started+=($!)
watch $! openbox
window_manager_ready() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; }
wait_until 30 "openbox to manage the screen" window_manager_ready

# --- The program, in a folder of its own (a copy that is not installed keeps
# Settings.xml beside itself), placed where the panes' positions are known.
cp "$program_built" "$work/program/tavoro"
cat >"$work/program/Settings.xml" <<XML
<?xml version="1.0" encoding="UTF-8" ?>
<TavoroSettings version="1.0" xmlns="http://www.tavoro.example/xmlns/settings">
    <Options />
    <States>
        <Application debut="0" wardrobe_folder="$work/wardrobes" last_wardrobe_active="0" load_last_wardrobe="1" />
        <MainFrame x="40" y="60" width="1000" height="700" maximized="0" active_tab="0" left_pane_width="220" mid_pane_width="375" />
    </States>
    <Info />
</TavoroSettings>
XML

# The window's own area (the frame is openbox's), 1000 x 700: the header is
# 43 pixels high and the command bar 31, so the panes start at 74. With the
# left pane 220 and the middle 375 wide, each followed by a 3-pixel splitter,
# the item list spans 223..598 and the details 601..1000.
readonly panes_top=74 middle_left=223 right_left=601
# Collection rows are 31 pixels high ("All Collections" first).
collection_row_y() { echo $((panes_top + 31 * $1 + 15)); }
# The first thumbnail: 96-pixel pictures in 116-pixel cells, 2 pixels down.
readonly first_entry_x=$((middle_left + 58)) first_entry_y=$((panes_top + 2 + 48))
# The details: a 124-pixel preview and the 28-pixel wear strip over the tag
# pane, whose rows are 28 pixels high, names in the left 160 pixels and values
# right of them.
tag_row_y() { echo $((panes_top + 124 + 28 + 28 * $1 + 14)); }
readonly tag_name_x=$((right_left + 80)) tag_value_x=$((right_left + 160 + 60))

# On X, the program lets the X libraries' own reports under AddressSanitizer
# pass (scripts/asan.supp).
start_program() {
  (cd "$work" && exec env QT_QPA_PLATFORM=xcb ASAN_OPTIONS="${ASAN_OPTIONS:-}:suppressions=$root/scripts/asan.supp" \
    "$work/program/tavoro" >>"$work/program.log" 2>&1) &
  program_pid=$!
  started+=("$program_pid")
  watch "$program_pid" "the program"
}

# Closes the main window as the user does (Alt+F4: openbox asks the window to
# close) and waits for the program to end well.
close_program() {
  local window
  window=$(window_named "$1")
  [ -n "$window" ] || fail "no window \"$1\" to close"
  x windowactivate --sync "$window"
  x key --clearmodifiers alt+F4
  local pid=$program_pid
  program_pid=""
  unwatch "$pid"
  program_ended() { ! kill -0 "$pid"; }
  wait_until 60 "the program to end after its window was closed" program_ended
  wait "$pid"
  local status=$?
  forget "$pid"
  [ "$status" -eq 0 ] || fail "the program ended with status $status"
  if grep -q 'Sanitizer' "$work/program.log"; then fail "a sanitizer reported a fault"; fi
}

# Three small photos of plain colours, made here; the item names come from the
# file names.
make_photo() {  # $1: file, $2 $3 $4: red, green, blue
  awk -v r="$2" -v g="$3" -v b="$4" 'BEGIN { print "P3\n64 48\n255"; for (i = 0; i < 64 * 48; i++) print r, g, b }' |
    cjpeg -quality 90 >"$1" || fail "cjpeg could not make $1"
}
photo_names=("navy shirt" "red shirt" "linen shirt")
make_photo "$work/photos/navy shirt.jpg" 20 30 120
make_photo "$work/photos/red shirt.jpg" 200 20 20
make_photo "$work/photos/linen shirt.jpg" 230 220 200
make_photo "$work/photos/white shirt.jpg" 250 250 250

wardrobe_name="Black Box Wardrobe"
main_title="Tavoro Wardrobe Manager"
open_title="$main_title - [$wardrobe_name]"
wardrobe_file="$work/wardrobes/$wardrobe_name/$wardrobe_name.twd"
photo_folder="$work/wardrobes/$wardrobe_name/_Wardrobe_Photos_"

step "start: the home page"
start_program
wait_until 60 "the main window" window_exists "$main_title"
main=$(window_named "$main_title")
x windowactivate --sync "$main"
wait_until 20 "the main window to be active" active_window_is "$main_title"

step "Ctrl+N: the New Wardrobe dialog, a name, Enter"
x key --clearmodifiers ctrl+n
wait_until 30 "the New Wardrobe dialog to be active" active_window_is "New Wardrobe"
# The proposed name is selected: typing replaces it.
x type --delay 20 "$wardrobe_name"
x key Return
wait_until 30 "the wardrobe's page" active_window_is "$open_title"

step "a collection through the placeholder row"
x mousemove --window "$main" 100 "$(collection_row_y 1)" click --repeat 2 --delay 80 1
x type --delay 20 "Shirts"
x key Return

step "Ctrl+V: three photos pasted into the item list"
uris="$work/uris.txt"
for name in "${photo_names[@]}"; do
  printf 'file://%s\r\n' "$(jq -rn --arg p "$work/photos/$name.jpg" '$p | @uri' | sed 's/%2F/\//g')"
done >"$uris"
xclip -quiet -selection clipboard -t text/uri-list -i "$uris" >"$work/xclip.log" 2>&1 &
started+=($!)
xclip_pid=$!
clipboard_ready() { timeout 5 xclip -o -selection clipboard -t TARGETS | grep -q text/uri-list; }
wait_until 20 "the clipboard to offer the files" clipboard_ready
# A click into the empty list gives it the focus: Ctrl+V pastes only there.
x mousemove --window "$main" $((middle_left + 180)) 400 click 1
x key --clearmodifiers ctrl+v
photos_copied() { [ "$(find "$photo_folder" -type f -name 'P_*.jpg' | wc -l)" -eq 3 ]; }
wait_until 60 "the three photos to be copied into the wardrobe" photos_copied
wait_until 30 "the main window to be active again" active_window_is "$open_title"
kill "$xclip_pid" 2>/dev/null
wait "$xclip_pid" 2>/dev/null
forget "$xclip_pid"

step "Ctrl+S: the collection and its three items are saved"
x key --clearmodifiers ctrl+s
dump() { "$cli" dump "$wardrobe_file" 2>/dev/null; }
saved_items() {
  [ "$(dump | jq -c '[.collections[] | {name, items: [.items[].name]}]')" = \
    '[{"name":"Shirts","items":["navy shirt","red shirt","linen shirt"]}]' ]
}
wait_until 30 "the saved wardrobe to hold the collection \"Shirts\" with its three items" saved_items

step "a second writer: tavoro-cli import, refused while the window has the wardrobe, then forced over a change of ours"
refusal=$("$cli" import "$wardrobe_file" Shirts "$work/photos/white shirt.jpg" 2>&1) &&
  fail "tavoro-cli imported into a wardrobe open in the window: $refusal"
grep -qF "is open in Tavoro by" <<<"$refusal" || fail "the refusal does not say who has the wardrobe: $refusal"
# A change of ours not yet saved: the window must ask before it takes theirs in.
x mousemove --window "$main" "$first_entry_x" "$first_entry_y" click 1
x key Delete
wait_until 30 "the delete question" active_window_is "Confirm Item Delete"
x key --clearmodifiers alt+y
wait_until 30 "the main window again" active_window_is "$open_title"
"$cli" import --force "$wardrobe_file" Shirts "$work/photos/white shirt.jpg" >"$work/import.log" 2>&1 ||
  fail "the forced import failed: $(cat "$work/import.log")"
photo_names+=("white shirt")
wait_until 30 "the question about the other program's change" active_window_is "$main_title"
# Yes: their file read anew (our delete is lost); the checks at the end find their item.
x key --clearmodifiers alt+y
wait_until 30 "the main window again" active_window_is "$open_title"

step "the first item selected: a tag and its value in the tag pane"
x mousemove --window "$main" "$first_entry_x" "$first_entry_y" click 1
x mousemove --window "$main" "$tag_name_x" "$(tag_row_y 0)" click --repeat 2 --delay 80 1
x type --delay 20 "Colour"
x key Return
x mousemove --window "$main" "$tag_value_x" "$(tag_row_y 0)" click 1
x type --delay 20 "navy blue"
x key Return

step "the item renamed in the list (F2, a name, Enter)"
# Back in the list, where the item is still the one selected. The Enter ends
# the edit only: were the viewer opened as well, it would take the search's
# keys below.
x mousemove --window "$main" "$first_entry_x" "$first_entry_y" click 1
x key F2
# The name is selected in the editor: typing replaces it.
x type --delay 20 "navy oxford"
x key Return

step "the last item deleted, then Ctrl+Z: it comes back, its photo never left"
x mousemove --window "$main" $((first_entry_x + 2 * 116)) "$first_entry_y" click 1
x key Delete
wait_until 30 "the delete question" active_window_is "Confirm Item Delete"
x key --clearmodifiers alt+y
wait_until 30 "the main window again" active_window_is "$open_title"
photos_kept() { [ "$(find "$photo_folder" -type f -name 'P_*.jpg' | wc -l)" -eq 4 ]; }
photos_kept || fail "a delete took a photo off the disk before any save"
x key --clearmodifiers ctrl+z

step "the collection renamed, Ctrl+Z, Ctrl+Shift+Z, Ctrl+Z: the name as it was"
x mousemove --window "$main" 100 "$(collection_row_y 1)" click --repeat 2 --delay 80 1
x type --delay 20 "Tops"
x key Return
x key --clearmodifiers ctrl+z
x key --clearmodifiers ctrl+shift+z
x key --clearmodifiers ctrl+z

step "Ctrl+F: a search typed and committed"
x key --clearmodifiers ctrl+f
x type --delay 40 "navy"
x key Return

step "the main window closed: the wardrobe is saved at exit"
close_program "$open_title"

step "checks: the saved wardrobe"
[ -f "$wardrobe_file" ] || fail "no wardrobe file at $wardrobe_file"
saved=$(dump) || fail "tavoro-cli could not read the saved wardrobe"
check() {  # $1: what, $2: jq expression that must be true of the dump
  [ "$(jq -r "$2" <<<"$saved")" = true ] || fail "$1 (the dump: $saved)"
}
check "the wardrobe's name" ".name == \"$wardrobe_name\""
check "one collection, \"Shirts\", selected when saved" \
  '[.collections[].name] == ["Shirts"] and .hot_id == .collections[0].id'
check "the four items (the last from the second writer), the first renamed" \
  '[.collections[0].items[].name] == ["navy oxford", "red shirt", "linen shirt", "white shirt"]'
check "one tag, \"Colour\"" '[.collections[0].tags[].name] == ["Colour"]'
# shellcheck disable=SC2016 # jq's variables
check "the renamed item's value for the tag, and no other values" \
  '.collections[0] as $c | ($c.tags[0].id) as $tag |
   $c.items[0].records == [{"tag_id": $tag, "value": "navy blue"}] and
   ([$c.items[1:][].records | length] == [0, 0, 0])'
for i in 0 1 2 3; do
  file=$(jq -r ".collections[0].items[$i].photos[0].file" <<<"$saved")
  [ "$(jq -r ".collections[0].items[$i].photos | length" <<<"$saved")" = 1 ] || fail "item $i has not one photo"
  cmp -s "$file" "$work/photos/${photo_names[i]}.jpg" ||
    fail "the photo of item $i ($file) is not a copy of \"${photo_names[i]}.jpg\""
done

step "checks: Settings.xml"
settings=$(cat "$work/program/Settings.xml")
section() { sed -n "/<$1>/,/<\/$1>/p" <<<"$settings"; }
grep -qF "<File path=\"$wardrobe_file\"" <<<"$(section RecentFiles)" || fail "the wardrobe is not among the recent ones: $settings"
grep -qF '<Search text="navy"' <<<"$(section MRUSearches)" || fail "the search is not among the recent searches: $settings"
grep -qF '<Search text="navy"' <<<"$(section AllSearches)" || fail "the search is not among the known searches: $settings"
grep -qF 'last_wardrobe_active="1"' <<<"$settings" || fail "the open wardrobe was not recorded: $settings"
grep -qF 'x="40" y="60" width="1000" height="700" maximized="0" active_tab="1"' <<<"$settings" ||
  fail "the window's placement or page was not kept: $settings"

step "a second start reopens the wardrobe; closing saves it unchanged"
start_program
wait_until 60 "the wardrobe to reopen" window_exists "$open_title"
close_program "$open_title"
[ "$(dump)" = "$saved" ] || fail "the wardrobe changed when reopened and saved: $(dump)"

echo "PASSED: the journey ran in ${SECONDS} s"
