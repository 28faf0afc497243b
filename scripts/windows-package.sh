#!/usr/bin/env bash
# Makes the Windows installer (NSIS) of Kagiroi: the 64-bit kagiroi-cli.exe, the 32-bit
# kagiroi-jvlink-bridge.exe, the manual, the README, and with --window the desktop program.
#   scripts/windows-package.sh [--window DIR] [--manual PDF] [--cli EXE] [--bridge EXE]
#                              [--output FILE]
#   --window DIR  kagiroi.exe with the Qt files windeployqt put beside it (built on Windows);
#                 without it the package holds the command-line program only
#   --manual PDF  Kagiroi.pdf; by default build/src or build-ui/src, rendered there when that
#                 build has the window (it takes Qt, so a build without it cannot make it)
#   --cli, --bridge  programs already built; by default they are cross-built with MinGW in
#                 build-win64 and build-win32 (configured by scripts/windows-build.sh)
#   --output FILE  by default build-package/Kagiroi-VERSION-setup.exe
set -euo pipefail
cd "$(dirname "$0")/.."

usage() {
    sed -n '4,5p' "$0" | sed 's/^# *//' >&2
    exit 2
}

window="" manual="" cli="" bridge="" output=""
while [ $# -gt 0 ]; do
    [ $# -ge 2 ] || usage
    case "$1" in
    --window) window="$2" ;;
    --manual) manual="$2" ;;
    --cli) cli="$2" ;;
    --bridge) bridge="$2" ;;
    --output) output="$2" ;;
    *) usage ;;
    esac
    shift 2
done

fail() {
    echo "windows-package: $*" >&2
    exit 1
}

version=$(sed -n 's/^project(Kagiroi VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
[ -n "$version" ] || fail "no version in CMakeLists.txt"
work=build-package
[ -n "$output" ] || output="$work/Kagiroi-$version-setup.exe"

command -v makensis >/dev/null || scripts/install-packages.sh nsis

if [ -z "$cli" ] || [ -z "$bridge" ]; then
    if [ ! -f build-win64/CMakeCache.txt ] || [ ! -f build-win32/CMakeCache.txt ]; then
        scripts/windows-build.sh --no-tests
    fi
    if [ -z "$cli" ]; then
        cmake --build build-win64 -j2 --target kagiroi-cli
        cli=build-win64/src/kagiroi-cli.exe
    fi
    if [ -z "$bridge" ]; then
        cmake --build build-win32 -j2 --target kagiroi-jvlink-bridge
        bridge=build-win32/src/kagiroi-jvlink-bridge.exe
    fi
fi

if [ -z "$manual" ]; then
    for folder in build build-ui; do
        if [ -f "$folder/src/Kagiroi.pdf" ]; then
            manual="$folder/src/Kagiroi.pdf"
            break
        fi
        if grep -qs '^KAGIROI_BUILD_UI:BOOL=ON' "$folder/CMakeCache.txt"; then
            cmake --build "$folder" -j2 --target kagiroi_manual
            manual="$folder/src/Kagiroi.pdf"
            break
        fi
    done
    [ -n "$manual" ] || fail "no Kagiroi.pdf: build the window first (scripts/setup.sh build) or give --manual"
fi
for file in "$cli" "$bridge" "$manual"; do
    [ -f "$file" ] || fail "missing $file"
done
[ -z "$window" ] || [ -f "$window/kagiroi.exe" ] || fail "no kagiroi.exe in $window"

# The stage is exactly the program folder as installed.
stage="$work/stage"
rm -rf "$stage"
mkdir -p "$stage"
[ -z "$window" ] || cp -R "$window/." "$stage/"
cp "$cli" "$bridge" "$stage/"
cp "$manual" "$stage/Kagiroi.pdf"
# Notepad opens .txt; a BOM makes every version of it read UTF-8.
{ printf '\xef\xbb\xbf' && sed 's/$/\r/' README.md; } >"$stage/README.txt"
for licence in LICENSE LICENSE.txt LICENSE.md COPYING; do
    if [ -f "$licence" ]; then cp "$licence" "$stage/${licence%.*}.txt"; fi
done
# Debug info from a --all cross build is of no use to a user.
for program in "$stage"/kagiroi-cli.exe "$stage"/kagiroi-jvlink-bridge.exe; do
    case "$(file -b "$program" 2>/dev/null)" in
    *x86-64*) strip_tool=x86_64-w64-mingw32-strip ;;
    *80386*) strip_tool=i686-w64-mingw32-strip ;;
    *) strip_tool="" ;;
    esac
    if [ -n "$strip_tool" ] && command -v "$strip_tool" >/dev/null; then
        "$strip_tool" --strip-debug "$program"
    fi
done

# What the uninstaller removes: the installed files, then their folders deepest first.
# remove_each COMMAND: the command for each path read, as a path in the installed folder.
remove_each() {
    while read -r path; do
        path=${path#./}
        echo "    $1 \"\$INSTDIR\\${path//\//\\}\""
    done
}
files="$work/files.nsh"
{
    echo '!macro KagiroiRemoveFiles'
    (cd "$stage" && find . -type f | sort) | remove_each Delete
    (cd "$stage" && find . -mindepth 1 -type d | sort -r) | remove_each RMDir
    echo '!macroend'
} >"$files"

# makensis on Windows takes Windows paths.
native() {
    if command -v cygpath >/dev/null; then cygpath -m "$1"; else echo "$1"; fi
}
mkdir -p "$(dirname "$output")"
defines=("-DSTAGE=$(native "$PWD/$stage")" "-DFILES=$(native "$PWD/$files")"
    "-DVERSION=$version" "-DSIZE_KB=$(du -sk "$stage" | cut -f1)"
    "-DOUTFILE=$(native "$(cd "$(dirname "$output")" && pwd)/$(basename "$output")")")
[ -z "$window" ] || defines+=(-DWINDOW)
makensis -V2 -INPUTCHARSET UTF8 "${defines[@]}" packaging/kagiroi.nsi
echo "Installer: $output ($(du -k "$output" | cut -f1) KiB)"
