# SPDX-License-Identifier: MIT
# Sourced by the outside benchmarks: builds what they start, then runs a
# private Xvfb (no window manager) for them on a display it picks itself (or
# on display number $MASKWELL_TEST_DISPLAY, on a machine where displays are
# shared out), and ends it and removes its scratch folder when the script ends.
# Its screen is 1024x768 unless the script sets bench_screen first.
cd "$(dirname "${BASH_SOURCE[0]}")/.."
build=${MASKWELL_BUILD_DIR:-build}
scripts/deps.sh bench
[ -d "$build" ] || cmake -S . -B "$build" >/dev/null
cmake --build "$build" --target maskwell maskwell_window frame_probe floor_emptywindow floor_textwindow \
  floor_lineeditwindow --parallel 2 >/dev/null

scratch=$(mktemp -d)
if [ -n "${MASKWELL_TEST_DISPLAY:-}" ]; then
  Xvfb ":$MASKWELL_TEST_DISPLAY" -screen 0 "${bench_screen:-1024x768}x24" -nolisten tcp \
    2>/dev/null &
  echo "$MASKWELL_TEST_DISPLAY" >"$scratch/display"
else
  Xvfb -displayfd 3 -screen 0 "${bench_screen:-1024x768}x24" -nolisten tcp \
    3>"$scratch/display" 2>/dev/null &
fi
xvfb=$!
trap 'kill $xvfb 2>/dev/null; wait $xvfb 2>/dev/null; rm -rf "$scratch"' EXIT
until [ -s "$scratch/display" ]; do sleep 0.05; done
until [ -e "/tmp/.X11-unix/X$(head -1 "$scratch/display")" ]; do sleep 0.05; done
mkdir -m 700 "$scratch/runtime"
export DISPLAY=:$(head -1 "$scratch/display") QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$scratch/runtime
probe=$build/bench/frame_probe

# The real program as installed: the command and the window program in a
# prefix of their own (bin/ and libexec/maskwell/), so that no settings file of
# a build or a test run is read at start-up and the command finds the window
# program where an install puts it.
mkdir -p "$scratch/bin" "$scratch/libexec/maskwell"
install -m 755 "$build/maskwell" "$scratch/bin/maskwell"
install -m 755 "$build/maskwell-window" "$scratch/libexec/maskwell/maskwell-window"
installed=$scratch/bin/maskwell
