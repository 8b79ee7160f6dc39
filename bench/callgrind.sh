#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Instruction counts, which a busy machine does not disturb: each start-up
# program once under callgrind until its window has been up for a second
# (the same programs as bench/startup.sh), and one typed digit in process
# with its paint (bench/app_bench), counted over 60 digits minus 10 so that
# the first digit's one-off costs fall out.
#   bench/callgrind.sh
set -euo pipefail
source "$(dirname "$0")/xserver.sh"
cmake --build "$build" --target app_bench --parallel 2 >/dev/null
out=$scratch

total() { awk '/^(summary|totals):/ { print $2; exit }' "$1"; }

echo "Instructions to a window up for a second (callgrind, Ir)"
declare -A ir
for name in empty text maskwell; do
  case $name in
    empty) program=$build/bench/floor_emptywindow ;;
    text) program=$build/bench/floor_textwindow ;;
    maskwell) program=$installed ;;
  esac
  # The maskwell command becomes the window program by exec: callgrind follows
  # it there, and the count is the window program's (the command's own few
  # hundred thousand instructions before the exec are not in it).
  "$probe" startup --rounds 1 --up-ms 1000 --timeout-ms 120000 \
    "$name=valgrind --tool=callgrind --trace-children=yes --callgrind-out-file=$out/$name.out $program" \
    >/dev/null 2>&1
  ir[$name]=$(total "$out/$name.out")
  printf '  %-10s %14s\n' "$name" "${ir[$name]}"
done
awk -v e="${ir[empty]}" -v t="${ir[text]}" -v m="${ir[maskwell]}" 'BEGIN {
  printf "  maskwell / empty %.3f   maskwell / text %.3f   text / empty %.3f\n", m / e, m / t, t / e }'

echo "Instructions per typed digit with its paint (callgrind, Ir)"
for bench in TypedDigitWithinField TypedDigitSameClass TypedDigitNewClass; do
  for digits in 10 60; do
    MASKWELL_BENCH_DIGITS=$digits QT_QPA_PLATFORM=offscreen valgrind --tool=callgrind \
      --callgrind-out-file="$out/$bench.$digits" --toggle-collect='*TypeDigitAndPaint*' \
      "$build/bench/app_bench" --benchmark_filter="^$bench/" >/dev/null 2>&1
  done
  awk -v a="$(total "$out/$bench.10")" -v b="$(total "$out/$bench.60")" -v n="$bench" \
    'BEGIN { printf "  %-22s %10.0f\n", n, (b - a) / 50 }'
done
