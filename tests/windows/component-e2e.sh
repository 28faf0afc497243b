#!/usr/bin/env bash
# The road a Windows user's data take, driven whole under wine: the 64-bit kagiroi-cli.exe starts
# the 32-bit bridge, which asks COM for the component's ProgID and gets the stand-in component
# registered in a prefix of its own. Its downloads must equal the demo's on Linux byte for byte;
# without the component the program must say how to get it; each of the component's bad habits
# must end in time, be told and logged, and spoil nothing a clean download then makes.
#   tests/windows/component-e2e.sh LINUX-KAGIROI-CLI
# Run by scripts/windows-build.sh once build-win64 and build-win32 are built.
set -euo pipefail
cd "$(dirname "$0")/../.."

linux_cli=$(realpath "$1")
work="$PWD/build-win64/component-e2e"
program="$work/Kagiroi"
rm -rf "$work"
mkdir -p "$program" "$work/linux"
cp build-win64/src/kagiroi-cli.exe build-win32/src/kagiroi-jvlink-bridge.exe \
    build-win32/tests/kagiroi_standin_component.dll "$program/"

unset KAGIROI_HOME KAGIROI_JVLINK_BRIDGE KAGIROI_STANDIN_FAULT
export KAGIROI_NOW=2026-12-12T09:00:00
export WINEPREFIX="$work/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine wineboot --init >/dev/null 2>&1 || true

failures=0
fail() {
    echo "FAILED: $*" >&2
    failures=$((failures + 1))
}
# wine_cli ARGS...: the installed program, its output (both streams, UTF-8) in $output.
wine_cli() {
    local status=0
    output=$(cd "$program" && wine ./kagiroi-cli.exe "$@" 2>&1) || status=$?
    return $status
}
regsvr32() {
    wine 'C:\windows\syswow64\regsvr32.exe' /s "$@" "$(winepath -w "$program/kagiroi_standin_component.dll")"
}
# A program folder with no data, reading from the component.
fresh_folder() {
    (cd "$program" && rm -rf Data CHG kaime jikeiretu ErrorLog.txt kagiroi.ini)
    wine_cli settings source component || fail "settings source component: $output"
}
error_log() { iconv -f CP932 -t UTF-8 "$program/ErrorLog.txt" 2>/dev/null || true; }
same_data_as_linux() {
    diff -r "$work/linux/Data" "$program/Data" >/dev/null || fail "$1: day files differ from Linux"
}

echo "== the demo on Linux"
KAGIROI_HOME="$work/linux" "$linux_cli" download >/dev/null 2>&1
linux_race=$(KAGIROI_HOME="$work/linux" "$linux_cli" race 2026-12-12 1)

echo "== a download through the registered component"
regsvr32 || fail "regsvr32 could not register the stand-in"
fresh_folder
wine_cli download || fail "download through the component: $output"
same_data_as_linux "download through the component"
wine_cli race 2026-12-12 1 || fail "race: $output"
[ "$output" = "$linux_race" ] || fail "the race's tables differ from Linux"

echo "== the component's bad habits"
export KAGIROI_BRIDGE_TIMEOUT_SECONDS=5
habits=(
    "hang-open|JV-Linkブリッジが5秒応答しません（JVOpen）"
    "hang:50|JV-Linkブリッジが5秒応答しません（JVRead）"
    "exit:50|JV-Linkブリッジが終了しました（JVRead）"
    "bad-text:50|ダウンロードしたファイル内容が異常です。"
)
for habit in "${habits[@]}"; do
    fault=${habit%%|*} told=${habit#*|}
    fresh_folder
    if KAGIROI_STANDIN_FAULT=$fault wine_cli download; then
        fail "$fault: the download succeeded"
    fi
    [[ "$output" == *"$told"* ]] || fail "$fault: not told \"$told\": $output"
    [[ "$output" == *"LastTime: unchanged"* ]] || fail "$fault: the download point moved"
    [[ "$(error_log)" == *"$told"* ]] || fail "$fault: no ErrorLog line"
    wine_cli download || fail "$fault: the clean download after it: $output"
    same_data_as_linux "the clean download after $fault"
done
unset KAGIROI_BRIDGE_TIMEOUT_SECONDS

echo "== no component registered"
regsvr32 /u || fail "regsvr32 /u could not unregister the stand-in"
fresh_folder
if wine_cli download; then fail "download without the component succeeded"; fi
missing="JRA-VANのホームページより【JV-Link】を入手し、インストールしてください。"
[[ "$output" == *"$missing"* ]] || fail "no missing-component message: $output"

[ "$failures" -eq 0 ] || exit 1
echo "The component's road under wine passed."
