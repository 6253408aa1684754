#!/usr/bin/env bash
# Regenerates the screenshots in html/images from the real windows, offscreen:
# the English set, then the Japanese one (*_ja.png) for the Japanese pages.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
BUILD_DIR=${BUILD_DIR:-build}
cmake --build "$BUILD_DIR" --target grab_screenshots
mkdir -p html/images
out=$(pwd)/html/images
cd "$BUILD_DIR/run"
QT_QPA_PLATFORM=offscreen LANG=C LC_ALL=C "../tools/grab_screenshots" "$out"
QT_QPA_PLATFORM=offscreen LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8 LANGUAGE= "../tools/grab_screenshots" "$out" _ja
