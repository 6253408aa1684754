#!/usr/bin/env bash
# Runs the scripted session (settings, a self-mode stop with its report, the
# bought-number window in each mode, help) under valgrind's memcheck and
# reports its errors and definitely lost blocks; suppressions name only
# Qt's and the C runtime's own allocations. Exits non-zero on any finding.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v valgrind >/dev/null || { echo "valgrind is not installed (apt-get install valgrind)"; exit 2; }
scripts/setup.sh
supp=$(pwd)/tools/sanitizers/valgrind.supp
log=$(mktemp)
cd "${BUILD_DIR:-build}/run"
QT_QPA_PLATFORM=offscreen valgrind --tool=memcheck --leak-check=full --num-callers=40 \
    --suppressions="$supp" ../tests/session_probe >/dev/null 2>"$log" || true
grep -E "session (ok|FAILED)" "$log" || true
errors=$(sed -n 's/.*ERROR SUMMARY: \([0-9]*\) errors.*/\1/p' "$log" | tail -1)
lost=$(sed -n 's/.*definitely lost: \([0-9,]*\) bytes in \([0-9,]*\) blocks.*/\2/p' "$log" | tail -1)
sed -n '/LEAK SUMMARY/,/suppressed:/p' "$log" | sed 's/^==[0-9]*== //'
echo "memcheck errors: ${errors:-?}; definitely lost blocks: ${lost:-0}; full log: $log"
[ "${errors:-1}" = 0 ] && [ "${lost:-0}" = 0 ] && grep -q "session ok" "$log"
