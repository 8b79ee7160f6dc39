#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Drives the real program through a real AT-SPI client, as a screen reader
# sees it, in a session of its own:
#   AtSpiCheck.sh <maskwell executable>
# Xvfb (on a free display), a D-Bus session bus, the accessibility bus, and a
# window manager where openbox is installed; the program finds the
# accessibility bus through the session bus (AT_SPI_BUS_ADDRESS stays unset).
# The client is AtSpiSession.py under Debian's /usr/bin/python3, which has
# pyatspi. Exits 77 (skipped) when a package it needs is missing.
set -euo pipefail

program=$1
skip() { echo "SKIPPED: $*"; exit 77; }

command -v Xvfb >/dev/null || skip "Xvfb is missing (Debian package xvfb)"
command -v dbus-launch >/dev/null || skip "dbus-launch is missing (Debian package dbus-x11)"
launcher=/usr/libexec/at-spi-bus-launcher
[ -x "$launcher" ] || skip "$launcher is missing (Debian package at-spi2-core)"
[ -x /usr/bin/python3 ] && /usr/bin/python3 -c 'import pyatspi' 2>/dev/null ||
    skip "pyatspi is missing (Debian package python3-pyatspi)"
command -v xdotool >/dev/null || skip "xdotool is missing (Debian package xdotool)"
command -v xclip >/dev/null || skip "xclip is missing (Debian package xclip)"

here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
chmod 700 "$work"
pids=()
cleanup() {
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        kill "${pids[i]}" 2>/dev/null || true
    done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# A copy of its own, away from the build tree's settings file: it keeps its
# settings under the session's XDG_CONFIG_HOME.
cp "$program" "$work/maskwell"
cp "$(dirname "$program")/maskwell-window" "$work/"

exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
exec 3>&-
for _ in $(seq 200); do
    [ -s "$work/display" ] && break
    sleep 0.05
done
[ -s "$work/display" ] || { cat "$work/xvfb.log"; echo "FAILED: Xvfb did not start"; exit 1; }
export DISPLAY=:$(head -1 "$work/display")

unset AT_SPI_BUS_ADDRESS DBUS_SESSION_BUS_ADDRESS
eval "$(dbus-launch --sh-syntax)"
pids+=("$DBUS_SESSION_BUS_PID")
"$launcher" --launch-immediately >"$work/launcher.log" 2>&1 &
pids+=($!)
if command -v openbox >/dev/null; then
    openbox >"$work/openbox.log" 2>&1 &
    pids+=($!)
fi

export XDG_RUNTIME_DIR=$work XDG_CONFIG_HOME=$work/config QT_QPA_PLATFORM=xcb
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 LC_ALL=C.UTF-8
timeout 120 /usr/bin/python3 "$here/AtSpiSession.py" "$work/maskwell"
