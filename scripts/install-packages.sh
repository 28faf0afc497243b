#!/usr/bin/env bash
# Installs those of the given Debian packages that are missing (asking for sudo when not root).
#   scripts/install-packages.sh package...
set -euo pipefail

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
missing=()
for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
# Another apt run on the machine holds the lock for a while: wait for it.
apt_get=($sudo apt-get -o DPkg::Lock::Timeout=600)
# A package of another architecture (wine32:i386) needs that architecture known to dpkg first.
for p in "${missing[@]}"; do
    arch=${p#*:}
    [ "$arch" = "$p" ] && continue
    if ! dpkg --print-foreign-architectures | grep -qx "$arch"; then
        $sudo dpkg --add-architecture "$arch"
        "${apt_get[@]}" update
    fi
done
if ! "${apt_get[@]}" install -y --no-install-recommends "${missing[@]}"; then
    "${apt_get[@]}" update
    "${apt_get[@]}" install -y --no-install-recommends "${missing[@]}"
fi
