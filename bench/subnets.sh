#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The subnet list, each figure measured side by side in one run, round by round:
#  1. maskwell --list 10.0.0.0/30 (4,194,304 lines) against sipcalc 10.0.0.0/8
#     -s 30, each into a pipe (wc -l counts the lines): lines per second and
#     their ratio per round;
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
rounds=${1:-10}
echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) cores"

# Median (min to max) of the numbers on standard input.
spread() {
  sort -g | awk '{ v[NR] = $1 } END {
    m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
    printf "%.3f  (%.3f to %.3f)", m, v[1], v[NR] }'
}

# Wall seconds of a pipeline into wc -l, and the lines it counted.
timed_lines() {
  local start end lines
  start=$(date +%s.%N)
  lines=$("$@" | wc -l)
  end=$(date +%s.%N)
  echo "$(echo "$end - $start" | bc -l) $lines"
}

echo
echo "1. Every /30 subnet of 10.0.0.0 into a pipe, $rounds rounds"
if command -v sipcalc >/dev/null; then
  : >"$scratch/list.txt"
  for round in $(seq "$rounds"); do
    if ((round % 2)); then
      ours=$(timed_lines "$installed" --list 10.0.0.0/30)
      theirs=$(timed_lines sipcalc 10.0.0.0/8 -s 30)
    else
      theirs=$(timed_lines sipcalc 10.0.0.0/8 -s 30)
      ours=$(timed_lines "$installed" --list 10.0.0.0/30)
    fi
    echo "$ours $theirs" >>"$scratch/list.txt"
  done
  # Columns: our seconds, our lines, sipcalc's seconds, its lines.
  echo "  maskwell --list   $(awk '{ print $2 / $1 / 1e6 }' "$scratch/list.txt" | spread) M lines/s" \
    "($(awk 'NR == 1 { print $2 }' "$scratch/list.txt") lines)"
  echo "  sipcalc -s 30     $(awk '{ print $4 / $3 / 1e6 }' "$scratch/list.txt" | spread) M lines/s" \
    "($(awk 'NR == 1 { print $4 }' "$scratch/list.txt") lines, with its 5 heading lines)"
  echo "  ratio per round   $(awk '{ print ($2 / $1) / ($4 / $3) }' "$scratch/list.txt" | spread) x"
else
  echo "  sipcalc is not installed (Debian package sipcalc): skipped"
fi

# The real executable as a portable copy with a settings file of its own:
# the address 10.1.1.1 at 30 mask bits (or 10), the list open or closed.
portable() { # folder maskbits row open
  mkdir -p "$scratch/$1"
  install -m 755 "$installed" "$scratch/$1/maskwell"
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
