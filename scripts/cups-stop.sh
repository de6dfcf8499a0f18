#!/bin/bash
# Stops the private CUPS server that cups-start.sh started, by its pid.
set -u
base=${VC_CUPS_DIR:-/tmp/vc-cups}
[ -f "$base/cupsd.pid" ] || exit 0
if [ "$(id -u)" -ne 0 ] && command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
    exec sudo -n env VC_CUPS_DIR="$base" "$0" "$@"
fi
pid=$(cat "$base/cupsd.pid")
if kill -0 "$pid" 2>/dev/null; then
    kill "$pid"
    for _ in $(seq 1 50); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
fi
rm -f "$base/cupsd.pid"
