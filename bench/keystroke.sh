#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A typed digit from outside: XTEST key presses into the real window's last
# address octet and into a bare QLineEdit window, interleaved round by round,
# each timed from the press to the last damage of the burst that follows it.
# The third digit of the cycle fills the octet, so Maskwell recomputes on it
# and repaints the other fields: it is also reported on its own, to its first
# frame and to the last damage of its burst.
#   bench/keystroke.sh [rounds]      (15 rounds by default)
set -euo pipefail
source "$(dirname "$0")/xserver.sh"
"$probe" keys --rounds "${1:-15}" --setup "10.1.1." --keys "125" --cycles 4 --marked-key 3 \
  "floor:lineedit=$build/bench/floor_lineeditwindow" "maskwell=$installed"
