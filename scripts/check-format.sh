#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Fails when a C++ file of the tree differs from what clang-format makes of it.
# With --fix, formats them in place instead.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v clang-format >/dev/null || scripts/deps.sh lint
mapfile -t files < <(git ls-files --cached --others --exclude-standard '*.cpp' '*.h')
if [ "${1:-}" = --fix ]; then
  clang-format -i "${files[@]}"
else
  clang-format --dry-run -Werror "${files[@]}"
  echo "format: ${#files[@]} files as clang-format makes them"
fi
