#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Configures a build folder; every script that builds goes through here:
#   scripts/configure.sh <build dir> [cmake arguments...]
# ./run.sh, ./gallery.sh and ./test.sh share build/ and pass the same options,
# so whichever runs after another recompiles nothing (an option that differed
# between them, such as the warnings-as-errors switch, would change every
# compile command). What is built follows what is installed: without
# GoogleTest and Google Benchmark the tests and benchmarks are left out with a
# message, and the program still builds.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=$1
shift

args=(-DMASKWELL_WARNINGS_AS_ERRORS=ON)
if command -v ccache >/dev/null; then
  # Paths inside the clone are hashed relative to it and the working folder is
  # left out, so that a clone in another folder hits the cache. The sloppiness
  # lets a compile that uses a precompiled header be cached at all, and the
  # inode cache hashes each precompiled header (some 200 MB) once, not once for
  # every file that uses it.
  ccache_env="CCACHE_BASEDIR=$PWD;CCACHE_NOHASHDIR=true;CCACHE_INODECACHE=true"
  ccache_env+=";CCACHE_SLOPPINESS=pch_defines,time_macros"
  args+=("-DCMAKE_CXX_COMPILER_LAUNCHER=env;$ccache_env;ccache")
fi
# Quiet but for what is left out and why.
cmake -S . -B "$build_dir" "${args[@]}" "$@" | { grep '^-- Maskwell: .*not built' || true; }
