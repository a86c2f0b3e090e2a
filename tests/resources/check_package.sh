#!/usr/bin/env bash
# Builds the Debian package from the build with CPack and inspects it: name,
# version, dependencies and where its files go.
# Usage: check_package.sh BUILD_DIR SCRATCH_DIR APP_ID VERSION_TEXT
set -euo pipefail
build=$1 out=$2 app_id=$3 version=$4

fail() { echo "check_package: $*" >&2; exit 1; }

rm -rf "$out"
mkdir -p "$out"
cpack --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 ||
    { cat "$out/cpack.log" >&2; fail "cpack failed"; }
debs=("$out"/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "expected one .deb in $out"
deb=${debs[0]}
arch=$(dpkg --print-architecture)
[ "$(basename "$deb")" = "tarvo_${version}_${arch}.deb" ] || fail "unexpected file name $(basename "$deb")"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = tarvo ] || fail "package name is $(field Package)"
[ "$(field Version)" = "$version" ] || fail "package version is $(field Version)"
[ "$(field Section)" = math ] || fail "section is $(field Section)"
[ "$(field Maintainer)" = "The Tarvo developers <tarvo@example.com>" ] || fail "maintainer is $(field Maintainer)"
[ -n "$(field Description)" ] || fail "no description"

# The Chinese fonts, which no library names, then what dpkg-shlibdeps found:
# the Qt 6 libraries with versions.
depends=$(field Depends)
names=$(sed 's/, /\n/g' <<<"$depends" | sed 's/ (>= [^)]*)$//')
for library in libqt6core6 libqt6gui6 libqt6widgets6 libc6 libstdc++6; do
    grep -qx -F "$library" <<<"$names" || fail "Depends lacks $library: $depends"
done
grep -q -F "libqt6widgets6 (>= " <<<"$depends" || fail "Depends has no Qt version: $depends"
grep -qx -F "fonts-noto-cjk | fonts-wqy-zenhei | fonts-arphic-uming" <<<"$names" ||
    fail "Depends lacks a Chinese font: $depends"
[ "$(field Recommends)" = qt6-translations-l10n ] || fail "recommends $(field Recommends)"

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for path in ./usr/bin/tarvo ./usr/share/applications/$app_id.desktop \
            ./usr/share/metainfo/$app_id.metainfo.xml ./usr/share/doc/tarvo/copyright \
            ./usr/share/icons/hicolor/16x16/apps/$app_id.png \
            ./usr/share/icons/hicolor/256x256/apps/$app_id.png; do
    grep -qx -F "$path" <<<"$contents" || fail "the package lacks $path"
done
echo "check_package: ok ($depends)"
