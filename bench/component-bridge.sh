#!/usr/bin/env bash
# What a Windows user pays for the bridge: a setup download of a year under wine through the
# registered stand-in component (64-bit program, 32-bit bridge, COM) against the same download
# from the demo in the program's own process. Prints farm-bench's figures; the ratio is A/B.
#   bench/component-bridge.sh [RUNS]
# Needs the Windows builds (scripts/windows-build.sh) and farm-bench.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-3}

work="$PWD/build-win64/bench-bridge"
rm -rf "$work"
mkdir -p "$work/component" "$work/demo"
for folder in component demo; do
    cp build-win64/src/kagiroi-cli.exe build-win32/src/kagiroi-jvlink-bridge.exe \
        build-win32/tests/kagiroi_standin_component.dll "$work/$folder/"
done
export KAGIROI_NOW=2026-12-12T09:00:00
export WINEPREFIX="$work/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine wineboot --init >/dev/null 2>&1 || true
wine 'C:\windows\syswow64\regsvr32.exe' /s "$(winepath -w "$work/component/kagiroi_standin_component.dll")"
(cd "$work/component" && wine ./kagiroi-cli.exe settings source component >/dev/null)
(cd "$work/demo" && wine ./kagiroi-cli.exe settings source demo >/dev/null)

# One run: the year's setup data into an empty day store.
setup_year() {
    echo "cd '$work/$1' && rm -rf Data CHG && exec wine ./kagiroi-cli.exe download --setup --from 20251212000000"
}
farm-bench -n "$runs" --timeout 3600 --vs "sh -c \"$(setup_year demo)\"" \
    -- sh -c "$(setup_year component)"
