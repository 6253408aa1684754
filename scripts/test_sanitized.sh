#!/usr/bin/env bash
# Builds into build-asan with AddressSanitizer and UndefinedBehaviorSanitizer
# and runs every test there, offscreen. Any finding fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
export BUILD_DIR=build-asan BUILD_TYPE=Debug CMAKE_ARGS=-DNUMBERS_SANITIZE=ON
scripts/setup.sh
export QT_QPA_PLATFORM=offscreen
# Only the three innermost frames of an allocation are kept, so the leak
# suppressions (Qt's and the system libraries' own blocks) match the code that
# allocated a block, never a Qt frame further out that called into ours.
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:halt_on_error=1:malloc_context_size=3
export LSAN_OPTIONS=suppressions=$(pwd)/tools/sanitizers/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
ctest --test-dir build-asan --output-on-failure -j2
