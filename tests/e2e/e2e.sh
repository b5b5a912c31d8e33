#!/usr/bin/env bash
# End to end on a real X server: the real binary, real mouse and key events, a window manager's close.
# Usage: e2e.sh SHIPPLANNER WM_CLOSE DATA_DIR   (runs itself on an X server of its own)
set -euo pipefail
app=$1 wm_close=$2 data=$3

if [ -z "${E2E_INSIDE:-}" ]; then
  # -noreset: the server must not reset between our short-lived clients.
  E2E_INSIDE=1 exec "$(dirname "$0")/with-xvfb.sh" "-screen 0 1024x768x24 -noreset" "$0" "$@"
fi

work=$(mktemp -d)
pid="" wm=""
# A window manager when asked (E2E_WINDOW_MANAGER): Wine waits for one whenever it hides a window.
if [ -n "${E2E_WINDOW_MANAGER:-}" ]; then
  $E2E_WINDOW_MANAGER >/dev/null 2>&1 &
  wm=$!
fi
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
  [ -n "$wm" ] && kill "$wm" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# Waits (up to 30 s) for a visible window whose title is exactly $1; prints its id.
find_window() {
  local id
  id=$(timeout 30 xdotool search --sync --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1) || true
  [ -n "$id" ] || fail "no window '$1' appeared"
  echo "$id"
}

# Asks window $2 to close and waits for the program to end within $1 seconds; fails on a
# non-zero exit code. Asks again every 2 s, as a user would click again, in case a slow
# (sanitizer) build had not yet taken the first request.
close_and_expect_exit_zero() {
  local status=0 i
  for i in $(seq $(($1 * 10))); do
    kill -0 "$pid" 2>/dev/null || break
    [ $((i % 20)) -eq 1 ] && "$wm_close" "$2"
    sleep 0.1
  done
  kill -0 "$pid" 2>/dev/null && fail "the program did not end within $1 s"
  wait "$pid" || status=$?
  pid=""
  [ "$status" -eq 0 ] || fail "the program ended with $status"
}

echo "== 1. start on test data, open the first ship, close the window"
mkdir -p "$work/run1"
cp -r "$data" "$work/run1/data"
(cd "$work/run1" && exec "$app") 2>/dev/null &
pid=$!
win=$(find_window MainForm)
sleep 0.3
# The page control: right of the list, the full client height.
import -window "$win" -crop 530x453+165+0 +repage "$work/before.png"
xdotool mousemove --window "$win" 30 5 click --repeat 2 --delay 60 1
# Poll: on a loaded machine the new tab may take a moment to be painted.
changed=0
for _ in $(seq 40); do
  sleep 0.25
  import -window "$win" -crop 530x453+165+0 +repage "$work/after.png"
  changed=$(compare -metric AE "$work/before.png" "$work/after.png" null: 2>&1 || true)
  [ "${changed%%.*}" -gt 5000 ] && break
done
echo "pixels changed in the page control: $changed"
[ "${changed%%.*}" -gt 5000 ] || fail "no tab opened (only $changed pixels changed)"
close_and_expect_exit_zero 30 "$win"
echo "closed with exit code 0"

echo "== 2. start without data: two messages, then the window"
mkdir -p "$work/run2"
(cd "$work/run2" && exec "$app") 2>/dev/null &
pid=$!
for n in 1 2; do
  box=$(find_window shipplanner)
  xdotool search --onlyvisible --name '^MainForm$' >/dev/null 2>&1 && fail "the window showed before message $n was accepted"
  echo "message box $n appeared"
  # Close it (asking again every 2 s) and wait until it is gone.
  for i in $(seq 300); do
    [ $((i % 20)) -eq 1 ] && "$wm_close" "$box"
    sleep 0.1
    xdotool search --onlyvisible --name '^shipplanner$' 2>/dev/null | grep -qx "$box" || break
  done
