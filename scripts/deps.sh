#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the Debian packages Maskwell needs to build, test and run, and only
# those that are missing, so a second run installs nothing.
#   scripts/deps.sh run       what the program needs to build and run: compiler,
#                             CMake, Qt 6 with its X11 and Wayland plugins, the
#                             fonts the windows are drawn with
#   scripts/deps.sh package   what run installs plus the Debian package tools and
#                             lintian (scripts/package.sh)
#   scripts/deps.sh build     the above plus the test and benchmark libraries, Qt's
#                             designer and form loader development files, and the
#                             tools of the desktop checks (validators, the Debian
#                             package tools, man, a headless Wayland compositor)
#   scripts/deps.sh desktop   the above plus Xvfb, a window manager and the tools to
#                             drive it by hand, the accessibility bus, its Python
#                             client and a session bus launcher: what the tests
#                             that run the real window need (./test.sh)
#   scripts/deps.sh lint      the above plus the format and static checkers (lintian
#                             for the package)
#   scripts/deps.sh fuzz      the above plus clang and its fuzzer and sanitizer runtimes
#   scripts/deps.sh bench     the above plus Xvfb and the X libraries the
#                             start-up and keystroke benchmarks watch it with
#   scripts/deps.sh --list SET  prints the packages of SET, one a line, and
#                             installs nothing
set -euo pipefail

list=false
if [ "${1:-}" = --list ]; then
  list=true
  shift
fi

run=(g++ cmake make qt6-base-dev qt6-qpa-plugins qt6-wayland libgl-dev
     fonts-liberation2 fonts-dejavu-core fonts-urw-base35)
# qt6-tools-dev brings the designer plugin interface and the form loader; its
# CMake package also needs the OpenGL widgets package, which it does not pull in.
build=("${run[@]}" libgtest-dev libgmock-dev libbenchmark-dev
       qt6-tools-dev libqt6opengl6-dev
       desktop-file-utils appstream dpkg-dev file man-db weston)
package=(dpkg-dev file lintian)
desktop=(xvfb xauth xdotool xclip x11-utils openbox imagemagick at-spi2-core python3-pyatspi
         dbus-x11)
lint=(clang-format clang-tidy lintian)
fuzz=(clang libclang-rt-14-dev llvm)
bench=(xvfb xauth libxcb1-dev libxcb-damage0-dev libxcb-xtest0-dev)

wanted=("${build[@]}")
case "${1:-build}" in
  run) wanted=("${run[@]}") ;;
  package) wanted=("${run[@]}" "${package[@]}") ;;
  build) ;;
  desktop) wanted+=("${desktop[@]}") ;;
  lint) wanted+=("${lint[@]}") ;;
  fuzz) wanted+=("${fuzz[@]}") ;;
  bench) wanted+=("${bench[@]}") ;;
  *) echo "usage: $0 [build|run|package|desktop|lint|fuzz|bench]" >&2; exit 2 ;;
esac
if $list; then
  printf '%s\n' "${wanted[@]}"
  exit 0
fi

missing=()
for pkg in "${wanted[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q '^install ok installed$'; then
    missing+=("$pkg")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
# Wait for another apt run to finish rather than fail on its lock.
apt=("${sudo[@]}" apt-get -o DPkg::Lock::Timeout=600)
if ! "${apt[@]}" install -y --no-install-recommends "${missing[@]}"; then
  "${apt[@]}" update
  "${apt[@]}" install -y --no-install-recommends "${missing[@]}"
fi
