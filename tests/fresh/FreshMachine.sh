#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Maskwell on a machine with only what `scripts/deps.sh run` installs. In a
# mount namespace of its own, the headers and CMake packages of the packages
# that `scripts/deps.sh build` adds (GoogleTest, Google Benchmark, the designer
# files, ...) are hidden, as if they had never been installed:
#   FreshMachine.sh run <command...>   runs the command there (./run.sh, say)
#   FreshMachine.sh check              the suite's form, a configure and no build:
#       configures a new build folder as ./run.sh does on that machine (the
#       program and the gallery, no tests), then as ./test.sh does once the
#       packages are there, which must leave every compile command as it was.
# Needs root, unshare and dpkg; without them it exits 77, which CTest reports as
# skipped.
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
script=$source_dir/tests/fresh/FreshMachine.sh

skip() { echo "SKIPPED: $*"; exit 77; }
fail() { echo "FAILED: $*" >&2; exit 1; }

# The files the build-only packages installed where a configure looks.
hidden_files() {
    comm -23 <("$source_dir/scripts/deps.sh" --list build | sort -u) \
             <("$source_dir/scripts/deps.sh" --list run | sort -u) |
        while read -r package; do dpkg -L "$package" 2>/dev/null || true; done |
        grep -E '^/usr/(include|lib/[^/]+/(cmake|pkgconfig)|share/(cmake|pkgconfig))/' |
        while read -r file; do
            if [ -f "$file" ] || [ -L "$file" ]; then echo "$file"; fi
        done | sort -u
}

# Inside the namespace: every folder holding hidden files is covered, by an
# empty tmpfs where all it holds is hidden, else by a copy without them (the Qt
# CMake folders hold files of both kinds).
hide() {
    local list=$1 scratch=$2 dir masked=() copy n=0 m file
    while read -r dir; do
        for m in "${masked[@]}"; do
            [[ $dir == "$m"/* ]] && continue 2
        done
        if [ -z "$(find "$dir" ! -type d | sort | comm -23 - "$list")" ]; then
            mount -t tmpfs fresh-machine "$dir"
        else
            copy=$scratch/$((n++))
            cp -a "$dir" "$copy"
            while read -r file; do
                if [[ $file == "$dir"/* ]]; then rm -f "$copy/${file#"$dir"/}"; fi
            done <"$list"
            mount --bind "$copy" "$dir"
        fi
        masked+=("$dir")
    done < <(sed 's|/[^/]*$||' "$list" | sort -u)
}

can_hide() {
    [ "$(id -u)" -eq 0 ] || skip "needs root to hide packages in a mount namespace"
    command -v unshare >/dev/null || skip "needs unshare (util-linux)"
    command -v dpkg >/dev/null || skip "needs dpkg to know what the packages installed"
    unshare -m true 2>/dev/null || skip "this machine refuses a new mount namespace"
}

# The copies live on a tmpfs that only the namespace sees, mounted on an empty
# folder made (and removed) out here.
in_namespace() {
    local scratch status=0
    scratch=$(mktemp -d)
    unshare -m --propagation private "$script" __inside "$scratch" "$@" || status=$?
    rmdir "$scratch"
    return $status
}

case "${1:-}" in
__inside)
    scratch=$2
    shift 2
    mount -t tmpfs fresh-machine "$scratch"
    hidden_files >"$scratch/hidden"
    hide "$scratch/hidden" "$scratch"
    exec "$@"
    ;;
run)
    shift
    [ $# -gt 0 ] || fail "usage: $0 run <command...>"
    can_hide
    in_namespace "$@"
    ;;
check)
    can_hide
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    build=$work/build
    status=0
    in_namespace "$source_dir/scripts/configure.sh" "$build" >"$work/fresh.log" 2>&1 || status=$?
    cat "$work/fresh.log"
    [ "$status" -eq 0 ] || fail "the configure ./run.sh does failed without the build packages"
    # The packages really were hidden: the configure says what it left out.
    grep -q 'tests not built' "$work/fresh.log" || fail "GoogleTest was not hidden"
    grep -q 'benchmarks not built' "$work/fresh.log" || fail "Google Benchmark was not hidden"
    cmake --build "$build" --target help >"$work/targets.txt"
    for target in maskwell maskwell-gallery; do
        grep -qx "\.\.\. $target" "$work/targets.txt" || fail "no target $target"
    done
    cp "$build/compile_commands.json" "$work/fresh.json"

    # Now as ./test.sh configures the same folder, everything installed.
    "$source_dir/scripts/configure.sh" "$build" || fail "the configure ./test.sh does failed"
    [ "$(ctest --test-dir "$build" -N | grep -c 'Test *#')" -gt 0 ] ||
        fail "./test.sh's configure made no tests"
    changed=$(sort "$work/fresh.json" | comm -23 - <(sort "$build/compile_commands.json"))
    [ -z "$changed" ] || fail "./test.sh after ./run.sh recompiles: $changed"
    echo "fresh machine: ./run.sh's configure builds maskwell and maskwell-gallery;" \
         "./test.sh's then adds the tests and changes no compile command"
    ;;
*)
    echo "usage: $0 run <command...> | check" >&2
    exit 2
    ;;
esac
