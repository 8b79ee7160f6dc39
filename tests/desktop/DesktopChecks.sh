#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The checks of Maskwell as an installed desktop program, one per call:
#   DesktopChecks.sh <check> <build dir> <version> <application id>
# install    cmake --install into a fresh prefix: every file in place, the
#            entry's Exec and Icon found there, the command answers --version
#            and --print without loading Qt and opens the window through the
#            window program, and neither carries a library search path
# man        the installed manual page lists the options --help lists, and
#            renders without a warning
# desktop    desktop-file-validate on the installed desktop entry
# metainfo   appstreamcli validate --no-net on the installed metainfo
# deb        cpack -G DEB, then dpkg-deb -c and -x: the documents in place, the
#            program stripped and without a search path, no placeholder
#            address; the unpacked copy runs as the installed one does; lintian
#            finds no error or warning
# A check whose tool is missing exits 77, which CTest reports as skipped.
set -euo pipefail

check=$1 build=$2 version=$3 id=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

skip() { echo "SKIPPED: $*"; exit 77; }
fail() { echo "FAILED: $*" >&2; exit 1; }

install_prefix() {
    cmake --install "$build" --prefix "$work/prefix" >"$work/install.log" ||
        { cat "$work/install.log"; fail "cmake --install"; }
}

# Runs the maskwell command with its own config and runtime folders: --version
# and --print answer at once without loading Qt, and without arguments it
# hands the window over to the window program, which must still be running
# (offscreen) after two seconds: a missing library, plugin or window program
# ends it at once.
starts() {
    local program=$1 window=$2
    for p in "$program" "$window"; do
        [ -x "$p" ] || fail "$p is not an executable"
        if ldd "$p" | grep -q 'not found'; then
            ldd "$p" | grep 'not found'
            fail "$p misses libraries"
        fi
    done
    if ldd "$program" | grep -q 'libQt'; then
        ldd "$program" | grep 'libQt'
        fail "$program loads Qt"
    fi
    mkdir -p -m 700 "$work/run" "$work/config"
    run() {
        XDG_RUNTIME_DIR=$work/run XDG_CONFIG_HOME=$work/config QT_QPA_PLATFORM=offscreen \
            timeout 2 "$program" "$@" >"$work/out.txt" 2>"$work/err.txt"
    }
    run --version || fail "--version: $(cat "$work/err.txt")"
    grep -q "$version" "$work/out.txt" || fail "--version printed $(cat "$work/out.txt")"
    run --print 10.1.2.3/20 || fail "--print: $(cat "$work/err.txt")"
    grep -qx 'subnet ID: 10.1.0.0' "$work/out.txt" || fail "--print printed $(cat "$work/out.txt")"
    local status=0
    run || status=$?
    if [ "$status" -ne 124 ]; then
        cat "$work/err.txt"
        fail "the window ended with status $status"
    fi
    [ ! -e "$(dirname "$program")/maskwell.ini" ] || fail "settings written beside $program"
    [ ! -e "$(dirname "$window")/maskwell.ini" ] || fail "settings written beside $window"
    echo "started: $program, and the window through it"
}

# Debian forbids an RPATH or RUNPATH in a packaged program; it would only point
# the loader at folders beside the program.
no_search_path() {
    if readelf -d "$1" | grep -E '\((RPATH|RUNPATH)\)'; then
        fail "$1 carries a library search path"
    fi
}

# The options named by each line of an options list, one a line, sorted:
# "-v, --version" gives -v and --version, "--format <kind>" gives --format.
option_names() {
    tr ',' '\n' | sed -n 's/^ *\(-[^ ]*\).*/\1/p' | sort -u
}

case "$check" in
install)
    install_prefix
    p=$work/prefix
    for f in bin/maskwell libexec/maskwell/maskwell-window share/applications/$id.desktop \
             share/metainfo/$id.metainfo.xml \
             share/man/man1/maskwell.1.gz share/doc/maskwell/copyright; do
        [ -f "$p/$f" ] || fail "not installed: $f"
    done
    no_search_path "$p/bin/maskwell"
    no_search_path "$p/libexec/maskwell/maskwell-window"
    [ ! -e "$p/bin/maskwell-build-tree" ] || fail "the build tree marker was installed"
    for size in 16 22 24 32 48 64 128 256; do
        icon=$p/share/icons/hicolor/${size}x$size/apps/$id.png
        [ -f "$icon" ] || fail "no icon at $size"
        file "$icon" | grep -q "PNG image data, $size x $size, 8-bit/color RGBA" ||
            fail "icon $size: $(file -b "$icon")"
    done
    exec_line=$(sed -n 's/^Exec=//p' "$p/share/applications/$id.desktop")
    icon_name=$(sed -n 's/^Icon=//p' "$p/share/applications/$id.desktop")
    [ "$icon_name" = "$id" ] || fail "Icon=$icon_name"
    [ -x "$p/bin/${exec_line%% *}" ] || fail "Exec=$exec_line is not in $p/bin"
    starts "$p/bin/${exec_line%% *}" "$p/libexec/maskwell/maskwell-window"
    ;;
