#!/bin/bash
# Builds the INI reader's libFuzzer target with clang and runs it for a while:
#   scripts/fuzz-ini.sh [build-folder] [seconds]
# Rebuilds only when a source changed; seeds the corpus with the shipped files.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/.." && pwd)
out=${1:-build-fuzz}
seconds=${2:-20}
. "$here/fuzzlib.sh"

fuzz_have_clang INI || exit 0
mkdir -p "$out/corpus"
target="$out/inifuzz"
fuzz_build INI "$target" Qt6Core "" "$root/tests/frame/inifuzz.cpp" \
    "$root"/src/frame/ini/inifile.{cpp,h} "$root"/src/frame/io/codepage1252.{cpp,h} \
    "$root"/src/frame/io/textencoding.{cpp,h}

# Seeds: the installation's INI files and a few hand-made oddities.
find "$root/data" -type f \( -iname '*.lng' -o -iname '*.dat' -o -iname '*.ini' -o -iname '*.sti' \) \
    -size -64k -exec cp -n {} "$out/corpus/" \; 2>/dev/null || true
printf '[System]\r\nLanguage=Deutsch\r\nUnit=1\r\n' > "$out/corpus/seed-profile"
printf '\xEF\xBB\xBF[A\n k = "q" \r;c\r\n[B]x]\nk' > "$out/corpus/seed-odd"

ASAN_OPTIONS=detect_leaks=1 fuzz_run INI "$target" "$out/fuzz.log" "$seconds" \
    -max_len=65536 -artifact_prefix="$out/" "$out/corpus"
