#!/bin/bash
# Runs every test headless: the whole suite on the normal build with a CUPS
# server for the printing tests, then the unit tests under the sanitizers.
set -u
build=${1:-build}
asan=${2:-build-asan}
here=$(cd "$(dirname "$0")" && pwd)

export QT_QPA_PLATFORM=offscreen
# the private CUPS server of cups-start.sh
export CUPS_SERVER=${CUPS_SERVER:-127.0.0.1:8631}

# A server that already answers belongs to someone else: use it, leave it running.
cups_ours=1
LC_ALL=C lpstat -r 2>/dev/null | grep -qx 'scheduler is running' && cups_ours=0
cups_started=0
if [ -x "$here/cups-start.sh" ]; then
    if "$here/cups-start.sh"; then
        cups_started=$cups_ours
    else
        echo "warning: the CUPS test server did not start; printing tests will fail" >&2
    fi
fi
stop_cups() { [ $cups_started -eq 1 ] && "$here/cups-stop.sh"; }
trap stop_cups EXIT

status=0
ctest --test-dir "$build" --output-on-failure -j 2 || status=1
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir "$asan" --output-on-failure -j 2 -L unit || status=1
# The INI reader takes any bytes: a short libFuzzer run keeps it so.
"$here/fuzz-ini.sh" "$build-fuzz" 20 || status=1
# So does the RTF reader; its corpus grows from run to run in the same folder.
"$here/fuzz-rtf.sh" "$build-fuzz" 30 || status=1
exit $status
