#!/usr/bin/env bash
# Installs to a temporary prefix and validates the launcher, the metainfo and the icon.
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
grep -qx "Exec=$prefix/bin/shipplanner" "$desktop"
grep -qx "Path=$prefix/share/shipplanner" "$desktop"
test -x "$prefix/bin/shipplanner"
test -s "$prefix/share/shipplanner/data/ship_varietion.csv"
test -s "$prefix/share/shipplanner/data/ship_material.csv"
grep -q '<svg' "$prefix/share/icons/hicolor/scalable/apps/net.shipplanner.ShipPlanner.svg"
echo "1 passed, 0 failed"
