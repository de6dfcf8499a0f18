# Sourced by the fuzz scripts: building a libFuzzer target with clang when one
# of its inputs changed, and running it for a while over its corpus.

# fuzz_have_clang NAME: false (with a note) where clang++ is missing
fuzz_have_clang() {
    command -v clang++ >/dev/null && return 0
    echo "clang++ is missing: the $1 fuzz target is skipped" >&2
    return 1
}

# fuzz_build NAME TARGET "PKG-CONFIG MODULES" "FLAGS" INPUT...
# Compiles the .cpp inputs; every input (and the calling script) decides staleness.
fuzz_build() {
    local name=$1 target=$2 modules=$3 flags=$4 stale=0 f
    shift 4
    local sources=()
    [ -x "$target" ] || stale=1
    for f in "$@" "$0"; do
        [ "$f" -nt "$target" ] && stale=1
        case "$f" in *.cpp) sources+=("$f") ;; esac
    done
    [ $stale -eq 1 ] || return 0
    echo "Building the $name fuzz target"
    # shellcheck disable=SC2046,SC2086
    clang++ -std=c++17 -g -O1 -fPIC -fsanitize=fuzzer,address,undefined $flags \
        -DQT_NO_KEYWORDS -I"$root/src/frame" $(pkg-config --cflags $modules) \
        "${sources[@]}" -o "$target" $(pkg-config --libs $modules)
}

# fuzz_run NAME TARGET LOG SECONDS LIBFUZZER-ARGS...
fuzz_run() {
    local name=$1 target=$2 log=$3 seconds=$4
    shift 4
    echo "Fuzzing the $name reader for ${seconds}s"
    "$target" -max_total_time="$seconds" -print_final_stats=0 "$@" 2>"$log" || {
        tail -40 "$log" >&2
        echo "the $name fuzz target found a failure; see $log" >&2
        return 1
    }
    grep -E '^#[0-9]+ *DONE' "$log" || tail -1 "$log"
}
