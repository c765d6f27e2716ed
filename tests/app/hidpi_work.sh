#!/usr/bin/env bash
# The real program on a screen of twice the density (QT_SCALE_FACTOR=2): the
# main window has twice the pixels each way, and its pages are drawn at that
# density, not enlarged: an enlarged picture is made of 2x2 blocks of one
# colour, a sharp one has letters and curves that cut through them.
#
#   hidpi_work.sh PROGRAM LINK-POSITION-TOOL SCREEN-PROBE
set -euo pipefail
program=$(readlink -f "$1")
link_position=$(readlink -f "$2")
screen_probe=$(readlink -f "$3")
export QOR_TEST_SCREEN=2048x1536x24
source "$(dirname "$(readlink -f "$0")")/driver.sh"

# Fails unless the area (logical pixels) is drawn at the screen's density.
expect_sharp() { # what, x y w h
    local what=$1 mixed
    mixed=$("$screen_probe" fine "$window" $(($2 * 2)) $(($3 * 2)) $(($4 * 2)) $(($5 * 2)))
    (( mixed > 200 )) || fail "$what is enlarged, not drawn sharp ($mixed mixed blocks)"
}

# Links lie where laying the page out puts them, in logical pixels.
hidpi_click() { # page, link target
    local x y
    read -r x y < <("$link_position" --condition login --define user=Ana "$pages/$1" "$2") ||
        fail "no link to $2 on $1"
    click_at $((x * 2)) $((y * 2))
}

add_user Ana
launch_program SDL_AUDIODRIVER=dummy QT_SCALE_FACTOR=2
wait_for_window 1600x1144
start=$(settled)
keep_shot start-page-hidpi
expect_sharp "the start page's greeting" 40 112 720 24
expect_sharp "the start page's first tile" 40 150 228 128

hidpi_click main.htx vokabeln.htx
changed_from "$start" >/dev/null || fail "the link to the vocabulary page changed nothing"
settled >/dev/null
keep_shot vocabulary-page-hidpi
expect_sharp "the vocabulary page" 40 100 720 300

vocabulary=$(snapshot)
hidpi_click vokabeln.htx main.htx
changed_from "$vocabulary" >/dev/null || fail "the link back to the start page changed nothing"
settled >/dev/null
hidpi_click main.htx "§end"
expect_orderly_end
if grep -v "XDG_RUNTIME_DIR" "$work/stderr" | grep -q .; then
    fail "the program printed: $(cat "$work/stderr")"
fi
echo "pages are drawn sharp at twice the density"