man)
    install_prefix
    page=$work/prefix/share/man/man1/maskwell.1.gz
    # --help's "Options:" block, and the tags of the page's OPTIONS section
    # (the line after each .TP, its roff escapes and font changes taken out).
    QT_QPA_PLATFORM=offscreen "$work/prefix/bin/maskwell" --help |
        sed -n '/^Options:/,/^$/s/^  \(-[^ ].*\)/\1/p' | sed 's/  .*//' | option_names \
        >"$work/help-options.txt"
    zcat "$page" | sed -n '/^\.SH OPTIONS/,/^\.SH /{/^\.TP/{n;p}}' |
        sed -e 's/\\-/-/g' -e 's/\\f[BIRP]//g' -e 's/^\.[A-Z]* *//' -e 's/"//g' |
        tr ' ' '\n' | option_names >"$work/page-options.txt"
    [ -s "$work/help-options.txt" ] || fail "--help lists no options"
    diff -u --label "maskwell --help" --label "maskwell.1 OPTIONS" \
        "$work/help-options.txt" "$work/page-options.txt" ||
        fail "the manual page and --help list different options"
    echo "options: $(tr '\n' ' ' <"$work/help-options.txt")"
    if command -v man >/dev/null; then
        LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" >"$work/page.txt" \
            2>"$work/man-warnings.txt"
        [ ! -s "$work/man-warnings.txt" ] || { cat "$work/man-warnings.txt"; fail "man warns"; }
        grep -q '^EXIT STATUS' "$work/page.txt" || fail "the page renders without its sections"
    else
        echo "man is missing (Debian package man-db): the page's rendering is not checked"
    fi
    ;;
desktop)
    command -v desktop-file-validate >/dev/null || skip "desktop-file-validate is missing (Debian package desktop-file-utils)"
    install_prefix
    desktop-file-validate "$work/prefix/share/applications/$id.desktop"
    echo "valid: $id.desktop"
    ;;
metainfo)
    command -v appstreamcli >/dev/null || skip "appstreamcli is missing (Debian package appstream)"
    install_prefix
    appstreamcli validate --no-net "$work/prefix/share/metainfo/$id.metainfo.xml"
    ;;
deb)
    command -v dpkg-deb >/dev/null || skip "dpkg-deb is missing (Debian package dpkg)"
    command -v dpkg-shlibdeps >/dev/null || skip "dpkg-shlibdeps is missing (Debian package dpkg-dev)"
    # A build configured without a maintainer gets one for this package only.
    maintainer=()
    grep -q '^set(CPACK_PACKAGE_CONTACT ".\+")$' "$build/CPackConfig.cmake" ||
        maintainer=(-D "CPACK_PACKAGE_CONTACT=Maskwell package check <check@maskwell.invalid>")
    cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/package" "${maintainer[@]}" \
        >"$work/cpack.log" || { cat "$work/cpack.log"; fail "cpack -G DEB"; }
    deb=$work/package/maskwell_${version}_$(dpkg --print-architecture).deb
    [ -f "$deb" ] || { ls "$work/package"; fail "no $(basename "$deb")"; }
    dpkg-deb -c "$deb" >"$work/contents.txt"
    for f in usr/bin/maskwell usr/libexec/maskwell/maskwell-window \
             usr/share/applications/$id.desktop \
             usr/share/metainfo/$id.metainfo.xml usr/share/icons/hicolor/256x256/apps/$id.png \
             usr/share/man/man1/maskwell.1.gz usr/share/doc/maskwell/copyright \
             usr/share/doc/maskwell/changelog.gz; do
        grep -q " \./$f\$" "$work/contents.txt" || { cat "$work/contents.txt"; fail "not packed: $f"; }
    done
    [ "$(dpkg-deb -f "$deb" Section)" = net ] || fail "Section $(dpkg-deb -f "$deb" Section)"
    depends=$(dpkg-deb -f "$deb" Depends)
    for lib in libqt6widgets6 libqt6gui6 libqt6core6 libstdc++6 qt6-qpa-plugins; do
        [[ $depends == *"$lib"* ]] || fail "Depends lacks $lib: $depends"
    done
    dpkg-deb -x "$deb" "$work/root"
    dpkg-deb -e "$deb" "$work/root/DEBIAN"
    for f in usr/bin/maskwell usr/libexec/maskwell/maskwell-window; do
        file -b "$work/root/$f" | grep -q ', stripped$' || fail "$f: $(file -b "$work/root/$f")"
        no_search_path "$work/root/$f"
    done
    # A field or document with no real value is left out rather than faked.
    placeholder='example\.\(org\|com\|net\)'
    found=$({ grep -rIl "$placeholder" "$work/root"
              find "$work/root" -name '*.gz' -exec zgrep -l "$placeholder" {} +; } || true)
    [ -z "$found" ] || { echo "$found"; fail "a placeholder address ships in the files above"; }
    starts "$work/root/usr/bin/maskwell" "$work/root/usr/libexec/maskwell/maskwell-window"
    if command -v lintian >/dev/null; then
        lintian --fail-on error,warning --display-info "$deb" || fail "lintian"
        echo "lintian: no error, no warning"
    else
        echo "lintian is missing (Debian package lintian): the package's policy is not checked"
    fi
    echo "packed: $(basename "$deb"), Depends: $depends"
    ;;
*)
    fail "unknown check $check"
    ;;
esac
