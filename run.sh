#!/usr/bin/env bash
# Builds (installing what is missing) and starts the program from its run
# directory, where it finds its catalogue, help pages and sound.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
cd "${BUILD_DIR:-build}/run"
exec ./numbers3 "$@"
