#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs the Wayland session script against a headless weston of its own:
#   WaylandCheck.sh <session executable>
# Passes when the script passes and nothing reached stderr. Exits 77 (skipped)
# when weston or Qt's Wayland plugin is missing (the session tells the latter).
set -euo pipefail

session=$1
command -v weston >/dev/null || { echo "SKIPPED: weston is missing (Debian package weston)"; exit 77; }

run=$(mktemp -d)
chmod 700 "$run"
socket=maskwell-check-$$
weston_pid=
cleanup() {
    [ -n "$weston_pid" ] && kill "$weston_pid" 2>/dev/null && wait "$weston_pid" 2>/dev/null
    rm -rf "$run"
}
trap cleanup EXIT

XDG_RUNTIME_DIR=$run weston --backend=headless-backend.so --socket="$socket" --no-config \
    --idle-time=0 >"$run/weston.log" 2>&1 &
weston_pid=$!
for _ in $(seq 100); do
    [ -S "$run/$socket" ] && break
    sleep 0.1
done
[ -S "$run/$socket" ] || { cat "$run/weston.log"; echo "FAILED: weston did not start"; exit 1; }

# A headless weston has no seat, and Qt's Wayland text input crashes on a key
# without one; the session types through Qt's own key events, so no input
# method is wanted (QT_IM_MODULE=none).
# Leaks are the unit tests' business; here a leak report from the Wayland
# client libraries under a sanitizer build would count as a warning.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
status=0
env -u DISPLAY XDG_RUNTIME_DIR="$run" WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland \
    QT_IM_MODULE=none \
    XDG_CONFIG_HOME="$run/config" timeout 60 "$session" 2>"$run/stderr.txt" || status=$?
if [ -s "$run/stderr.txt" ]; then
    echo "FAILED: the session wrote to stderr:"
    cat "$run/stderr.txt"
    exit 1
fi
[ "$status" -ne 77 ] || exit 77
[ "$status" -eq 0 ] || { echo "FAILED: the session ended with status $status"; exit 1; }
echo "passed with nothing on stderr"
