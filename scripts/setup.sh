#!/usr/bin/env bash
# Installs the Debian packages Kagiroi needs (only those missing) and builds it.
#   scripts/setup.sh [build-folder] [extra cmake arguments...]
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
    g++ cmake make pkg-config libssl-dev openssl python3-aiosmtpd
    libcli11-dev  # kagiroi-cli's command line
    qt6-base-dev qt6-base-dev-tools libgl-dev
    libqt6printsupport6  # PrintSupport's headers and CMake files come with qt6-base-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-noto-cjk qt6-translations-l10n xdg-utils ccache locales
    poppler-utils  # pdfinfo, pdftotext and pdffonts read the printed PDF back in a UI test
)

scripts/install-packages.sh "${packages[@]}"

# A UI test runs under a locale whose decimal mark is a comma.
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
if ! locale -a 2>/dev/null | grep -qix 'de_DE\.utf-\?8'; then
    echo "Generating the de_DE.UTF-8 locale"
    $sudo localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi

build="${1:-build}"
shift || true
# ccache keeps rebuilds on the same machine fast.
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" "$@"
cmake --build "$build" -j2
