#!/usr/bin/env bash
# Builds the installer with CPack and, in each of its modes (for all users, as
# an administrator gets it, and /CurrentUser), installs it silently under Wine,
# checks the program, its Start-menu shortcut and its uninstall entry, then
# uninstalls it silently and checks that all three are gone.
# Usage: check_installer.sh SESSION BUILD_DIR SCRATCH_DIR
set -euo pipefail
[ "$#" -eq 3 ] || { sed -n '2,/^set /s/^# \{0,1\}//p' "$0" >&2; exit 2; }
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
packaged=$(find "$out/_CPack_Packages" -name Tarvo.exe -print -quit)

# A folder of the prefix, named by its environment variable, and a path of the
# prefix as a path here.
prefix=$session/prefix-96
prefix_folder() {
    local path
    path=$("$here/../../scripts/wine-session" exec "$session" 96 cmd /c echo "%$1%" 2>/dev/null | sed 's/\r$//')
    [[ "$path" == C:\\* ]] || fail "%$1% is not a folder: $path"
    echo "$path"
}
here_path() { sed 's|\\|/|g; s|^C:|'"$prefix"'/drive_c|' <<<"$1"; }
# The registry view the installer writes is its processor's; under HKCU the
# views share the Software key.
if [[ $(file -b "$installer") == PE32+* ]]; then
    program_files=ProgramFiles view=64
else
    program_files='ProgramFiles(x86)' view=32
fi
all_users_dir=$(prefix_folder "$program_files")\\Tarvo
all_users_menu=$(prefix_folder ProgramData)'\Microsoft\Windows\Start Menu\Programs\Tarvo'
current_user_dir=$(prefix_folder LOCALAPPDATA)\\Programs\\Tarvo
current_user_menu=$(prefix_folder APPDATA)'\Microsoft\Windows\Start Menu\Programs\Tarvo'
key='Software\Microsoft\Windows\CurrentVersion\Uninstall\Tarvo'
# The uninstall entry at a place ("ROOT VIEW"): its values as NAME=VALUE lines,
# sorted; empty without an entry.
entry() {
    "$here/../../scripts/wine-session" exec "$session" 96 reg query "${1% *}\\$key" /reg:"${1#* }" 2>/dev/null |
        sed -n 's/\r$//; s/^ *\([A-Za-z]*\) *REG_[A-Z]* *\(.*\)$/\1=\2/p' | sort
}
packaged_value() { sed -n 's/^set('"$1"' "\(.*\)")$/\1/p' "$build/CPackConfig.cmake"; }
name=$(packaged_value CPACK_NSIS_DISPLAY_NAME) version=$(packaged_value CPACK_PACKAGE_VERSION)
publisher=$(packaged_value CPACK_PACKAGE_VENDOR)
# The whole entry of an installation into FOLDER in MODE (AllUsers or CurrentUser).
expected_entry() {
    printf '%s\n' "DisplayIcon=$1\\Tarvo.exe" "DisplayName=$name" "DisplayVersion=$version" "InstallLocation=$1" \
        NoModify=0x1 NoRepair=0x1 "Publisher=$publisher" "QuietUninstallString=\"$1\\Uninstall.exe\" /S /$2" \
        "UninstallString=\"$1\\Uninstall.exe\" /$2" | sort
}

# MODE INSTALL_MODE SWITCH FOLDER START_MENU ROOT: the installer run with SWITCH puts
# Tarvo.exe into FOLDER, its shortcut into START_MENU (Windows paths) and its
# whole uninstall entry under ROOT in its view, no value of it anywhere else.
check_mode() {
    local mode=$1 install_mode=$2 switch=$3 folder=$4 start_menu=$5 root=$6 status=0
    local program=$folder\\Tarvo.exe dir menu link_strings place
    dir=$(here_path "$folder") menu=$(here_path "$start_menu")
    wine_exec "$installer" /S ${switch:+"$switch"} || status=$?
    [ "$status" -ne 77 ] || exit 77
    [ "$status" -eq 0 ] || fail "$mode: the installer exited with $status"
    [ -f "$dir/Tarvo.exe" ] || fail "$mode: no $program"
    cmp -s "$dir/Tarvo.exe" "$packaged" || fail "$mode: the installed program differs"
    [ -f "$menu/Tarvo.lnk" ] || fail "$mode: no Start-menu shortcut in $start_menu"
    # Captured first: grep -q stops at the first match, which could end strings with SIGPIPE.
    link_strings=$(strings -a "$menu/Tarvo.lnk")
    grep -qxF "$program" <<<"$link_strings" || fail "$mode: the shortcut does not lead to $program"
    diff <(expected_entry "$folder" "$install_mode") <(entry "$root $view") >&2 ||
        fail "$mode: the uninstall entry under $root in the $view-bit view differs from the expected one (diff above)"
    for place in "HKLM 32" "HKLM 64" "HKCU $view"; do
        [ "$place" = "$root $view" ] || [ -z "$(entry "$place")" ] ||
            fail "$mode: uninstall values under ${place% *} in the ${place#* }-bit view"
    done

    # The uninstaller copies itself away and returns at once: wait for it.
    wine_exec "$dir/Uninstall.exe" /S || fail "$mode: the uninstaller failed"
    for _ in $(seq 1500); do  # 5 minutes: on qemu each 32-bit program takes a minute to start
        [ -e "$dir" ] || [ -e "$menu" ] || break
        sleep 0.2
    done
    [ ! -e "$dir" ] || fail "$mode: $folder is still there"
    [ ! -e "$menu" ] || fail "$mode: the Start-menu folder is still there"
    for place in "HKLM 32" "HKLM 64" "HKCU $view"; do
        [ -z "$(entry "$place")" ] || fail "$mode: the uninstall entry is still under ${place% *} in the ${place#* }-bit view"
    done
    echo "check_installer: $mode: installed and uninstalled ${installer##*/} silently"
}

check_mode "all users" AllUsers "" "$all_users_dir" "$all_users_menu" HKLM
check_mode "current user" CurrentUser /CurrentUser "$current_user_dir" "$current_user_menu" HKCU
