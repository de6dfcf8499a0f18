#!/bin/bash
# Builds the INI reader's libFuzzer target with clang and runs it for a while:
#   scripts/fuzz-ini.sh [build-folder] [seconds]
# Rebuilds only when a source changed; seeds the corpus with the shipped files.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/.." && pwd)
out=${1:-build-fuzz}
seconds=${2:-20}

if ! command -v clang++ >/dev/null; then
    echo "clang++ is missing: the INI fuzz target is skipped" >&2
    exit 0
fi
mkdir -p "$out/corpus"
target="$out/inifuzz"
sources=("$root/src/frame/ini/inifile.cpp" "$root/src/frame/io/codepage1252.cpp" "$root/src/frame/io/textencoding.cpp"
         "$root/tests/frame/inifuzz.cpp")
headers=("$root/src/frame/ini/inifile.h" "$root/src/frame/io/codepage1252.h" "$root/src/frame/io/textencoding.h")
stale=0
[ -x "$target" ] || stale=1
for f in "${sources[@]}" "${headers[@]}" "$0"; do
    [ "$f" -nt "$target" ] && stale=1
done
if [ $stale -eq 1 ]; then
    echo "Building the INI fuzz target"
    # shellcheck disable=SC2046
    clang++ -std=c++17 -g -O1 -fPIC -fsanitize=fuzzer,address,undefined \
        -DQT_NO_KEYWORDS -I"$root/src/frame" $(pkg-config --cflags Qt6Core) \
        "${sources[@]}" -o "$target" $(pkg-config --libs Qt6Core)
fi

# Seeds: the installation's INI files and a few hand-made oddities.
find "$root/data" -type f \( -iname '*.lng' -o -iname '*.dat' -o -iname '*.ini' -o -iname '*.sti' \) \
    -size -64k -exec cp -n {} "$out/corpus/" \; 2>/dev/null || true
printf '[System]\r\nLanguage=Deutsch\r\nUnit=1\r\n' > "$out/corpus/seed-profile"
printf '\xEF\xBB\xBF[A\n k = "q" \r;c\r\n[B]x]\nk' > "$out/corpus/seed-odd"

echo "Fuzzing the INI reader for ${seconds}s"
ASAN_OPTIONS=detect_leaks=1 "$target" -max_total_time="$seconds" -max_len=65536 -artifact_prefix="$out/" \
    -print_final_stats=0 "$out/corpus" 2>"$out/fuzz.log" || {
    tail -40 "$out/fuzz.log" >&2
    echo "the INI fuzz target found a failure; see $out/fuzz.log" >&2
    exit 1
}
grep -E '^#[0-9]+ *DONE' "$out/fuzz.log" || tail -1 "$out/fuzz.log"
