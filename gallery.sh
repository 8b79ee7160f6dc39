#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the control gallery and starts it.
set -euo pipefail
cd "$(dirname "$0")"

scripts/deps.sh run

scripts/configure.sh build
cmake --build build --parallel "$(nproc)" --target maskwell-gallery
exec build/maskwell-gallery
