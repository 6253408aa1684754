#!/usr/bin/env bash
# Builds (installing what is missing) and starts the program from its run
# directory, where it finds its catalogue, help pages and sound.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}${QT_QPA_PLATFORM:-}" ]; then
    echo "run.sh: built, but there is no display to show the program on: start it on a desktop, or run QT_QPA_PLATFORM=offscreen ./run.sh to see it come up." >&2
    exit 1
fi
cd "${BUILD_DIR:-build}/run"
exec ./numbers3 "$@"
