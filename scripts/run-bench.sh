#!/bin/bash
# Runs every benchmark built into the bench folder of the build.
set -u
build=${1:-build}
status=0
for b in "$build"/bench/*; do
    [ -x "$b" ] && [ -f "$b" ] || continue
    # the offscreen platform's notes on window hints say nothing about speed
    QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} QT_LOGGING_RULES="qt.qpa.*=false" "$b" 2>&1 \
        | grep -v -e 'propagateSizeHints' -e 'XDG_RUNTIME_DIR' || true
    [ "${PIPESTATUS[0]}" -eq 0 ] || status=1
done
exit $status
