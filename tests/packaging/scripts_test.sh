#!/usr/bin/env bash
# The scripts as a user runs them, with stand-ins for dpkg, apt-get, sudo,
# cmake and ctest: on a bare machine the set-up asks for every package the
# program and the tests need; the README's quick start names scripts that
# do what it says; CI runs the suite and the sanitized suite; run.sh starts
# the program in its run directory, and without a display does not start it.
#   scripts_test.sh BUILD_DIR
set -euo pipefail
build=$(realpath "$1")
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
fake=$(mktemp -d)
trap 'rm -rf "$fake"' EXIT
printf '#!/bin/sh\nexit 1\n' >"$fake/dpkg-query"   # nothing is installed
printf '#!/bin/sh\nexit 0\n' >"$fake/cmake"        # the build is there already
printf '#!/bin/sh\nexec "$@"\n' >"$fake/sudo"
printf '#!/bin/sh\necho "$@" >>%s/tested\n' "$fake" >"$fake/ctest"  # records which build it would test
printf '#!/bin/sh\n[ "$1" != install ] || echo "$@" | tr " " "\\n" >>%s/asked\n' "$fake" >"$fake/apt-get"
chmod +x "$fake"/*
export PATH=$fake:$PATH BUILD_DIR=$build

for args in "" --tests; do
    rm -f "$fake/asked"
    "$source_dir/scripts/setup.sh" $args >/dev/null
    needed=(fonts-ipafont-gothic)
    [ -z "$args" ] || needed+=(lintian devscripts python3-debian man-db at-spi2-core python3-pyatspi dbus-daemon xvfb)
    for p in "${needed[@]}"; do
        grep -qx "$p" "$fake/asked" || { echo "setup.sh $args does not install $p"; exit 1; }
    done
done

# The quick start's commands, run from the top of the tree as a user would.
quick=$(sed -n '/^## Quick start/,/^## /p' "$source_dir/README.md" | sed -n '/^```sh$/,/^```$/{/^\.\//s/ .*//p}')
[ "$(echo $quick)" = "./run.sh ./test.sh" ] || { echo "the README's quick start names '$(echo $quick)'"; exit 1; }
for script in $quick; do
    [ -x "$source_dir/$script" ] || { echo "the README's quick start names $script, which is not an executable script"; exit 1; }
done
rm -f "$fake/tested"
(cd "$source_dir" && ./test.sh >/dev/null)
grep -q -- "--test-dir $build " "$fake/tested" || { echo "./test.sh does not run the tests of $build"; exit 1; }

# CI runs .ci/run: the suite, then the sanitized suite in its own build.
rm -f "$fake/tested"
(cd "$source_dir" && BUILD_DIR= bash .ci/run >/dev/null)
grep -q -- "--test-dir build " "$fake/tested" && grep -q -- "--test-dir build-asan " "$fake/tested" \
    || { echo ".ci/run does not run both suites:"; cat "$fake/tested"; exit 1; }

# Without a display run.sh says so and starts nothing.
nodisplay=$(mktemp -d)
mkdir -p "$nodisplay/run"
printf '#!/bin/sh\ntouch %s/started\n' "$nodisplay" >"$nodisplay/run/numbers3"
chmod +x "$nodisplay/run/numbers3"
if env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM BUILD_DIR="$nodisplay" "$source_dir/run.sh" >/dev/null 2>&1; then
    echo "run.sh without a display succeeded"; rm -rf "$nodisplay"; exit 1
fi
[ ! -e "$nodisplay/started" ] || { echo "run.sh without a display started the program"; rm -rf "$nodisplay"; exit 1; }
rm -rf "$nodisplay"

QT_QPA_PLATFORM=offscreen "$source_dir/run.sh" >/dev/null 2>&1 &
pid=$!
sleep 2
exe=$(readlink /proc/$pid/exe || true)
cwd=$(readlink /proc/$pid/cwd || true)
kill $pid 2>/dev/null && wait $pid 2>/dev/null || true
[ "$exe" = "$build/run/numbers3" ] || { echo "run.sh did not start $build/run/numbers3 but '$exe'"; exit 1; }
[ "$cwd" = "$build/run" ] || { echo "run.sh started the program in $cwd, not in $build/run"; exit 1; }
echo "setup.sh asks for what the tests need; the quick start and CI run what they say; run.sh runs the program in $cwd"
