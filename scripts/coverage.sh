#!/bin/bash
# Line coverage of src/ and app/ by the whole test suite:
#   scripts/coverage.sh [coverage-build]
# Runs every test of the coverage build (printing ones against the CUPS test
# server) and writes the summary to stdout and an HTML report beside the build.
# With PER_TEST=1 it also runs each test alone and lists, per test, the lines
# no other test covers (coverage/only/<test>.txt): what that test alone keeps.
set -u
build=${1:-build-cov}
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/.." && pwd)
out="$build/coverage"
mkdir -p "$out"

export QT_QPA_PLATFORM=offscreen
export CUPS_SERVER=${CUPS_SERVER:-127.0.0.1:8631}
"$here/cups-start.sh" >/dev/null 2>&1 || echo "warning: the CUPS test server did not start" >&2

# Generated sources (moc) and the tests themselves are not what is measured.
gcovr_args=(--root "$root" --filter "$root/src/" --filter "$root/app/" --exclude '.*/build[^/]*/.*'
            -j 2)

find "$build" -name '*.gcda' -delete
ctest --test-dir "$build" -j 2 --output-on-failure >"$out/ctest.log" 2>&1 \
    || echo "warning: some tests failed under coverage; see $out/ctest.log" >&2
gcovr "${gcovr_args[@]}" --txt "$out/summary.txt" --html-details "$out/index.html" "$build" >/dev/null
sed -n '/^-*$/,$p' "$out/summary.txt" | tail -n 3

[ "${PER_TEST:-0}" = 1 ] || exit 0
# Per test: only the libraries' and programs' own objects, which is what the
# question "who else covers this line" is about.
mkdir -p "$out/tests" "$out/only"
for t in $(ctest --test-dir "$build" -N | sed -n 's/^ *Test *#[0-9]*: //p'); do
    find "$build" -name '*.gcda' -delete
    ctest --test-dir "$build" -R "^$t\$" >/dev/null 2>&1
    gcovr "${gcovr_args[@]}" --json "$out/tests/$t.json" "$build/src" "$build/app" >/dev/null 2>&1
done
python3 - "$out" <<'PY'
import json, os, sys, collections
out = sys.argv[1]
covered = {}
for name in os.listdir(f"{out}/tests"):
    data = json.load(open(f"{out}/tests/{name}"))
    covered[name[:-5]] = {f"{f['file']}:{l['line_number']}"
                          for f in data["files"] for l in f["lines"] if l["count"] > 0}
count = collections.Counter(l for s in covered.values() for l in s)
for t, lines in sorted(covered.items()):
    only = sorted(l for l in lines if count[l] == 1)
    with open(f"{out}/only/{t}.txt", "w") as fh:
        fh.write("".join(l + "\n" for l in only))
    print(f"{t:32} {len(lines):6} lines covered, {len(only):5} by no other test")
PY
