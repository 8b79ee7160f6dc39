#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The subnet list, each figure measured side by side in one run, round by round:
#  1. maskwell --list 10.0.0.0/30 (4,194,304 lines) against sipcalc -s 30
#     10.0.0.0/8 (and ipcalc-ng -S 30 where installed), which print one line
#     per subnet too, each into a pipe (build/bench/run_timer, interleaved):
#     the time per round and its ratio maskwell/peer (0.2 is 5 times the
#     lines per second), and peak memory of --list at 30 mask bits against 10
#     (4,194,304 lines against 4);
#  2. a typed digit to the last damage of its frames (bench/keystroke.sh's
#     measure, counting damage on every window of the program) in a bare
#     QLineEdit window, in Maskwell at a class A address with 30 mask bits
#     with the Subnets window closed, and with it open;
#  3. peak resident memory with the Subnets window open at 30 mask bits and at
#     10 (4,194,304 rows against 4);
#  4. start-up with the Subnets window closed against the text floor.
# The machine's load average is printed before and after: compare the ratios.
#   bench/subnets.sh [rounds]        (10 by default)
set -euo pipefail
# Room for the list beside the main window at its first size, so that neither
# window covers the other.
bench_screen=1920x1080
source "$(dirname "$0")/xserver.sh"
cmake --build "$build" --target run_timer --parallel 2 >/dev/null
rounds=${1:-10}
echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) cores"

echo
echo "1. Every /30 subnet of 10.0.0.0 into a pipe, $rounds rounds"
if command -v sipcalc >/dev/null; then
  peers=("sipcalc=sipcalc -s 30 10.0.0.0/8")
  command -v ipcalc-ng >/dev/null && peers+=("ipcalc-ng=ipcalc-ng -S 30 10.0.0.0/8")
  "$build/bench/run_timer" --rounds "$rounds" "maskwell=$installed --list 10.0.0.0/30" \
    "${peers[@]}"
else
  echo "  sipcalc is not installed (Debian package sipcalc): skipped"
fi
echo "  Peak memory of --list, 4,194,304 lines against 4:"
"$build/bench/run_timer" --rounds 3 "list-at-30=$installed --list 10.0.0.0/30" \
  "list-at-10=$installed --list 10.0.0.0/10"

# The real programs as a portable copy with a settings file of its own: the
# address 10.1.1.1 at 30 mask bits (or 10), the list open or closed.
portable() { # folder maskbits row open
  mkdir -p "$scratch/$1"
  install -m 755 "$installed" "$scratch/$1/maskwell"
  install -m 755 "$build/maskwell-window" "$scratch/$1/maskwell-window"
  printf '[conf]\nipaddr=10.1.1.1\nmask=%s\nmaskbits=%s\n[subnets]\nopen=%s\n' "$3" "$2" "$4" \
    >"$scratch/$1/maskwell.ini"
  echo "$scratch/$1/maskwell"
}
closed30=$(portable closed30 30 20 0)
open30=$(portable open30 30 20 1)
open10=$(portable open10 10 0 1)

echo
echo "2. A typed digit to its frames; the list at 10.0.0.0/30 closed and open"
"$probe" keys --rounds "$rounds" --setup "10.1.1." --keys "125" --cycles 4 --all-windows \
  "floor:lineedit=$build/bench/floor_lineeditwindow" "list-closed=$closed30" "list-open=$open30"

echo
echo "3. Peak memory with the list open at 30 mask bits (4,194,304 rows) and at 10 (4 rows)"
"$probe" startup --rounds "$rounds" "floor:list-at-10=$open10" "list-at-30=$open30"

echo
echo "4. Start-up with the list closed against the text floor"
"$probe" startup --rounds "$rounds" "floor:text=$build/bench/floor_textwindow" \
  "list-closed=$closed30"

echo
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
