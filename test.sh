#!/usr/bin/env bash
# Builds (installing what is missing) and runs every test, offscreen.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh --tests
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "${BUILD_DIR:-build}" --output-on-failure -j2
