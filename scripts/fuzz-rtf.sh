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

if ! command -v clang++ >/dev/null; then
    echo "clang++ is missing: the RTF fuzz target is skipped" >&2
    exit 0
fi
mkdir -p "$out/corpus-rtf"
target="$out/rtfreaderfuzz"
frame="$root/src/frame/richtext"
print="$root/src/frame/print"
sources=("$root/tests/frame/rtfreaderfuzz.cpp" "$print/pagesetup.cpp" "$frame/rtfwriter.cpp")
for f in "$frame"/rtf*.cpp; do
    [ "$f" = "$frame/rtfwriter.cpp" ] || sources+=("$f")
done
stale=0
[ -x "$target" ] || stale=1
for f in "${sources[@]}" "$frame"/rtf*.h "$print/pagesetup.h" "$0"; do
    [ "$f" -nt "$target" ] && stale=1
done
if [ $stale -eq 1 ]; then
    echo "Building the RTF fuzz target"
    # shellcheck disable=SC2046
    clang++ -std=c++17 -g -O1 -fPIC -fsanitize=fuzzer,address,undefined -DVC_LIBFUZZER \
        -DQT_NO_KEYWORDS -I"$root/src/frame" $(pkg-config --cflags Qt6Core Qt6Gui) \
        "${sources[@]}" -o "$target" $(pkg-config --libs Qt6Core Qt6Gui)
fi

# Seeds: the shared documents (small ones whole) and hand-made oddities.
shared="$root/../shared/corpus/rtf"
[ -d "$shared" ] && find "$shared" -name '*.rtf' -size -64k -exec cp -n {} "$out/corpus-rtf/" \; 2>/dev/null || true
printf '{\\rtf1\\ansi{\\fonttbl{\\f0 A;}}\\trowd\\clmgf\\cellx100\\clmrg\\cellx200\\pard\\intbl a\\cell\\cell\\row}' > "$out/corpus-rtf/seed-table"
printf '{\\rtf1 \\pard\\intbl\\itap2 x\\nestcell{\\*\\nesttableprops\\trowd\\cellx50\\nestrow}{\\nonesttables\\par}\\cell\\row}' > "$out/corpus-rtf/seed-nested"

echo "Fuzzing the RTF reader for ${seconds}s"
QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 "$target" -max_total_time="$seconds" -max_len=16384 -timeout=10 \
    -artifact_prefix="$out/rtf-" -print_final_stats=0 "$out/corpus-rtf" 2>"$out/fuzz-rtf.log" || {
    tail -40 "$out/fuzz-rtf.log" >&2
    echo "the RTF fuzz target found a failure; see $out/fuzz-rtf.log" >&2
    exit 1
}
grep -E '^#[0-9]+ *DONE' "$out/fuzz-rtf.log" || tail -1 "$out/fuzz-rtf.log"
