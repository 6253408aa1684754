#!/usr/bin/env bash
# Runs the bought-number window's stateful fuzzing for as many steps as asked.
#   tools/fuzz_bought.sh [STEPS [SEED]]      (defaults: 1000000 steps, a seed from the clock)
set -euo pipefail
cd "$(dirname "$0")/.."
steps=${1:-1000000}
seed=${2:-$(( $(date +%s) % 2147483647 ))}
scripts/setup.sh
cd "${BUILD_DIR:-build}/run"
QT_QPA_PLATFORM=offscreen FUZZ_STEPS=$steps FUZZ_SEED=$seed ../tests/tst_fuzz_bought 2>&1 \
    | grep -E "QINFO|FAIL|Loc|Totals"
exit "${PIPESTATUS[0]}"
