#!/usr/bin/env bash
# Builds KORVEX Tabulor twice -- a normal build and one with AddressSanitizer + UBSan --
# and runs the whole test suite in each; the normal build's Debian package is installed and run too.
set -euo pipefail
cd "$(dirname "$0")/.."

jobs=$(nproc)
run_suite() {
    local dir=$1
    shift
    cmake -S . -B "$dir" -G Ninja "$@"
    cmake --build "$dir" --parallel "$jobs"
    (cd "$dir" && ctest --output-on-failure --parallel "$jobs" --timeout 300)
}

run_suite build/release -DCMAKE_BUILD_TYPE=RelWithDebInfo
scripts/check-package.sh build/release
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    run_suite build/sanitize -DCMAKE_BUILD_TYPE=Debug -DKORVEX_SANITIZE=ON -DKORVEX_BENCHMARKS=OFF
