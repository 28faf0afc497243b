#!/usr/bin/env bash
# The Windows package under wine, as a user meets it: a silent install into a fresh prefix, the
# installed kagiroi-cli.exe run from a program folder the user may not write (as Program Files
# on Windows), whose days and day files must equal the Linux build's for the same clock, and a
# silent uninstall that removes the programs, Start-menu entries and Add/Remove Programs entry
# and leaves the user's data.
#   [LINUX_CLI=kagiroi-cli] tests/windows/package-test.sh [options of scripts/windows-package.sh]
# LINUX_CLI is the Linux build to compare with, build/src/kagiroi-cli by default.
set -euo pipefail
cd "$(dirname "$0")/../.."
export LC_ALL=C

fail() {
    echo "package-test: FAILED: $*" >&2
    exit 1
}

linux_cli=$(realpath "${LINUX_CLI:-build/src/kagiroi-cli}")
[ -x "$linux_cli" ] || fail "no $linux_cli to compare with (scripts/setup.sh build)"

# The installer is a 32-bit program, the command-line program a 64-bit one: one prefix runs both.
# install-packages.sh makes i386 known to dpkg first.
scripts/install-packages.sh wine wine64 wine32:i386

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
scripts/windows-package.sh --output "$work/Kagiroi-setup.exe" "$@"

# Root writes through any folder's permissions, so as root wine runs as nobody.
as_user=()
if [ "$(id -u)" -eq 0 ]; then
    as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
    chown 65534:65534 "$work"
    chmod 755 "$work"
fi
user_env=(env HOME="$work" WINEPREFIX="$work/wine" WINEARCH=win64 WINEDEBUG=-all
    WINEDLLOVERRIDES="mscoree,mshtml=" LC_ALL=C.UTF-8 KAGIROI_HOME= KAGIROI_NOW=2026-12-06T09:00:00)
wine_run() { "${as_user[@]}" "${user_env[@]}" wine "$@"; }
wine_done() { "${as_user[@]}" "${user_env[@]}" wineserver -w; }
trap 'wine_done; rm -rf "$work"' EXIT

drive="$work/wine/drive_c"
program="$drive/Program Files/Kagiroi"
cli='C:\Program Files\Kagiroi\kagiroi-cli.exe'
menu="$drive/ProgramData/Microsoft/Windows/Start Menu/Programs/Kagiroi"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Kagiroi'
installed=(Kagiroi.pdf README.txt kagiroi-cli.exe kagiroi-jvlink-bridge.exe uninstall.exe)

wine_run wineboot --init >/dev/null 2>&1 || true
wine_run "$work/Kagiroi-setup.exe" /S || fail "the silent install exited with $?"
wine_done

echo "Installed files, Start menu and Add/Remove Programs entry"
for file in "${installed[@]}"; do
    [ -f "$program/$file" ] || fail "$file is not in Program Files\\Kagiroi"
done
[ ! -e "$drive/Program Files (x86)/Kagiroi" ] || fail "installed into Program Files (x86)"
file -b "$program/kagiroi-cli.exe" | grep -q '^PE32+ ' || fail "kagiroi-cli.exe is not 64-bit"
file -b "$program/kagiroi-jvlink-bridge.exe" | grep -q '^PE32 ' ||
    fail "kagiroi-jvlink-bridge.exe is not 32-bit"
links=$(cd "$menu" && ls) || fail "no Start-menu folder Kagiroi"
expected_links=$'Kagiroi Command Prompt.lnk\nKagiroi Manual.lnk\nKagiroi README.lnk\nUninstall Kagiroi.lnk'
[ "$links" = "$expected_links" ] || fail "Start menu holds: $links"
wine_run reg query "$key" /reg:64 | tr -d '\r' |
    grep -qF 'UninstallString    REG_SZ    "C:\Program Files\Kagiroi\uninstall.exe"' ||
    fail "no Add/Remove Programs entry in the 64-bit registry"

echo "A demo download from a program folder the user may not write"
chmod a-w "$program"
fresh_days=$(wine_run "$cli" days) || fail "days exited with $?"
[ -z "$fresh_days" ] || fail "a fresh install already has days: $fresh_days"
wine_run "$cli" download >/dev/null 2>"$work/download.err" ||
    fail "download exited with $?: $(cat "$work/download.err")"
windows_days=$(wine_run "$cli" days | tr -d '\r') || fail "days after the download failed"
linux="$work/linux"
KAGIROI_HOME="$linux" KAGIROI_NOW=2026-12-06T09:00:00 "$linux_cli" download >/dev/null 2>&1 ||
    fail "the Linux download failed"
linux_days=$(KAGIROI_HOME="$linux" "$linux_cli" days)
[ -n "$linux_days" ] || fail "the Linux download stored no days"
[ "$windows_days" = "$linux_days" ] ||
    fail "days differ from Linux:"$'\n'"$windows_days"$'\n--- Linux:\n'"$linux_days"
data=$(echo "$drive"/users/*/AppData/Roaming/kagiroi)
[ "$(ls "$data/Data" | wc -l)" -gt 0 ] || fail "no day files in the per-user folder $data"
diff -r "$linux/Data" "$data/Data" >&2 || fail "day files differ from Linux"
[ -f "$data/kagiroi.ini" ] || fail "no kagiroi.ini in the per-user folder"
[ "$(cd "$program" && ls | tr '\n' ' ')" = "${installed[*]} " ] ||
    fail "the program folder changed: $(ls "$program")"

echo "A silent uninstall keeps the user's data"
chmod u+w "$program"
# What a user who ran it with the right to write there keeps beside the program.
echo "[JvLink]" >"$program/kagiroi.ini"
wine_run 'C:\Program Files\Kagiroi\uninstall.exe' /S || fail "the silent uninstall exited with $?"
wine_done
[ -f "$program/kagiroi.ini" ] || fail "the uninstall removed kagiroi.ini from the program folder"
[ "$(cd "$program" && ls)" = kagiroi.ini ] ||
    fail "after the uninstall the program folder holds: $(ls "$program")"
[ ! -e "$menu" ] || fail "the Start-menu folder is left"
if wine_run reg query "$key" /reg:64 >/dev/null 2>&1; then fail "the Add/Remove Programs entry is left"; fi
diff -r "$linux/Data" "$data/Data" >&2 || fail "the uninstall changed the day files"
[ -f "$data/kagiroi.ini" ] || fail "the uninstall removed the per-user kagiroi.ini"
echo "Windows package test passed ($(du -k "$work/Kagiroi-setup.exe" | cut -f1) KiB installer)."
