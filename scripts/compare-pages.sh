#!/bin/bash
# Page counts of print-rtf beside LibreOffice's for every RTF of the shared
# corpus and the generated table documents. A check by hand (or by
# `make bench`), never a test: LibreOffice is not a dependency, and the
# script says so and stops when it is absent.
#   scripts/compare-pages.sh [BUILD_DIR]
set -u
build=${1:-build}
root=$(cd "$(dirname "$0")/.." && pwd)
office=$(command -v soffice || command -v libreoffice || true)
if [ -z "$office" ]; then
    echo "compare-pages: LibreOffice is not installed; skipped"
    exit 0
fi
cli="$build/bin/veltranncalc-cli"
[ -x "$cli" ] || { echo "compare-pages: $cli is not built" >&2; exit 2; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/in" "$work/ours" "$work/office" "$work/profile"
cp "$root"/../shared/corpus/rtf/*.rtf "$work/in/"
QT_QPA_PLATFORM=offscreen "$build/bench/richtextbench" --write "$work/in" || exit 2

pages() { [ -f "$1" ] && pdfinfo "$1" 2>/dev/null | awk '/^Pages:/ { print $2 }' || echo -; }

# one LibreOffice run for all files: its start-up is the slow part
"$office" -env:UserInstallation=file://"$work/profile" --headless --convert-to pdf \
    --outdir "$work/office" "$work"/in/*.rtf >/dev/null 2>&1
printf '%-52s %6s %6s %6s\n' document ours office diff
same=0 total=0
for f in "$work"/in/*.rtf; do
    name=$(basename "$f" .rtf)
    QT_QPA_PLATFORM=offscreen "$cli" print-rtf "$f" --pdf "$work/ours/$name.pdf" >/dev/null 2>&1
    a=$(pages "$work/ours/$name.pdf")
    b=$(pages "$work/office/$name.pdf")
    d=-
    if [ "$a" != - ] && [ "$b" != - ]; then
        d=$((a - b))
        [ "$d" -eq 0 ] && same=$((same + 1))
    fi
    total=$((total + 1))
    printf '%-52s %6s %6s %6s\n' "$name" "$a" "$b" "$d"
done
echo "compare-pages: $same of $total documents print on as many pages as LibreOffice prints them"
