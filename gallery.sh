#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the control gallery and starts it.
set -euo pipefail
cd "$(dirname "$0")"

scripts/deps.sh run

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B build "${launcher[@]}" >/dev/null
cmake --build build --parallel "$(nproc)" --target maskwell-gallery
exec build/maskwell-gallery
