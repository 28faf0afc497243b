#!/usr/bin/env bash
# Fails when a C++ file of the tree is not formatted as .clang-format says; lists the files.
#   scripts/check-format.sh            every tracked C++ file
#   scripts/check-format.sh REV        only the files changed since REV
set -euo pipefail
cd "$(dirname "$0")/.."

if ! command -v clang-format >/dev/null; then
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    export DEBIAN_FRONTEND=noninteractive
    $sudo apt-get install -y --no-install-recommends clang-format ||
        { $sudo apt-get update && $sudo apt-get install -y --no-install-recommends clang-format; }
fi

if [ $# -gt 0 ]; then
    mapfile -t files < <(git diff --name-only --diff-filter=d "$1" -- '*.cpp' '*.h')
else
    mapfile -t files < <(git ls-files '*.cpp' '*.h')
fi
[ ${#files[@]} -eq 0 ] && exit 0

# One run over every file: clang-format names each file that differs in its messages.
mapfile -t unformatted < <(clang-format --dry-run "${files[@]}" 2>&1 |
    sed -n 's/^\(.*\):[0-9]*:[0-9]*: \(error\|warning\): code should be clang-formatted.*/\1/p' |
    sort -u)
if [ ${#unformatted[@]} -gt 0 ]; then
    echo "Not formatted (run clang-format -i on them):"
    printf '  %s\n' "${unformatted[@]}"
    exit 1
fi
echo "Formatting: ${#files[@]} files as .clang-format says."
