#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# --print from outside, beside sipcalc (and ipcalc-ng where installed), every
# program run in turn round by round (build/bench/run_timer), its output read
# through a pipe:
#   1. one address: maskwell --print against one sipcalc call;
#   2. a batch of 1,000,000 seeded addresses: maskwell --print - reading them
#      (text and JSON) against sipcalc given the same addresses through
#      xargs -n 1000;
#   3. peak memory of maskwell --print - over 10,000 and 1,000,000 of them.
#   bench/print.sh [rounds] [batch rounds]     (31 and 5 by default)
# The machine's load average is printed before and after: on a busy machine
# compare the ratios, not the times.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${MASKWELL_BUILD_DIR:-build}
rounds=${1:-31}
batch_rounds=${2:-5}
command -v sipcalc >/dev/null || scripts/deps.sh bench
[ -d "$build" ] || cmake -S . -B "$build" >/dev/null
cmake --build "$build" --target maskwell run_timer --parallel 2 >/dev/null
timer=$build/bench/run_timer
maskwell=$build/maskwell

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# Addresses both programs take: a class A, B or C first octet (not 127) and
# mask bits the class offers, as ADDRESS/BITS.
awk -v n=1000000 'BEGIN {
    srand(24)
    for (i = 0; i < n; i++) {
        do a = 1 + int(rand() * 223); while (a == 127)
        low = a < 128 ? 10 : a < 192 ? 18 : 24
        printf "%d.%d.%d.%d/%d\n", a, int(rand() * 256), int(rand() * 256), int(rand() * 256),
            low + int(rand() * (31 - low))
    }
}' >"$scratch/1m.txt"
head -n 10000 "$scratch/1m.txt" >"$scratch/10k.txt"

echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg), $(nproc) processors"
echo
echo "One address, $rounds rounds:"
peers=("sipcalc=sipcalc 10.1.2.3/20")
command -v ipcalc-ng >/dev/null && peers+=("ipcalc-ng=ipcalc-ng 10.1.2.3/20")
"$timer" --rounds "$rounds" "maskwell=$maskwell --print 10.1.2.3/20" "${peers[@]}"
echo
echo "1,000,000 addresses, $batch_rounds rounds:"
"$timer" --rounds "$batch_rounds" "maskwell=$maskwell --print - <$scratch/1m.txt" \
    "maskwell-json=$maskwell --print --format=json - <$scratch/1m.txt" \
    "sipcalc-xargs=xargs -n 1000 sipcalc <$scratch/1m.txt"
echo
echo "Memory of maskwell --print -, 3 rounds:"
"$timer" --rounds 3 "1m-lines=$maskwell --print - <$scratch/1m.txt" \
    "10k-lines=$maskwell --print - <$scratch/10k.txt"
echo
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
