#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The real program, ended from outside its window under Xvfb with openbox, as
# a desktop ends it; each check starts it with 172.16.5.6/22 on the command
# line and a settings file of its own, then looks at that file:
#   ProgramEnds.sh <maskwell executable> [check ...]
# (the window program, maskwell-window beside it, comes along: the command
# hands the window over to it by exec, in the same process)
# term, hup, int     the signal closes the window as File > Exit does: the file
#                    holds what the window showed, and the signal ends it
# display-lost       the X server goes away: the settings are stored on the way out
# file-size-limit    under prlimit --fsize, closing the window is refused the
#                    store: a box shows it, the file stays as it was and no
#                    temporary file is left
# MASKWELL_TEST_DISPLAY names the X display number to use; without it Xvfb
# picks a free one. A missing tool skips the checks (exit 77).
set -euo pipefail

program=$1
shift
checks=("$@")
[ ${#checks[@]} -gt 0 ] || checks=(term hup int display-lost file-size-limit)

skip() { echo "SKIPPED: $*"; exit 77; }
fail() { echo "FAILED: $*" >&2; exit 1; }
for tool in Xvfb openbox xdotool xprop prlimit; do
    command -v "$tool" >/dev/null || skip "$tool is not installed"
done

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# A copy of the program away from its build tree keeps its settings in
# $XDG_CONFIG_HOME, never beside the executable.
mkdir -p "$work/bin" "$work/run" && chmod 700 "$work/run"
cp "$program" "$work/bin/maskwell"
cp "$(dirname "$program")/maskwell-window" "$work/bin/"

xserver=""
# -noreset: the server would otherwise reset when its first client (the probe
# below) leaves, and a client connecting meanwhile would be turned away.
start_x() {
    if [ -n "${MASKWELL_TEST_DISPLAY:-}" ]; then
        display=$MASKWELL_TEST_DISPLAY
        Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp -noreset 2>"$work/xvfb.log" &
        xserver=$!
    else
        Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" \
            2>"$work/xvfb.log" &
        xserver=$!
        for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
        display=$(cat "$work/display")
    fi
    pids+=("$xserver")
    echo "on display :$display"
    export DISPLAY=:$display
    for _ in $(seq 100); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.05; done
    xdotool getdisplaygeometry >/dev/null 2>&1 || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
    openbox >/dev/null 2>&1 &
    pids+=("$!")
    # Openbox announces itself before it manages windows; a window mapped in
    # between is never shown. Its client list comes once it does.
    for _ in $(seq 200); do
        xprop -root _NET_CLIENT_LIST 2>/dev/null | grep -q "window id" && return 0
        sleep 0.05
    done
    fail "openbox did not start"
}

stop_x() {
    kill "$xserver" 2>/dev/null || true
    wait "$xserver" 2>/dev/null || true
}

# Starts the program (with an optional wrapper) and waits for its window.
app=""
start_app() {
    HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run \
        QT_QPA_PLATFORM=xcb "$@" "$work/bin/maskwell" 172.16.5.6/22 2>"$work/app.log" &
    app=$!
    pids+=("$app")
    windows "$app" 1 || fail "$check: no window: $(cat "$work/app.log")"
}

# Waits (at most half a minute, for a busy machine) until the process shows at
# least n windows.
windows() {
    for _ in $(seq 600); do
        [ "$(xdotool search --all --onlyvisible --pid "$1" --name Maskwell 2>/dev/null | wc -l)" \
            -ge "$2" ] && return 0
        sleep 0.05
    done
    return 1
}

# Waits at most ten seconds for the process to end; its exit status goes to
# $status (128 + the signal for one that a signal ended).
ended() {
    for _ in $(seq 200); do
        kill -0 "$1" 2>/dev/null || break
        sleep 0.05
    done
    kill -0 "$1" 2>/dev/null && fail "$check: still running: $(cat "$work/app.log")"
    status=0
    wait "$1" 2>/dev/null || status=$?
}

settings() { cat "$work/config/maskwell/maskwell.ini" 2>/dev/null || echo "(no file)"; }

stored='[conf]
ipaddr=172.16.5.6
mask=4
maskbits=22'

for check in "${checks[@]}"; do
    rm -rf "$work/config" "$work/home"
    mkdir -p "$work/config/maskwell" "$work/home"
    start_x
    case "$check" in
    term | hup | int)
        # A shell without job control starts background jobs with SIGINT
        # ignored, which the program then keeps ignoring.
        start_app env --default-signal=INT
        signal=${check^^}
        kill -s "$signal" "$app"
        ended "$app"
        [ "$status" -eq $((128 + $(kill -l "$signal"))) ] ||
            fail "$check: exit status $status: $(cat "$work/app.log")"
        [ "$(settings)" = "$stored" ] || fail "$check: the settings file holds: $(settings)"
        ;;
    display-lost)
        start_app
        stop_x
        ended "$app"
        [ "$status" -eq 1 ] || fail "$check: exit status $status: $(cat "$work/app.log")"
        [ "$(settings)" = "$stored" ] || fail "$check: the settings file holds: $(settings)"
        ;;
    file-size-limit)
        before="[conf]
; a comment that makes the file longer than the size limit lets a file grow
ipaddr=10.1.2.3
mask=3"
        printf '%s\n' "$before" >"$work/config/maskwell/maskwell.ini"
        start_app prlimit --fsize=64
        xdotool key alt+F4 # openbox asks the window to close
        if ! windows "$app" 2; then
            ended "$app"
            fail "$check: no box; exit status $status"
        fi
        xdotool key space # the box has the focus
        ended "$app"
        [ "$status" -eq 0 ] || fail "$check: exit status $status"
        [ "$(settings)" = "$before" ] || fail "$check: the settings file holds: $(settings)"
        leftover=$(ls -A "$work/config/maskwell")
        [ "$leftover" = maskwell.ini ] || fail "$check: left in the folder: $leftover"
        ;;
    *) fail "no check named $check" ;;
    esac
    stop_x
    echo "passed: $check"
done
