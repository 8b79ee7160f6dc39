#!/usr/bin/env bash
# Times whole process starts: Maskwell up to the end of its first activation,
# against an empty Qt window of the same size shown on the same machine.
# Uses the display in $DISPLAY (xcb) when there is one, else offscreen.
#   bench/startup.sh [runs]      (after ./test.sh or a build into build/)
set -euo pipefail
cd "$(dirname "$0")/.."
probe=build/bench/startup_probe
runs=${1:-30}
[ -x "$probe" ] || cmake --build build --target startup_probe >/dev/null
[ -n "${DISPLAY:-}" ] || export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}

measure() { # prints the median wall time in milliseconds of `runs` starts
  local times=() start end
  "$probe" "$1" >/dev/null 2>&1 # warm the file cache
  for _ in $(seq "$runs"); do
    start=$(date +%s%N)
    "$probe" "$1" >/dev/null 2>&1
    end=$(date +%s%N)
    times+=($(( (end - start) / 1000 )))
  done
  printf '%s\n' "${times[@]}" | sort -n | awk '{ a[NR] = $1 } END { printf "%.1f", a[int((NR + 1) / 2)] / 1000 }'
}

empty=$(measure empty)
maskwell=$(measure maskwell)
echo "empty Qt window shown:             ${empty} ms (median of $runs)"
echo "Maskwell to its first activation:  ${maskwell} ms (median of $runs)"
awk -v m="$maskwell" -v e="$empty" 'BEGIN { printf "ratio:                             %.2f\n", m / e }'
