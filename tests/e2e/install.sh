#!/usr/bin/env bash
# Installs to a temporary prefix, validates the desktop entry, the metainfo and the icon, and
# checks the folder the launcher starts the program in.
set -euo pipefail
build=$1 version=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
desktop="$prefix/share/applications/net.shipplanner.ShipPlanner.desktop"
desktop-file-validate "$desktop"
echo "desktop-file-validate: ok"
metainfo="$prefix/share/metainfo/net.shipplanner.ShipPlanner.metainfo.xml"
appstreamcli validate --no-net "$metainfo"
grep -q "<release version=\"$version\" date=\"[0-9-]*\"/>" "$metainfo"
grep -qx "Exec=$prefix/libexec/shipplanner-launcher" "$desktop"
test -x "$prefix/bin/shipplanner"
# The checker, beside the program, finds nothing in the installed sample data.
# (through $EMULATOR, when cross-built)
out=$(${EMULATOR:-} "$prefix/bin/shipplanner-check" "$prefix/share/shipplanner" 2>/dev/null)
test -z "$out"
test -s "$prefix/share/shipplanner/data/ship_varietion.csv"
test -s "$prefix/share/shipplanner/data/ship_material.csv"
grep -q '<svg' "$prefix/share/icons/hicolor/scalable/apps/net.shipplanner.ShipPlanner.svg"

# Where the launcher starts the program, with a stand-in program that prints it.
printf '#!/bin/sh\npwd\n' > "$prefix/bin/shipplanner"
home="$prefix/home" xdg="$prefix/x d g"
mkdir -p "$home/.local/share/shipplanner/data" "$xdg/shipplanner/data"
starts_in() { # FOLDER [VAR=VALUE...]
  local want=$1 got
  shift
  got=$(cd / && env -u XDG_DATA_HOME HOME="$home" "$@" "$prefix/libexec/shipplanner-launcher")
  [ "$got" = "$want" ] || { echo "FAIL: launcher with $*: started in $got, not $want" >&2; exit 1; }
}
starts_in "$prefix/share/shipplanner" XDG_DATA_HOME="$xdg"
touch "$xdg/shipplanner/data/ship_varietion.csv"
starts_in "$prefix/share/shipplanner" XDG_DATA_HOME="$xdg"
touch "$xdg/shipplanner/data/ship_material.csv"
starts_in "$xdg/shipplanner" XDG_DATA_HOME="$xdg"
touch "$home/.local/share/shipplanner/data/"ship_{varietion,material}.csv
starts_in "$home/.local/share/shipplanner"
starts_in "$home/.local/share/shipplanner" XDG_DATA_HOME=x
echo "1 passed, 0 failed"
