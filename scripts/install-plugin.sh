#!/usr/bin/env bash
# Installs the stand-in voting plug-in into a plug-in folder of its own and records the
# installation where Kagiroi looks for installer records, as the real plug-in's installer
# does on Windows. Start-up then finds the folder by itself.
#   scripts/install-plugin.sh [build-folder]
set -euo pipefail
cd "$(dirname "$0")/.."

build="${1:-build}"
folder="${KAGIROI_PLUGIN_HOME:-$HOME/.local/share/kagiroi-plugin}"
records="${KAGIROI_REGISTRY:-${XDG_CONFIG_HOME:-$HOME/.config}/kagiroi/installer-records.ini}"

mkdir -p "$folder/kaime" "$(dirname "$records")"
install -m 755 "$build/src/HibariTohyoPlugIn2" "$folder/HibariTohyoPlugIn2"

key='SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\Hibari投票プラグイン２_is1'
tmp="$records.tmp"
# The records file is Shift_JIS like every file Kagiroi reads; keep other programs' records.
# Its lines end in CR LF: the CR is set aside for the comparison and written back.
if [ -f "$records" ]; then
    iconv -f CP932 -t UTF-8 "$records" | awk -v key="[$key]" -v ORS='\r\n' '
        { sub(/\r$/, "") }
        $0 == key { skip = 1; next }
        /^\[/ { skip = 0 }
        !skip { print }' > "$tmp.utf8"
else
    : > "$tmp.utf8"
fi
printf '[%s]\r\nInno Setup: App Path=%s\r\n' "$key" "$folder" >> "$tmp.utf8"
iconv -f UTF-8 -t CP932 "$tmp.utf8" > "$tmp"
rm -f "$tmp.utf8"
mv "$tmp" "$records"
echo "Voting plug-in stand-in installed in $folder"
