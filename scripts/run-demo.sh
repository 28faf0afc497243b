#!/usr/bin/env bash
# Sets everything up and runs Kagiroi on the demo data service. Its data live in
# $KAGIROI_HOME (default ~/.local/share/kagiroi), so a rebuild never touches them.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh build
scripts/install-plugin.sh build
export KAGIROI_HOME="${KAGIROI_HOME:-$HOME/.local/share/kagiroi}"
mkdir -p "$KAGIROI_HOME"

# The desktop's menu starts Kagiroi like any other program, on the same data folder.
apps="${XDG_DATA_HOME:-$HOME/.local/share}/applications"
icons="${XDG_DATA_HOME:-$HOME/.local/share}/icons/hicolor/256x256/apps"
mkdir -p "$apps" "$icons"
cp build/src/kagiroi.png "$icons/kagiroi.png"
sed "s|@EXEC@|env \"KAGIROI_HOME=$KAGIROI_HOME\" \"$PWD/build/src/kagiroi\"|" share/kagiroi.desktop.in \
    >"$apps/kagiroi.desktop"
command -v update-desktop-database >/dev/null && update-desktop-database "$apps" || true

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec build/src/kagiroi
fi
echo "No display: running Kagiroi without its window (kagiroi-cli)."
exec build/src/kagiroi-cli demo
