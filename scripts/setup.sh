#!/usr/bin/env bash
# Installs the Debian packages that are missing, then configures and builds
# into build/ (or $BUILD_DIR). The run directory is build/run.
#   setup.sh [--tests]   --tests adds what only the tests use
set -euo pipefail
cd "$(dirname "$0")/.."

PACKAGES=(g++ cmake ninja-build qt6-base-dev qt6-multimedia-dev qt6-tools-dev
          qt6-tools-dev-tools qt6-l10n-tools libgl-dev libqt6sql6-sqlite
          dpkg-dev desktop-file-utils appstream python3
          fonts-ipafont-gothic qt6-translations-l10n qt6-charts-dev libqt6opengl6-dev
          qt6-svg-dev)
# The package test: Debian's package checker, manual pages, DEP-5 parser
# and hardening-check (devscripts).
if [ "${1:-}" = --tests ]; then
    PACKAGES+=(lintian man-db groff-base python3-debian devscripts)
    # The screen-reader test: a session bus, the AT-SPI bus and registry,
    # pyatspi, and an X server with libX11 (Qt loads its AT-SPI bridge only there).
    PACKAGES+=(dbus-daemon at-spi2-core python3-pyatspi xvfb libx11-6)
    # Another SQLite client reading the book while the window writes it.
    PACKAGES+=(sqlite3)
fi
missing=()
for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

BUILD_DIR=${BUILD_DIR:-build}
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=${BUILD_TYPE:-RelWithDebInfo} ${CMAKE_ARGS:-} >/dev/null
cmake --build "$BUILD_DIR"
