#!/usr/bin/env bash
# Builds the installer with CPack, installs it silently under Wine, checks the
# program, its Start-menu shortcut and its uninstall entry, then uninstalls it
# silently and checks that all three are gone.
# Usage: check_installer.sh SESSION BUILD_DIR SCRATCH_DIR
set -euo pipefail
session=$1 build=$2 out=$3
here=$(dirname "$0")

fail() { echo "check_installer: $*" >&2; exit 1; }
wine_exec() { "$here/../../scripts/wine-session" exec "$session" 96 "$@" >>"$out/wine.log" 2>&1; }

rm -rf "$out"
mkdir -p "$out"
cpack --config "$build/CPackConfig.cmake" -G NSIS -B "$out" >"$out/cpack.log" 2>&1 ||
    { cat "$out/cpack.log" >&2; fail "cpack failed"; }
installers=("$out"/Tarvo-*.exe)
[ ${#installers[@]} -eq 1 ] && [ -f "${installers[0]}" ] || fail "expected one installer in $out"

prefix=$session/prefix-96
program=$prefix/drive_c/Tarvo/Tarvo.exe
shortcut="$prefix/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Tarvo/Tarvo.lnk"
entry='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tarvo'
has_entry() { wine_exec reg query "$entry" /v DisplayIcon; }

status=0
wine_exec "${installers[0]}" /S '/D=C:\Tarvo' || status=$?
[ "$status" -ne 77 ] || exit 77
[ "$status" -eq 0 ] || fail "the installer exited with $status"
[ -f "$program" ] || fail "no C:\\Tarvo\\Tarvo.exe"
cmp -s "$program" "$(find "$out/_CPack_Packages" -name Tarvo.exe | head -1)" || fail "the installed program differs"
[ -f "$shortcut" ] || fail "no Start-menu shortcut"
has_entry || fail "no uninstall entry"

# The uninstaller copies itself away and returns at once: wait for it.
wine_exec 'C:\Tarvo\Uninstall.exe' /S || fail "the uninstaller failed"
for _ in $(seq 100); do
    [ -e "$program" ] || [ -e "$shortcut" ] || break
    sleep 0.2
done
[ ! -e "$program" ] || fail "C:\\Tarvo\\Tarvo.exe is still there"
[ ! -e "$shortcut" ] || fail "the Start-menu shortcut is still there"
! has_entry || fail "the uninstall entry is still there"
echo "check_installer: installed and uninstalled ${installers[0]##*/} silently"
