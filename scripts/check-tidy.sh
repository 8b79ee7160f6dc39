#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs clang-tidy (.clang-tidy) over the project's own .cpp files, two at a time,
# with the compile commands of build/ (or $MASKWELL_BUILD_DIR); fails on any
# finding. Configure a build first (./test.sh does). Files may be named to check
# only those: scripts/check-tidy.sh controls/IPEdit.cpp
set -euo pipefail
cd "$(dirname "$0")/.."
command -v clang-tidy >/dev/null || scripts/deps.sh lint

build_dir=${MASKWELL_BUILD_DIR:-build}
if [ ! -f "$build_dir/compile_commands.json" ]; then
  echo "tidy: no $build_dir/compile_commands.json; run ./test.sh first" >&2
  exit 2
fi
# The generated sources (moc, version header) are Qt's and CMake's, not ours.
if [ $# -gt 0 ]; then
  files=("$@")
else
  mapfile -t files < <(git ls-files --cached --others --exclude-standard '*.cpp')
fi

jobs=${MASKWELL_TIDY_JOBS:-2}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
log=$work/log
# Without the precompiled headers: clang cannot read gcc's, and without them a
# file that does not include what it uses fails here.
sed -E -e 's# -include [^ ]*/cmake_pch\.hxx##g' \
  -e 's# -Xclang -include(-pch)? -Xclang [^ ]*/cmake_pch\.hxx(\.pch)?##g' \
  "$build_dir/compile_commands.json" >"$work/compile_commands.json"
status=0
printf '%s\n' "${files[@]}" |
  xargs -P "$jobs" -n 1 clang-tidy -p "$work" --quiet >"$log" 2>/dev/null || status=$?
if [ "$status" -ne 0 ]; then
  cat "$log"
  echo "tidy: findings in the files above (of ${#files[@]})" >&2
  exit 1
fi
echo "tidy: ${#files[@]} files without findings"
