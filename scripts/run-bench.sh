#!/bin/bash
# Runs every benchmark built into the bench folder of the build.
set -u
build=${1:-build}
status=0
for b in "$build"/bench/*; do
    [ -x "$b" ] && [ -f "$b" ] || continue
    QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} "$b" || status=1
done
exit $status
