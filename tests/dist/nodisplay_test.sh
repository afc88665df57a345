#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
# Without a screen to open the window on, the program says so in one line and ends with status
# 1: no display, a display nobody answers on, an unknown platform.
program="$1"
failures=0
first_line=""

expect_one_line() {
    local what="$1"
    shift
    local output status
    output=$(env -u WAYLAND_DISPLAY "$@" timeout 60 "$program" 2>&1 >/dev/null)
    status=$?
    if [ "$status" -ne 1 ]; then
        echo "FAIL: $what: status $status" >&2
        failures=$((failures + 1))
    fi
    if [ "$(printf '%s\n' "$output" | wc -l)" -ne 1 ] || [[ "$output" != brivolo:* ]]; then
        echo "FAIL: $what: printed $output" >&2
        failures=$((failures + 1))
    fi
    first_line="${first_line:-$output}"
    if [ "$output" != "$first_line" ]; then
        echo "FAIL: $what: printed $output, not $first_line" >&2
        failures=$((failures + 1))
    fi
}

expect_one_line "no DISPLAY" -u DISPLAY QT_QPA_PLATFORM=xcb
expect_one_line "a display nobody answers on" DISPLAY=:4242 QT_QPA_PLATFORM=xcb
expect_one_line "an unknown platform" QT_QPA_PLATFORM=nonsense
[ "$failures" -eq 0 ] && echo PASS
exit $((failures > 0))
