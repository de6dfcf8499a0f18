#!/bin/sh
# Fails when the shipped language or unit files differ from what the generator
# writes, so a hand edit of a .lng file is not lost at the next generation.
here=$(cd "$(dirname "$0")" && pwd)
data=${1:-$here/../../data}
command -v python3 >/dev/null 2>&1 || { echo "python3 not found: not checked"; exit 0; }
tmp=$(mktemp -d) || exit 1
trap 'rm -rf "$tmp"' EXIT
PYTHONDONTWRITEBYTECODE=1 python3 "$here/make_lng_files.py" "$tmp" >/dev/null || exit 1
status=0
for folder in Language Unit; do
    diff -r "$tmp/$folder" "$data/$folder" >/dev/null || { echo "$folder files differ from scripts/lng" >&2; status=1; }
done
[ $status -eq 0 ] && echo "language and unit files match their generator"
exit $status
