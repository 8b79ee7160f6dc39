#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds Maskwell and runs every test headless, then prints the CTest summary.
set -euo pipefail
cd "$(dirname "$0")"

scripts/deps.sh desktop

build_dir=${MASKWELL_BUILD_DIR:-build}
scripts/configure.sh "$build_dir" "$@"
cmake --build "$build_dir" --parallel "$(nproc)"

# Qt wants a private runtime folder; the tests must not touch the user's one.
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT

ctest --test-dir "$build_dir" --output-on-failure --no-tests=error --parallel "$(nproc)"
