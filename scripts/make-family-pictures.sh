#!/bin/bash
# Draws the six family pictures into data/Docs/img (our own drawings, rendered with Qt SVG).
set -eu
here=$(cd "$(dirname "$0")" && pwd)
out=${1:-$here/../data/Docs/img}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
g++ -std=c++17 -O1 -fPIC -o "$tmp/familypictures" "$here/family-pictures/familypictures.cpp" \
    $(pkg-config --cflags --libs Qt6Svg Qt6Gui Qt6Core)
mkdir -p "$out"
"$tmp/familypictures" "$out"
ls -l "$out"/U-*.jpg
