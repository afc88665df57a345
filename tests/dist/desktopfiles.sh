# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
# Checks shared by the install and package tests: the desktop integration files of an
# installed tree. Source it, then call check_installed_tree ROOT PREFIX APP_ID VERSION.

failures=0

fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

expect_file() {
    [ -f "$1" ] || fail "missing $1"
}

# The value of KEY in the [Desktop Entry] group of a desktop file.
desktop_value() {
    sed -n "/^\[Desktop Entry\]/,/^\[/s/^$2=//p" "$1" | head -n 1
}

check_installed_tree() {
    local root="$1" prefix="$2" id="$3" version="$4"
    local share="$root$prefix/share"
    local program="$root$prefix/games/brivolo"
    local desktop="$share/applications/$id.desktop"
    local metainfo="$share/metainfo/$id.metainfo.xml"

    [ -x "$program" ] || fail "no executable program at $program"
    expect_file "$desktop"
    expect_file "$metainfo"
    expect_file "$share/icons/hicolor/scalable/apps/$id.svg"
    for size in 16 22 24 32 48 64 128 256; do
        local png="$share/icons/hicolor/${size}x${size}/apps/$id.png"
        expect_file "$png"
        [ -f "$png" ] || continue
        # Size, then the number of distinct colours: a rendered icon has many, a blank one one.
        read -r width height colours < <(identify -format '%w %h %k\n' "$png")
        [ "$width" = "$size" ] && [ "$height" = "$size" ] ||
            fail "$png is ${width}x${height}, not ${size}x${size}"
        [ "$colours" -ge 8 ] || fail "$png has only $colours colours: nothing was drawn"
    done
    expect_file "$share/doc/brivolo/copyright"
    expect_file "$share/doc/brivolo/changelog.gz"
    expect_file "$share/man/man6/brivolo.6.gz"
    [ -f "$desktop" ] && [ -f "$metainfo" ] || return 0

    desktop-file-validate "$desktop" || fail "desktop-file-validate rejects $desktop"
    appstreamcli validate --no-net "$metainfo" || fail "appstreamcli rejects $metainfo"

    [ "$(desktop_value "$desktop" Type)" = Application ] || fail "the launcher is no application"
    [ "$(desktop_value "$desktop" Exec)" = brivolo ] || fail "the launcher does not start brivolo"
    [ "$(desktop_value "$desktop" Icon)" = "$id" ] || fail "the launcher's icon is not $id"
    local categories
    categories="$(desktop_value "$desktop" Categories)"
    case ";$categories" in *";Education;"*) ;; *) fail "not in Education: $categories" ;; esac
    case ";$categories" in *";Game;"*) ;; *) fail "not in Game: $categories" ;; esac
    # The launcher speaks Italian: it names the game's sums, and none of a few English words.
    local shown
    shown="$(desktop_value "$desktop" Name) $(desktop_value "$desktop" GenericName) \
$(desktop_value "$desktop" Comment)"
    case "${shown,,}" in *addizioni*sottrazioni*) ;; *) fail "the comment is not Italian: $shown" ;; esac
    if grep -Eiw 'the|and|game|sums|additions|subtractions' <<<"$shown" >/dev/null; then
        fail "the launcher has English text: $shown"
    fi

    grep -q "<id>$id</id>" "$metainfo" || fail "the metainfo's id is not $id"
    grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
        fail "the metainfo does not launch $id.desktop"
    grep -q "<release version=\"$version\"" "$metainfo" || fail "the metainfo's release is not $version"
    grep -q '<content_rating type="oars-1.1"' "$metainfo" || fail "the metainfo has no OARS rating"
    if grep -q '\.invalid' "$metainfo"; then fail "the metainfo points at a placeholder"; fi
}
