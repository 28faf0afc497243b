#!/usr/bin/env bash
# What a Windows user pays for the bridge: a setup download of a year under wine through the
# registered stand-in component, by the 64-bit program through the 32-bit bridge (A) against the
# 32-bit program holding the same component in its own process (B). Both read the same 32-bit
# component, so the ratio is the bridge's alone (the stand-in's own 32-bit demo is slower than
# the 64-bit program's, which would otherwise count against the bridge). Prints farm-bench's
# figures; the ratio is A/B.
#   bench/component-bridge.sh [RUNS]
# Needs the Windows builds (scripts/windows-build.sh) and farm-bench.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-3}

work="$PWD/build-win64/bench-bridge"
rm -rf "$work"
mkdir -p "$work/bridged" "$work/direct"
cp build-win64/src/kagiroi-cli.exe build-win32/src/kagiroi-jvlink-bridge.exe "$work/bridged/"
cp build-win32/src/kagiroi-cli.exe build-win32/tests/kagiroi_standin_component.dll "$work/direct/"
export KAGIROI_NOW=2026-12-12T09:00:00
export WINEPREFIX="$work/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine wineboot --init >/dev/null 2>&1 || true
wine 'C:\windows\syswow64\regsvr32.exe' /s "$(winepath -w "$work/direct/kagiroi_standin_component.dll")"
for folder in bridged direct; do
    (cd "$work/$folder" && wine ./kagiroi-cli.exe settings source component >/dev/null)
done

# One run: the year's setup data into an empty day store.
setup_year() {
    echo "cd '$work/$1' && rm -rf Data CHG && exec wine ./kagiroi-cli.exe download --setup --from 20251212000000"
}
farm-bench -n "$runs" --timeout 3600 --vs "sh -c \"$(setup_year direct)\"" \
    -- sh -c "$(setup_year bridged)"
