#!/bin/bash
# Stops the private CUPS server that cups-start.sh started, by its pid.
set -u
base=${VC_CUPS_DIR:-/tmp/vc-cups}
[ -f "$base/cupsd.pid" ] || exit 0
pid=$(cat "$base/cupsd.pid")
if kill -0 "$pid" 2>/dev/null; then
    kill "$pid"
    for _ in $(seq 1 50); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
fi
rm -f "$base/cupsd.pid"
