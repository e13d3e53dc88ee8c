#!/bin/sh
# Installs a build into a scratch prefix and walks through the installed program
# on a display of its own (Xvfb), with a notification area (trayer), a session
# bus and the accessibility bus, driving it from outside (walkthrough.py).
# usage: run_walkthrough.sh <build folder>
set -eu
build=$1
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
keep=${ORVALUNE_WALKTHROUGH_KEEP:-}
trap 'if [ -n "$keep" ]; then echo "kept $work"; else rm -rf "$work"; fi' EXIT

cmake --install "$build" --prefix "$work/prefix" >/dev/null
# The family's stick, already holding photos, stands in a folder of drives.
mkdir -p "$work/media/PENDRIVE/DCIM"

cat >"$work/desktop.sh" <<SCRIPT
set -eu
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
# The notification area is started again should it ever end (it was once found
# gone late in a run); the program docks its icon anew when it comes back, and
# the log says that it happened.
(
    for attempt in 1 2 3 4 5; do
        trayer --edge top --align right --widthtype request --height 24 >/dev/null || true
        echo "walkthrough: the notification area ended (run \$attempt)" >&2
        sleep 0.5
    done
) &
tray=\$!
trap 'kill \$tray 2>/dev/null || true' EXIT
sleep 1
cd "$here"
/usr/bin/python3 walkthrough.py "$work/prefix/bin/orvalune" "$work/agenda" "$work/media"
SCRIPT
status=0
xvfb-run -a -s "-screen 0 1024x768x24" dbus-run-session -- sh "$work/desktop.sh" \
    >"$work/log" 2>&1 || status=$?
# The buses' own chatter is left out.
grep -v -e 'dbus-daemon' -e 'XDG_RUNTIME_DIR' -e 'SpiRegistry' "$work/log" || true
exit $status
