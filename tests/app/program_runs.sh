#!/usr/bin/env bash
# Starts the real program on the sample installation beside it, with a fresh
# settings store, on a virtual X display, and uses it as a user would: a click
# on the "Vokabeln" tile of the start page must show another page, a click on
# that page's way back must show the start page again exactly as before, and
# "Beenden" must end the program through its orderly shutdown with status 0.
#
#   program_runs.sh PROGRAM LINK-POSITION-TOOL SCREEN-PROBE
set -euo pipefail
program=$(readlink -f "$1")
link_position=$(readlink -f "$2")
screen_probe=$(readlink -f "$3")
source "$(dirname "$(readlink -f "$0")")/driver.sh"

# A user who is logged in at once.
add_user Tester
start_program SDL_AUDIODRIVER=dummy
start=$(settled)

click_link main.htx vokabeln.htx
menu=$(changed_from "$start") || fail "the click on the Vokabeln tile changed nothing"

click_link vokabeln.htx main.htx
back=$(changed_from "$menu") || fail "the way back from the menu changed nothing"
[[ "$back" == "$start" ]] || fail "the way back did not show the start page as before"

click_link main.htx "§end"
expect_orderly_end
# The orderly end stores the general settings, the backdrop's colour among them.
grep -q '"Hintergrund"=' "$config/registry.ini" || fail "the shutdown did not store the settings"
grep -q '"Programm"=' "$config/registry.ini" || fail "start-up did not record the program path"
echo "start page, menu, way back and end work on $(dirname "$program")"