done
win=$(find_window MainForm)
echo "window opened after both messages"
close_and_expect_exit_zero 30 "$win"
echo "== 3. a keyboard session: open a ship, choose a material, change the build, close the tab"
# Ship "Keys" is made so that the build the keys make shows figures that other boxes of its
# tab show as well: cabins 4 raised twice reach the maximum 6; at -1 % the capacity of 100 is
# 99 (its rowing power) and the hold 89 (its wave resistance); material 1 (0.6) costs 606
# (its turning).
mkdir -p "$work/run3/data"
printf 'name\nFirst,1%s\nKeys,1000,,,99,606,89,,,4,4,92,0,1,1,1,,,,,,,,,,-1,,,,\n' "$(printf ',%.0s' $(seq 28))" \
  >"$work/run3/data/ship_varietion.csv"
printf 'name\nFirst%s\nKeys%s\n' "$(printf ',1/2/3%.0s' $(seq 11))" "$(printf ',1/2/3%.0s' $(seq 11))" \
  >"$work/run3/data/ship_material.csv"
(cd "$work/run3" && exec "$app") 2>/dev/null &
pid=$!
win=$(find_window MainForm)
xdotool windowfocus --sync "$win" 2>/dev/null || true
sleep 0.3
shot() { import -window "$win" -crop 530x453+165+0 +repage "$work/$1.png"; }
keys() { xdotool key --delay 80 "$@"; sleep 0.4; }
# The window's first paint may come well after it maps (an emulated program sets up its fonts
# then): two screenshots a moment apart that agree and are not all black.
for _ in $(seq 40); do
  shot empty
  sleep 0.25
  shot settled
  [ "$(convert "$work/empty.png" -format '%[fx:mean]' info:)" != 0 ] &&
    [ "$(compare -metric AE "$work/empty.png" "$work/settled.png" null: 2>&1 || true)" = 0 ] && break
done
keys End Return # select the last ship and open it
# The frame is found by its own background colour; its left and top in the screenshot.
origin=""
for _ in $(seq 40); do
  shot fresh
  origin=$(convert "$work/fresh.png" -fill black +opaque "rgb(230,255,251)" -trim -format '%X %Y' info: | tr -d +)
  [ "$origin" != "0 0" ] && break
  sleep 0.25
done
[ "$origin" != "0 0" ] || fail "Return opened no tab"
read -r fx fy <<<"$origin"
# Whether, in screenshot $1, the value boxes at frame places $2,$3 and $4,$5 show the same text.
same_text() {
  convert "$work/$1.png" -crop "44x15+$((fx + $2 + 1))+$((fy + $3 + 1))" +repage "$work/a.png"
  convert "$work/$1.png" -crop "44x15+$((fx + $4 + 1))+$((fy + $5 + 1))" +repage "$work/b.png"
  [ "$(compare -metric AE "$work/a.png" "$work/b.png" null: 2>&1 || true)" = 0 ]
}
same_text fresh 176 136 216 152 && fail "the screenshot cannot tell 4 cabins from 6"
keys Tab Tab Tab Tab Tab # three type boxes, the tab row, the material list
keys Down Return         # material 1
keys Tab Tab Right Right # past the ratio spinner to the cabins spinner: two more cabins
keys shift+Tab Left      # back to the ratio spinner: one percent less
shot keyed
same_text keyed 176 136 216 152 || fail "two Right presses did not raise the cabins to 6"
same_text keyed 376 40 216 80 || fail "one Left press did not lower the capacity to 99"
same_text keyed 176 200 128 96 || fail "the hold is not 89"
same_text keyed 144 32 40 96 || fail "Return on material 1 did not give the price 606"
echo "figures after the keys: cabins 6, capacity 99, hold 89, price 606"
keys ctrl+w
shot closed
changed=$(compare -metric AE "$work/empty.png" "$work/closed.png" null: 2>&1 || true)
[ "${changed%%.*}" -lt 200 ] || fail "Ctrl+W left the tab open ($changed pixels changed)"
echo "Ctrl+W closed the tab"
close_and_expect_exit_zero 30 "$win"
echo "1 passed, 0 failed"
