#!/usr/bin/env bash
# Sets everything up, builds, and runs every test: the whole suite, then the core tests again
# in a build with AddressSanitizer and UndefinedBehaviorSanitizer, and a short run of each
# fuzz target there; then the Windows builds, with the 64-bit core tests under wine64, and the
# Windows installer installed, run and uninstalled under wine.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh build -DKAGIROI_WERROR=ON
(cd build && ctest --output-on-failure -j2)

scripts/setup.sh build-asan -DKAGIROI_WERROR=ON -DCMAKE_BUILD_TYPE=Debug -DKAGIROI_SANITIZE=ON \
    -DKAGIROI_BUILD_UI=OFF -DKAGIROI_BUILD_BENCH=OFF
(cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --output-on-failure -j2)
# A short fixed run of every fuzz target (scripts/fuzz-long.sh runs them for hours).
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    build-asan/fuzz/kagiroi_fuzz all --runs "${KAGIROI_FUZZ_RUNS:-600}" --seed 1
# The Windows builds (MinGW-w64) and the 64-bit core tests under wine64.
scripts/windows-build.sh
tests/windows/package-test.sh
echo "All tests passed."
