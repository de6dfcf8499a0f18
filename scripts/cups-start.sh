#!/bin/bash
# Starts a private CUPS server on loopback with one cups-pdf queue, for the
# printing tests. Safe to run again: a running server is reused.
# Prints nothing on success; the tests find the server through CUPS_SERVER
# (see cups-env.sh).
set -eu
base=${VC_CUPS_DIR:-/tmp/vc-cups}
port=${VC_CUPS_PORT:-8631}
queue=${VC_CUPS_QUEUE:-VeltrannPDF}
export CUPS_SERVER=127.0.0.1:$port

# cupsd and the cups-pdf backend need root; a CI runner has password-less sudo.
# The caller's group may then read the job files CUPS keeps.
if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
        exec sudo -n env VC_CUPS_DIR="$base" VC_CUPS_PORT="$port" VC_CUPS_QUEUE="$queue" \
            VC_CUPS_GROUP="$(id -gn)" "$0" "$@"
    fi
    echo "cups-start: must run as root (or with password-less sudo)" >&2
    exit 1
fi

running() { [ -f "$base/cupsd.pid" ] && kill -0 "$(cat "$base/cupsd.pid")" 2>/dev/null; }
# lpstat -r exits 0 whether or not the scheduler answers; only its words tell.
answers() { LC_ALL=C lpstat -r 2>/dev/null | grep -qx 'scheduler is running'; }

if ! running; then
    rm -rf "$base/etc" "$base/run" "$base/spool" "$base/cache"
    mkdir -p "$base/etc/ppd" "$base/etc/ssl" "$base/spool/tmp" "$base/cache" "$base/log" "$base/run" "$base/pdf"
    group=${VC_CUPS_GROUP:-lp}
    getent group "$group" >/dev/null || group=root
    cat > "$base/etc/cupsd.conf" <<CONF
Listen 127.0.0.1:$port
Listen $base/run/cups.sock
LogLevel warn
Browsing No
WebInterface No
DefaultAuthType None
PreserveJobFiles Yes
PreserveJobHistory Yes
MaxJobs 0
<Location />
  Order allow,deny
  Allow 127.0.0.1
</Location>
<Location /admin>
  Order allow,deny
  Allow 127.0.0.1
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
    cat > "$base/etc/cups-files.conf" <<CONF
ServerRoot $base/etc
RequestRoot $base/spool
TempDir $base/spool/tmp
CacheDir $base/cache
StateDir $base/run
ErrorLog $base/log/error_log
AccessLog $base/log/access_log
PageLog $base/log/page_log
ServerBin /usr/lib/cups
DataDir /usr/share/cups
User lp
Group $group
SystemGroup root
FileDevice Yes
CONF
    chown -R root:$group "$base/spool" "$base/cache" 2>/dev/null || true
    chmod 0710 "$base/spool"
    chmod 1770 "$base/spool/tmp"
    chmod 0755 "$base" "$base/pdf"
    /usr/sbin/cupsd -c "$base/etc/cupsd.conf" -s "$base/etc/cups-files.conf" -f &
    echo $! > "$base/cupsd.pid"
    for _ in $(seq 1 50); do
        answers && break
        sleep 0.2
    done
fi

# cups-pdf reads a file named after the queue for its output folder.
if [ -w /etc/cups ]; then
    cat > "/etc/cups/cups-pdf-$queue.conf" <<CONF
Out $base/pdf
AnonDirName $base/pdf
Label 0
UserUMask 0000
Grp ${VC_CUPS_GROUP:-lp}
CONF
fi

if ! answers; then
    echo "cups-start: the CUPS server on 127.0.0.1:$port does not answer (see $base/log/error_log)" >&2
    exit 1
fi
add_queue() {
    ppd=$(ls /usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd /usr/share/ppd/cups-pdf/*.ppd 2>/dev/null | head -n1)
    lpadmin -p "$queue" -E -v "cups-pdf:/$queue" ${ppd:+-P "$ppd"} -o printer-error-policy=abort-job || return 1
    cupsenable "$queue" 2>/dev/null || true
    cupsaccept "$queue" 2>/dev/null || true
    lpadmin -d "$queue"
}
# A server that has just started may answer lpstat and still refuse lpadmin
# for a moment ("Bad file descriptor"): try again for a few seconds.
for _ in $(seq 1 25); do
    lpstat -p "$queue" >/dev/null 2>&1 && break
    add_queue 2>"$base/log/lpadmin.log" && break
    sleep 0.2
done
if ! lpstat -p "$queue" >/dev/null 2>&1; then
    echo "cups-start: the queue $queue could not be added: $(tail -n1 "$base/log/lpadmin.log")" >&2
    exit 1
fi
