#!/bin/bash
# Builds the RTF reader's libFuzzer target with clang and runs it for a while:
#   scripts/fuzz-rtf.sh [build-folder] [seconds]
# Rebuilds only when a source changed. The corpus it grows stays in the build
# folder for the next run; the shared RTF files and a few oddities seed it.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/.." && pwd)
out=${1:-build-fuzz}
seconds=${2:-20}
. "$here/fuzzlib.sh"

fuzz_have_clang RTF || exit 0
mkdir -p "$out/corpus-rtf"
target="$out/rtfreaderfuzz"
frame="$root/src/frame/richtext"
# Qt's private GUI headers, which the reader sets table cell formats through.
qt_include=$(pkg-config --variable=includedir Qt6Gui)
qt_version=$(pkg-config --modversion Qt6Gui)
private="-I$qt_include/QtGui/$qt_version -I$qt_include/QtGui/$qt_version/QtGui"
private="$private -I$qt_include/QtCore/$qt_version -I$qt_include/QtCore/$qt_version/QtCore"
# The reader, the writer and the page set-up, header and footer they keep.
fuzz_build RTF "$target" "Qt6Core Qt6Gui" "-DVC_LIBFUZZER $private" \
    "$root/tests/frame/rtfreaderfuzz.cpp" "$root"/src/frame/print/pagesetup.{cpp,h} \
    "$frame"/pageparts.{cpp,h} "$frame"/cellformats.{cpp,h} "$frame"/rtf*.cpp "$frame"/rtf*.h

# Seeds: the shared documents (small ones whole) and hand-made oddities.
shared="$root/../shared/corpus/rtf"
[ -d "$shared" ] && find "$shared" -name '*.rtf' -size -64k -exec cp -n {} "$out/corpus-rtf/" \; 2>/dev/null || true
printf '{\\rtf1\\ansi{\\fonttbl{\\f0 A;}}\\trowd\\clmgf\\cellx100\\clmrg\\cellx200\\pard\\intbl a\\cell\\cell\\row}' > "$out/corpus-rtf/seed-table"
printf '{\\rtf1 \\pard\\intbl\\itap2 x\\nestcell{\\*\\nesttableprops\\trowd\\cellx50\\nestrow}{\\nonesttables\\par}\\cell\\row}' > "$out/corpus-rtf/seed-nested"

QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 fuzz_run RTF "$target" "$out/fuzz-rtf.log" "$seconds" \
    -max_len=16384 -timeout=10 -artifact_prefix="$out/rtf-" "$out/corpus-rtf"
