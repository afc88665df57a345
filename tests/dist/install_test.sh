#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
# `cmake --install` into a throw-away prefix ships the program, its launcher, icons, metainfo,
# manual page and licence.
# Usage: install_test.sh BUILD_DIR APP_ID VERSION
set -uo pipefail
build="$1" id="$2" version="$3"
source "$(dirname "$0")/desktopfiles.sh"

prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install failed"
check_installed_tree "" "$prefix" "$id" "$version"

# Nothing but the program and its desktop files: no test programs, no build tools.
unexpected="$(cd "$prefix" && find . -type f ! -path './games/brivolo' ! -path './share/applications/*' \
    ! -path './share/metainfo/*' ! -path './share/icons/hicolor/*' ! -path './share/doc/brivolo/*' \
    ! -path './share/man/man6/brivolo.6.gz')"
[ -z "$unexpected" ] || fail "unexpected files installed: $unexpected"

[ "$failures" -eq 0 ] || { echo "$failures failed" >&2; exit 1; }
echo PASS
