#!/usr/bin/env bash
# The scripts as a user runs them, with stand-ins for dpkg, apt-get, sudo and
# cmake: on a bare machine the set-up asks for every package the program and
# the tests need, and run.sh starts the program in its run directory.
#   scripts_test.sh BUILD_DIR
set -euo pipefail
build=$(realpath "$1")
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
fake=$(mktemp -d)
trap 'rm -rf "$fake"' EXIT
printf '#!/bin/sh\nexit 1\n' >"$fake/dpkg-query"   # nothing is installed
printf '#!/bin/sh\nexit 0\n' >"$fake/cmake"        # the build is there already
printf '#!/bin/sh\nexec "$@"\n' >"$fake/sudo"
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

QT_QPA_PLATFORM=offscreen "$source_dir/run.sh" >/dev/null 2>&1 &
pid=$!
sleep 2
exe=$(readlink /proc/$pid/exe || true)
cwd=$(readlink /proc/$pid/cwd || true)
kill $pid 2>/dev/null && wait $pid 2>/dev/null || true
[ "$exe" = "$build/run/numbers3" ] || { echo "run.sh did not start $build/run/numbers3 but '$exe'"; exit 1; }
[ "$cwd" = "$build/run" ] || { echo "run.sh started the program in $cwd, not in $build/run"; exit 1; }
echo "setup.sh asks for what the tests need; run.sh runs the program in $cwd"
