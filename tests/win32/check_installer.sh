#!/usr/bin/env bash
# Builds the installer with CPack and, in each of its modes (for all users, as
# an administrator gets it, and /CurrentUser), installs it silently under Wine,
# checks the program, its Start-menu shortcut and its uninstall entry, then
# uninstalls it silently and checks that all three are gone.
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
installer=${installers[0]}
packaged=$(find "$out/_CPack_Packages" -name Tarvo.exe | head -1)

# A folder of the prefix, named by its environment variable, and a path of the
# prefix as a path here.
prefix=$session/prefix-96
folder() {
    local path
    path=$("$here/../../scripts/wine-session" exec "$session" 96 cmd /c echo "%$1%" 2>/dev/null | sed 's/\r$//')
    [[ "$path" == C:\\* ]] || fail "%$1% is not a folder: $path"
    echo "$path"
}
here_path() { sed 's|\\|/|g; s|^C:|'"$prefix"'/drive_c|' <<<"$1"; }
if file -b "$installer" | grep -q 'PE32+'; then program_files=ProgramFiles; else program_files='ProgramFiles(x86)'; fi
all_users_dir=$(folder "$program_files")\\Tarvo
all_users_menu=$(folder ProgramData)'\Microsoft\Windows\Start Menu\Programs\Tarvo'
current_user_dir=$(folder LOCALAPPDATA)\\Programs\\Tarvo
current_user_menu=$(folder APPDATA)'\Microsoft\Windows\Start Menu\Programs\Tarvo'
key='Software\Microsoft\Windows\CurrentVersion\Uninstall\Tarvo'
# The icon of the uninstall entry under a root, empty without an entry.
entry_icon() {
    "$here/../../scripts/wine-session" exec "$session" 96 reg query "$1\\$key" /v DisplayIcon 2>/dev/null |
        sed -n 's/\r$//; s/^ *DisplayIcon *REG_SZ *//p'
}

# MODE SWITCH FOLDER START_MENU ROOT OTHER_ROOT: the installer run with SWITCH
# puts Tarvo.exe into FOLDER, its shortcut into START_MENU (Windows paths) and
# its uninstall entry under ROOT, none under OTHER_ROOT.
check_mode() {
    local mode=$1 switch=$2 program=$3\\Tarvo.exe root=$5 other=$6 status=0
    local dir menu
    dir=$(here_path "$3") menu=$(here_path "$4")
    wine_exec "$installer" /S $switch || status=$?
    [ "$status" -ne 77 ] || exit 77
    [ "$status" -eq 0 ] || fail "$mode: the installer exited with $status"
    [ -f "$dir/Tarvo.exe" ] || fail "$mode: no $program"
    cmp -s "$dir/Tarvo.exe" "$packaged" || fail "$mode: the installed program differs"
    [ -f "$menu/Tarvo.lnk" ] || fail "$mode: no Start-menu shortcut in $4"
    strings -a "$menu/Tarvo.lnk" | grep -qxF "$program" || fail "$mode: the shortcut does not lead to $program"
    [ "$(entry_icon "$root")" = "$program" ] || fail "$mode: no uninstall entry with the program's icon under $root"
    [ -z "$(entry_icon "$other")" ] || fail "$mode: an uninstall entry under $other"

    # The uninstaller copies itself away and returns at once: wait for it.
    wine_exec "$dir/Uninstall.exe" /S || fail "$mode: the uninstaller failed"
    for _ in $(seq 100); do
        [ -e "$dir" ] || [ -e "$menu" ] || break
        sleep 0.2
    done
    [ ! -e "$dir" ] || fail "$mode: $3 is still there"
    [ ! -e "$menu" ] || fail "$mode: the Start-menu folder is still there"
    [ -z "$(entry_icon "$root")" ] || fail "$mode: the uninstall entry is still there"
    echo "check_installer: $mode: installed and uninstalled ${installer##*/} silently"
}

check_mode "all users" "" "$all_users_dir" "$all_users_menu" HKLM HKCU
check_mode "current user" /CurrentUser "$current_user_dir" "$current_user_menu" HKCU HKLM
