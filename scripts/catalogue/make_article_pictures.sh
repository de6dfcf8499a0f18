#!/bin/bash
# Draws the catalogue's article pictures and the check mark into data/Docs/img.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
out=${1:-$here/../../data/Docs/img}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
g++ -std=c++17 -O1 -fPIC -o "$tmp/articlepictures" "$here/articlepictures.cpp" \
    $(pkg-config --cflags --libs Qt6Gui Qt6Core)
mkdir -p "$out"
QT_QPA_PLATFORM=offscreen "$tmp/articlepictures" "$out"
ls -l "$out"
