#!/usr/bin/env bash
# Cross-builds the core, kagiroi-cli.exe, the core tests and the data-service bridge for 64-bit
# and 32-bit Windows with MinGW-w64, then runs the 64-bit core tests under wine64.
#   scripts/windows-build.sh [--no-tests]
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix wine64 googletest cmake make)
scripts/install-packages.sh "${packages[@]}"

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
targets=(kagiroi_core kagiroi-cli kagiroi_core_tests kagiroi-jvlink-bridge kagiroi_standin_bridge)

build_for() {
    local arch="$1" folder="$2"
    cmake -S . -B "$folder" -DCMAKE_TOOLCHAIN_FILE="cmake/toolchains/mingw-$arch.cmake" \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKAGIROI_BUILD_UI=OFF -DKAGIROI_BUILD_BENCH=OFF \
        -DKAGIROI_BUILD_FUZZ=OFF -DKAGIROI_WERROR=ON "${launcher[@]}"
    cmake --build "$folder" -j2 --target "${targets[@]}"
}

build_for x86_64 build-win64
build_for i686 build-win32

[ "${1:-}" = "--no-tests" ] && exit 0

# A prefix of its own in the build folder: nothing of the user's wine setup leaks in, and a
# run never depends on an earlier one.
# Debian keeps wine64 out of PATH.
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
export WINEPREFIX="$PWD/build-win64/wine"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
rm -rf "$WINEPREFIX"
"$wine" wineboot --init >/dev/null 2>&1 || true
"$wine" build-win64/tests/kagiroi_core_tests.exe --gtest_brief=1
echo "Windows build and tests passed."
