#!/usr/bin/env bash
# Cross-builds Kagiroi for Windows with MinGW-w64 and runs the 64-bit core tests under wine64.
#   scripts/windows-build.sh            what CI proves: the 64-bit core tests (with kagiroi-cli.exe
#                                       and the stand-in bridge they start) run under wine64, the
#                                       32-bit kagiroi-cli.exe links, and the 64-bit program reaches
#                                       a registered stand-in component through the 32-bit bridge
#                                       under wine (tests/windows/component-e2e.sh)
#   scripts/windows-build.sh --all      every target for both architectures, with debug info, and
#                                       the 32-bit core tests under wine as well
#   add --no-tests to build without running anything
set -euo pipefail
cd "$(dirname "$0")/.."

all=0 tests=1
for argument in "$@"; do
    case "$argument" in
    --all) all=1 ;;
    --no-tests) tests=0 ;;
    *) echo "usage: scripts/windows-build.sh [--all] [--no-tests]" >&2 && exit 2 ;;
    esac
done

packages=(g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix wine wine64 wine32:i386 googletest
    libcli11-dev cmake make)
scripts/install-packages.sh "${packages[@]}"

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
# Without debug info and at -O1 a cold cross build costs about half the CPU time of -O2 -g.
build_type=(-DCMAKE_BUILD_TYPE=Release "-DCMAKE_CXX_FLAGS_RELEASE=-O1 -DNDEBUG")
[ "$all" = 1 ] && build_type=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)

# build_for ARCH FOLDER TARGET...
build_for() {
    local arch="$1" folder="$2"
    shift 2
    cmake -S . -B "$folder" -DCMAKE_TOOLCHAIN_FILE="cmake/toolchains/mingw-$arch.cmake" \
        "${build_type[@]}" -DKAGIROI_BUILD_UI=OFF -DKAGIROI_BUILD_BENCH=OFF \
        -DKAGIROI_BUILD_FUZZ=OFF -DKAGIROI_WERROR=ON "${launcher[@]}"
    cmake --build "$folder" -j2 --target "$@"
}

every_target=(kagiroi_core kagiroi-cli kagiroi_core_tests kagiroi-jvlink-bridge kagiroi_standin_bridge
    kagiroi_standin_component)
if [ "$all" = 1 ]; then
    build_for x86_64 build-win64 "${every_target[@]}"
    build_for i686 build-win32 "${every_target[@]}"
else
    build_for x86_64 build-win64 kagiroi_core_tests
    build_for i686 build-win32 kagiroi-jvlink-bridge kagiroi-cli kagiroi_standin_component
fi

[ "$tests" = 0 ] && exit 0

# A prefix of its own in the build folder: nothing of the user's wine setup leaks in, and a
# run never depends on an earlier one.
# Debian keeps wine64 out of PATH.
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
export WINEPREFIX="$PWD/build-win64/wine"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
rm -rf "$WINEPREFIX"
"$wine" wineboot --init >/dev/null 2>&1 || true
"$wine" build-win64/tests/kagiroi_core_tests.exe --gtest_brief=1
# The 32-bit suite is the long run's: the bridge's own architecture, through the same prefix.
if [ "$all" = 1 ]; then wine build-win32/tests/kagiroi_core_tests.exe --gtest_brief=1; fi

# The component's road compares its downloads with the Linux program's.
linux_cli=build/src/kagiroi-cli
if [ ! -x "$linux_cli" ]; then
    cmake -S . -B build-linux-cli -DKAGIROI_BUILD_UI=OFF -DKAGIROI_BUILD_BENCH=OFF \
        -DKAGIROI_BUILD_FUZZ=OFF "${launcher[@]}"
    cmake --build build-linux-cli -j2 --target kagiroi-cli
    linux_cli=build-linux-cli/src/kagiroi-cli
fi
tests/windows/component-e2e.sh "$linux_cli"
echo "Windows build and tests passed."
