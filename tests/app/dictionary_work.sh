#!/usr/bin/env bash
# The dictionary in the real program: the start page's tile leads to the
# search page; a Spanish and a German word typed there show their meanings
# from both directions; the dictionary window opens from the page, finds a
# word in its own list and hides again; the run ends in order.
#
#   dictionary_work.sh PROGRAM LINK-POSITION-TOOL SCREEN-PROBE
set -euo pipefail
program=$(readlink -f "$1")
link_position=$(readlink -f "$2")
screen_probe=$(readlink -f "$3")
source "$(dirname "$(readlink -f "$0")")/driver.sh"

add_user Tester
start_program SDL_AUDIODRIVER=dummy
step main.htx "wörterbuch.htx"
settled >/dev/null
results_shown && fail "results are shown before any search"
search_for casa
keep_shot casa
search_for Haus
keep_shot haus

# The window: hidden since the start, shown by the page; its title counts
# the entries of the shown direction.
main_window=$window
click_link "wörterbuch.htx" "§wb" --condition ergebnis
dictionary_window=
for _ in $(seq 50); do
    dictionary_window=$(xdotool search --onlyvisible --name '^qor spanisch \([0-9]+\)$' 2>/dev/null | head -1) || true
    [[ -n "$dictionary_window" ]] && break
    sleep 0.2
done
[[ -n "$dictionary_window" ]] || fail "the dictionary window did not open"
entries=$(xdotool getwindowname "$dictionary_window" | tr -dc 0-9)
(( entries > 10000 )) || fail "the dictionary holds only $entries Spanish headwords"
sleep 0.5
xdotool type --delay 40 "casa"
xdotool key Return
sleep 1
if [[ -n "${QOR_TEST_SHOTS:-}" ]]; then
    "$screen_probe" shot "$dictionary_window" "$QOR_TEST_SHOTS/window.png"
fi
# "Schließen" in the menu "Datei" only hides the window.
xdotool key alt+d
sleep 0.3
xdotool key s
sleep 0.5
xdotool search --onlyvisible --name '^qor spanisch \([0-9]+\)$' >/dev/null 2>&1 &&
    fail "the dictionary window is still shown after Schließen"
kill -0 "$pid" 2>/dev/null || fail "closing the dictionary window ended the program"

window=$main_window
xdotool windowactivate --sync "$window" 2>/dev/null || true
step "wörterbuch.htx" main.htx --condition ergebnis
click_link main.htx "§end"
expect_orderly_end
echo "the search page shows meanings of casa and Haus, and the dictionary window searches and hides"
