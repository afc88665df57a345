#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
# CPack builds a .deb of the program that declares what it needs from Debian, and that
# unpacked into a throw-away root holds the program and its desktop files; lintian finds no fault.
# Usage: package_test.sh BUILD_DIR APP_ID VERSION
set -uo pipefail
build="$1" id="$2" version="$3"
source "$(dirname "$0")/desktopfiles.sh"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
(cd "$build" && cpack -G DEB -B "$work/out" >"$work/cpack.log" 2>&1) ||
    { cat "$work/cpack.log" >&2; fail "cpack failed"; exit 1; }
deb="$(find "$work/out" -maxdepth 1 -name '*.deb')"
[ "$(wc -l <<<"$deb")" -eq 1 ] && [ -n "$deb" ] || { fail "expected one .deb, found: $deb"; exit 1; }
[ "$(basename "$deb")" = "brivolo_${version}_$(dpkg --print-architecture).deb" ] ||
    fail "the package file is $(basename "$deb")"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = brivolo ] || fail "package name $(field Package)"
[ "$(field Version)" = "$version" ] || fail "package version $(field Version), not $version"
[ "$(field Section)" = games ] || fail "package section $(field Section)"
depends="$(field Depends)"
depended="$(sed 's/ *([^)]*)//g; s/, */\n/g' <<<"$depends")"  # one package name a line
for library in libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6 libstdc++6 qt6-qpa-plugins; do
    grep -Fxq "$library" <<<"$depended" || fail "Depends lacks $library: $depends"
done
# The game's font is built into the program.
if grep -q fonts-wine <<<"$depends"; then fail "Depends names fonts-wine: $depends"; fi

contents="$(dpkg-deb -c "$deb")"
for path in ./usr/games/brivolo "./usr/share/applications/$id.desktop" \
    "./usr/share/metainfo/$id.metainfo.xml" "./usr/share/icons/hicolor/scalable/apps/$id.svg" \
    "./usr/share/icons/hicolor/48x48/apps/$id.png"; do
    grep -q " $path\$" <<<"$contents" || fail "the package lacks $path"
done

dpkg-deb -x "$deb" "$work/root" || fail "the package does not unpack"
check_installed_tree "$work/root" /usr "$id" "$version"
missing="$(ldd "$work/root/usr/games/brivolo" | grep 'not found')"
[ -z "$missing" ] || fail "the packaged program misses libraries: $missing"
# Stripped: the debugging information of the build stays out of the package.
file "$work/root/usr/games/brivolo" | grep -q ', stripped' || fail "the packaged program is not stripped"

# Debian's own checks of a package: no error, no warning.
report="$(lintian --fail-on error,warning "$deb" 2>&1)" || fail "lintian reports: $report"

[ "$failures" -eq 0 ] || { echo "$failures failed" >&2; exit 1; }
echo PASS
