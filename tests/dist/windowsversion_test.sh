#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
# The version resource configured for Windows builds carries the one version of the program,
# for the product and the file, in Italian (Italy) with the Windows Latin-1 code page.
# Usage: windowsversion_test.sh BRIVOLO_RC VERSION
set -uo pipefail
rc="$1" version="$2"
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

[ -f "$rc" ] || { echo "FAIL: no $rc" >&2; exit 1; }
major="${version%%.*}" minor="${version#*.}"
numeric="$major,$((10#$minor)),0,0"
grep -Eq "^FILEVERSION +$numeric\$" "$rc" || fail "FILEVERSION is not $numeric"
grep -Eq "^PRODUCTVERSION +$numeric\$" "$rc" || fail "PRODUCTVERSION is not $numeric"
grep -Eq "VALUE \"FileVersion\", +\"$version\"" "$rc" || fail "FileVersion is not \"$version\""
grep -Eq "VALUE \"ProductVersion\", +\"$version\"" "$rc" || fail "ProductVersion is not \"$version\""
grep -Eq 'VALUE "ProductName", +"Brivolo"' "$rc" || fail "ProductName is not Brivolo"
# 0x0410 is Italian (Italy), 0x04E4 = 1252 the code page; the two blocks must agree.
grep -Eq 'BLOCK "041004E4"' "$rc" || fail "the string block is not Italian, code page 1252"
grep -Eq 'VALUE "Translation", 0x0410, 1252' "$rc" || fail "the translation is not 0x0410, 1252"
if grep -q '@' "$rc"; then fail "unconfigured placeholders: $(grep '@' "$rc")"; fi

[ "$failures" -eq 0 ] || { echo "$failures failed" >&2; exit 1; }
echo PASS
