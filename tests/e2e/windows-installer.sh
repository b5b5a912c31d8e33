#!/usr/bin/env bash
# The Windows installer's round trip under Wine, in a Windows prefix of its own: builds the
# installer; installs it silently on an English Windows and removes it; installs it on a
# Japanese one, checks the programs' icon and version details, starts the program from its
# Start menu entry until the window maps, uninstalls it and checks that nothing of it is left,
# in files or registry. Usage: windows-installer.sh SOURCE_DIR WM_CLOSE VERSION
# (runs itself on an X server of its own)
set -euo pipefail
source=$1 wm_close=$2 version=$3
if [ -z "${INSTALLER_TEST_INSIDE:-}" ]; then
  INSTALLER_TEST_INSIDE=1 exec "$(dirname "$0")/with-xvfb.sh" "-screen 0 1024x768x24 -noreset" "$0" "$@"
fi
fail() { echo "FAIL: $*" >&2; exit 1; }
wine=/usr/lib/wine/wine64
work=$(mktemp -d)
# No menu entries of Wine's own for the Start menu entry, in the real desktop's menus.
export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
openbox >/dev/null 2>&1 &
wm=$!
pid=""
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
  /usr/lib/wine/wineserver -k 2>/dev/null || true
  kill "$wm" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

installer=$(CMAKE_BUILD_PARALLEL_LEVEL=${CMAKE_BUILD_PARALLEL_LEVEL:-2} \
            "$source/scripts/package.sh" windows "$source/build-package-windows" 2>/dev/null | grep '\.exe$')
echo "built $installer"
# A new Windows, its registry written out; then its services started for the whole test, with
# no output (Wine keeps the output of the program that starts them open until they end).
env -u DISPLAY $wine wineboot --init >/dev/null 2>&1
/usr/lib/wine/wineserver -w
# What of it is on the system: files and registry entries that name it (the registry as the
# stopped server wrote it out).
leftovers() {
  { find "$WINEPREFIX/drive_c" -iname '*ship build planner*' -o -iname 'shipplanner*' -o -name '造船計画*'
    grep -il 'ship build planner\|shipplanner' "$WINEPREFIX"/*.reg; } 2>/dev/null || true
}
[ -z "$(leftovers)" ] || fail "the new prefix already holds the program"
/usr/lib/wine/wineserver -p
$wine wineboot >/dev/null 2>&1
folder="$WINEPREFIX/drive_c/Program Files/Ship Build Planner"
# The uninstaller copies itself away and returns at once: wait for the folder to go.
uninstall() {
  $wine "$folder/Uninstall.exe" /S >/dev/null 2>&1
  for _ in $(seq 120); do
    [ -e "$folder" ] || return 0
    sleep 0.5
  done
}

# Windows in English: the entry bears the English name, in the same folder.
LC_ALL=C.UTF-8 $wine "$installer" /S >/dev/null 2>&1
[ -n "$(find "$WINEPREFIX/drive_c" -path '*/Ship Build Planner/Ship Build Planner.lnk')" ] \
  || fail "no Start menu entry under the English name"
LC_ALL=C.UTF-8 uninstall
echo "installed and removed in English"

# Windows in Japanese from here on.
export LC_ALL=ja_JP.UTF-8
$wine "$installer" /S >/dev/null 2>&1
for f in shipplanner.exe shipplanner-check.exe shipplanner-launcher.exe Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll \
         platforms/qwindows.dll styles/qwindowsvistastyle.dll libstdc++-6.dll data/ship_varietion.csv \
         data/ship_material.csv LICENSE README.md licenses/Qt/LGPL-3.0-only.txt licenses/Qt/SOURCE.txt \
         Uninstall.exe; do
  [ -s "$folder/$f" ] || fail "$f is not installed"
done
# Each program carries the icon and the version details Explorer shows.
for exe in shipplanner shipplanner-check shipplanner-launcher; do
  wrestool -l --type=group_icon "$folder/$exe.exe" | grep -q . || fail "$exe.exe carries no icon"
  details=$(exiftool -s3 -ProductName -ProductVersion -FileVersion "$folder/$exe.exe" | paste -sd '|')
  [ "$details" = "Ship Build Planner|$version|$version" ] || fail "$exe.exe's version details: $details"
done
link=$(find "$WINEPREFIX/drive_c" -path '*/造船計画/造船計画.lnk' | head -n 1)
[ -n "$link" ] || fail "no Start menu entry under the Japanese name"
echo "installed in Japanese, with a Start menu entry; icon and version details on every program"
out=$(cd "$folder" && $wine shipplanner-check.exe . 2>/dev/null) && [ -z "$out" ] \
  || fail "the installed checker does not pass the installed sample data"

# The Start menu entry as a user clicks it: the window maps; then it is closed.
$wine start /wait /unix "$link" >/dev/null 2>&1 &
pid=$!
win=$(timeout 60 xdotool search --sync --onlyvisible --name '^MainForm$' 2>/dev/null | head -n 1) || true
[ -n "$win" ] || fail "the Start menu entry showed no window"
echo "window mapped"
# Wine's "start" may return before the program ends: wait for the program and the launcher.
running() { pgrep -f 'shipplanner(-launcher)?\.exe' >/dev/null; }
for i in $(seq 300); do
  running || break
  [ $((i % 20)) -eq 1 ] && "$wm_close" "$win"
  sleep 0.1
done
running && fail "the program did not end when its window was closed"
wait "$pid" 2>/dev/null || true
pid=""

uninstall
/usr/lib/wine/wineserver -k
/usr/lib/wine/wineserver -w
left=$(leftovers)
[ -z "$left" ] || fail "left after uninstalling: $left $(grep -i 'ship build planner\|shipplanner' "$WINEPREFIX"/*.reg)"
echo "uninstalled, nothing left"
echo "1 passed, 0 failed"
