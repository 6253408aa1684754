#!/usr/bin/env bash
# Fuzzes the results book's importer and ticket-list reader under
# AddressSanitizer and UBSan: builds fuzz_importer in build-fuzz
# (-DNUMBERS_SANITIZE=ON) and runs it with a count and a seed.
#   tools/fuzz_book.sh [COUNT [SEED]]      (default 1,300,000 inputs, seed from the clock)
# Prints the driver's figures; exits non-zero on a broken promise or a
# sanitizer finding (the input is kept as build-fuzz/fuzz-failure.bin).
set -euo pipefail
cd "$(dirname "$0")/.."
count=${1:-1300000}
seed=${2:-$(date +%s)}
dir=${FUZZ_BUILD_DIR:-build-fuzz}
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNUMBERS_SANITIZE=ON \
    ${CMAKE_CXX_COMPILER_LAUNCHER:+-DCMAKE_CXX_COMPILER_LAUNCHER=$CMAKE_CXX_COMPILER_LAUNCHER} >/dev/null
cmake --build "$dir" --target fuzz_importer -j"${JOBS:-2}" | tail -1
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:halt_on_error=1
export LSAN_OPTIONS=suppressions=$(pwd)/tools/sanitizers/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
exe=$(realpath "$(find "$dir" -name fuzz_importer -type f -perm -u+x | head -1)")
cd "$dir"
"$exe" --seed "$seed" --count "$count"
