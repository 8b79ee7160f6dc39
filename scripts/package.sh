#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package as a distribution builds one: in a build folder of
# its own (build-package/), without the tests and benchmarks, with the compiler
# and linker flags dpkg-buildflags gives with all hardening on (stack
# protector, _FORTIFY_SOURCE, full RELRO with immediate binding); then checks
# the package with lintian.
#   scripts/package.sh ["Name <address>"]
# The argument is the package's maintainer (MASKWELL_PACKAGE_MAINTAINER); the
# build folder keeps it, so later runs need it only to change it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh package

build_dir=${MASKWELL_PACKAGE_DIR:-build-package}
settings=(-DMASKWELL_BUILD_TESTS=OFF -DMASKWELL_BUILD_BENCHMARKS=OFF)
[ $# -eq 0 ] || settings+=("-DMASKWELL_PACKAGE_MAINTAINER=$1")
command -v ccache >/dev/null && settings+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

export DEB_BUILD_MAINT_OPTIONS=${DEB_BUILD_MAINT_OPTIONS:-hardening=+all}
# CMake takes no preprocessor flags of its own: they go with the compiler's.
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
ldflags=$(dpkg-buildflags --get LDFLAGS)
cmake -S . -B "$build_dir" "${settings[@]}" "-DCMAKE_CXX_FLAGS=$cxxflags" \
    "-DCMAKE_EXE_LINKER_FLAGS=$ldflags" "-DCMAKE_SHARED_LINKER_FLAGS=$ldflags" \
    "-DCMAKE_MODULE_LINKER_FLAGS=$ldflags" >/dev/null
cmake --build "$build_dir" --parallel "$(nproc)"
(cd "$build_dir" && cpack -G DEB) | tee "$build_dir/cpack.log"

deb=$(sed -n 's/^CPack: - package: \(.*\) generated\.$/\1/p' "$build_dir/cpack.log")
lintian --fail-on error,warning --display-info "$deb"
echo "lintian: no error, no warning in $deb"
