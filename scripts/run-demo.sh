#!/usr/bin/env bash
# Sets everything up and runs Kagiroi on the demo data service. Its data live in
# $KAGIROI_HOME (default ~/.local/share/kagiroi), so a rebuild never touches them.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh build
scripts/install-plugin.sh build
export KAGIROI_HOME="${KAGIROI_HOME:-$HOME/.local/share/kagiroi}"
mkdir -p "$KAGIROI_HOME"

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec build/src/kagiroi
fi
echo "No display: running Kagiroi without its window (kagiroi-cli)."
exec build/src/kagiroi-cli demo
