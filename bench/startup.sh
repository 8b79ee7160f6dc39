#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Start-up from outside: the real executable and two floors (an empty window,
# and a window with the same menu bar and one label), interleaved round by
# round, each timed from process start to the first frame the X server gets,
# with its peak resident memory once the window has been up for a second.
#   bench/startup.sh [rounds]        (15 rounds by default)
# MASKWELL_PEER=/path/to/program adds another program to compare with.
set -euo pipefail
source "$(dirname "$0")/xserver.sh"
programs=("floor:empty=$build/bench/floor_emptywindow" "floor:text=$build/bench/floor_textwindow"
          "maskwell=$installed")
[ -n "${MASKWELL_PEER:-}" ] && programs+=("peer=$MASKWELL_PEER")
"$probe" startup --rounds "${1:-15}" "${programs[@]}"
