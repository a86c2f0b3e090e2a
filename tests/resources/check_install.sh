#!/usr/bin/env bash
# Installs the build into a scratch root as a distribution would (prefix /usr)
# and checks that the files land in the usual places and pass the validators.
# Usage: check_install.sh BUILD_DIR SCRATCH_DIR APP_ID VERSION_TEXT
set -euo pipefail
build=$1 root=$2 app_id=$3 version=$4

rm -rf "$root"
DESTDIR="$root" cmake --install "$build" --prefix /usr >/dev/null

fail() { echo "check_install: $*" >&2; exit 1; }

share="$root/usr/share"
expected=(
    "$root/usr/bin/tarvo"
    "$share/applications/$app_id.desktop"
    "$share/metainfo/$app_id.metainfo.xml"
    "$share/doc/tarvo/copyright"
)
for size in 16 32 64 128 256; do
    expected+=("$share/icons/hicolor/${size}x${size}/apps/$app_id.png")
done
for file in "${expected[@]}"; do
    [ -f "$file" ] || fail "missing ${file#"$root"}"
done
[ -x "$root/usr/bin/tarvo" ] || fail "/usr/bin/tarvo is not executable"

# Nothing else: test and benchmark programs stay out of the install.
unexpected=$(cd "$root" && find . -type f | sed 's|^\.||' | sort |
    grep -v -x -F -f <(printf '%s\n' "${expected[@]#"$root"}") || true)
[ -z "$unexpected" ] || fail "unexpected files installed: $unexpected"

for size in 16 32 64 128 256; do
    file -b "$share/icons/hicolor/${size}x${size}/apps/$app_id.png" | grep -q "PNG image data, $size x $size" ||
        fail "the ${size}x${size} icon is not a $size-pixel PNG"
done

desktop="$share/applications/$app_id.desktop"
desktop-file-validate "$desktop" || fail "desktop-file-validate rejects the desktop entry"
grep -qx "Icon=$app_id" "$desktop" || fail "the desktop entry names another icon"
grep -qx "Exec=tarvo" "$desktop" || fail "the desktop entry starts another program"
grep -qx "StartupWMClass=Tarvo" "$desktop" || fail "the desktop entry names another window class"
grep -q '^Name\[zh_CN\]=' "$desktop" || fail "the desktop entry has no Chinese name"
grep -q '^Comment\[zh_CN\]=' "$desktop" || fail "the desktop entry has no Chinese comment"

metainfo="$share/metainfo/$app_id.metainfo.xml"
appstreamcli validate --no-net --no-color "$metainfo" >"$root/appstream.log" 2>&1 ||
    { cat "$root/appstream.log" >&2; fail "appstreamcli rejects the metainfo"; }
grep -q "<id>$app_id</id>" "$metainfo" || fail "the metainfo has another id"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
    fail "the metainfo launches another desktop entry"
grep -q "<release version=\"$version\"" "$metainfo" || fail "the metainfo lacks the $version release"
echo "check_install: ok"
