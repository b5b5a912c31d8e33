#!/usr/bin/env bash
# Builds the Debian package, installs it with apt-get, checks its files and that the installed
# launcher shows the window on Xvfb, then removes it and checks nothing of it is left.
# Changes the system's packages: needs root, skipped (77) otherwise. Usage: package.sh SOURCE_DIR
set -euo pipefail
[ "$(id -u)" -eq 0 ] || { echo "skipped: needs root"; exit 77; }
source=$1
if [ -z "${PACKAGE_TEST_INSIDE:-}" ]; then
  PACKAGE_TEST_INSIDE=1 exec "$(dirname "$0")/with-xvfb.sh" "-screen 0 1024x768x24" "$0" "$@"
fi
fail() { echo "FAIL: $*" >&2; exit 1; }
export DEBIAN_FRONTEND=noninteractive
apt=(apt-get -y -qq -o DPkg::Lock::Timeout=300)

deb=$(CMAKE_BUILD_PARALLEL_LEVEL=${CMAKE_BUILD_PARALLEL_LEVEL:-2} "$source/scripts/package.sh" "$source/build-package" 2>/dev/null)
echo "built $deb"
"${apt[@]}" install "$(realpath "$deb")" >/dev/null
files=$(dpkg-query -L shipplanner)
for f in /usr/bin/shipplanner /usr/bin/shipplanner-check /usr/libexec/shipplanner-launcher \
         /usr/share/applications/net.shipplanner.ShipPlanner.desktop \
         /usr/share/metainfo/net.shipplanner.ShipPlanner.metainfo.xml \
         /usr/share/icons/hicolor/scalable/apps/net.shipplanner.ShipPlanner.svg \
         /usr/share/shipplanner/data/ship_varietion.csv /usr/share/shipplanner/data/ship_material.csv \
         /usr/share/doc/shipplanner/copyright; do
  [ -s "$f" ] || fail "$f is missing"
done
grep -qx "Exec=/usr/libexec/shipplanner-launcher" /usr/share/applications/net.shipplanner.ShipPlanner.desktop \
  || fail "the desktop entry does not call the launcher"
out=$(/usr/bin/shipplanner-check /usr/share/shipplanner 2>/dev/null) && [ -z "$out" ] \
  || fail "the installed checker does not pass the installed sample data"

# The launcher as the menu starts it: the window maps.
(cd / && exec env XDG_DATA_HOME="$(mktemp -d)" /usr/libexec/shipplanner-launcher) 2>/dev/null &
pid=$!
win=$(timeout 30 xdotool search --sync --onlyvisible --name '^MainForm$' 2>/dev/null | head -n 1) || true
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
[ -n "$win" ] || fail "the installed launcher showed no window"
echo "window mapped"

"${apt[@]}" remove shipplanner >/dev/null
dpkg-query -W -f='${Status}' shipplanner 2>/dev/null | grep -q 'ok installed' && fail "still installed"
while read -r f; do
  [ -d "$f" ] || [ ! -e "$f" ] || fail "$f is left after removal"
done <<< "$files"
[ ! -e /usr/share/shipplanner ] || fail "/usr/share/shipplanner is left after removal"
echo "1 passed, 0 failed"
