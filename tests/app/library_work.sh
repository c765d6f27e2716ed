#!/usr/bin/env bash
# The vocabulary library in the real program: area training mixes a library
# from the chosen area, and the training settings window, opened from the
# vocabulary menu in place of the main window, counts it in its information
# window; "home" brings the main window back, and "editor" leads to the
# vocabulary editor.
#
#   library_work.sh PROGRAM LINK-POSITION-TOOL SCREEN-PROBE
set -euo pipefail
program=$(readlink -f "$1")
link_position=$(readlink -f "$2")
screen_probe=$(readlink -f "$3")
source "$(dirname "$(readlink -f "$0")")/driver.sh"

add_user Tester
start_program SDL_AUDIODRIVER=dummy
main_window=$window

# Vokabeln, "Abfrage nach Bereichen", Grundwortschatz, level "Mittel":
# the training of the mix begins.
step main.htx vokabeln.htx
step vokabeln.htx "§[abfrage]v_bereich.htx"
keep_shot areas
step v_bereich.htx "§[gws,go]"
step v_schwer.htx "§[s2,go]"

# Back to the menu; the settings window takes the main window's place.
step va_ein.htx vokabeln.htx
click_link vokabeln.htx "§vocein"
for _ in $(seq 50); do
    xdotool search --onlyvisible --name "Einstellungen für den Vokabeltrainer" >/dev/null 2>&1 && break
    sleep 0.2
done
options=$(xdotool search --onlyvisible --name "Einstellungen für den Vokabeltrainer" | head -1)
[[ -n "$options" ]] || fail "no settings window appeared"
xdotool search --onlyvisible --pid "$pid" | grep -qx "$main_window" &&
    fail "the main window stayed beside the settings window"
window=$options
settled >/dev/null
keep_shot options

# F6 shows what the mixed library holds.
xdotool windowfocus --sync "$window" key F6
for _ in $(seq 50); do
    info=$(xdotool search --onlyvisible --name "Infos zur Bibliothek" | head -1) && [[ -n "$info" ]] && break
    sleep 0.2
done
[[ -n "${info:-}" ]] || fail "F6 showed no library information"
window=$info
keep_shot library-info
xdotool key Return # the modal window has the keyboard
for _ in $(seq 50); do
    xdotool search --onlyvisible --name "Infos zur Bibliothek" >/dev/null 2>&1 || break
    sleep 0.2
done

# "home" writes the settings and brings the main window back.
xdotool windowfocus --sync "$options" key alt+x
window_gone "$options" "home left the settings window open"
wait_for_window 800x572
settled >/dev/null
keep_shot home
grep -q '"MaxScore"=' "$config/registry.ini" || fail "leaving the settings window stored no settings"

# "editor" leaves the settings window for the vocabulary editor, whose
# "home" brings the main window back.
main_window=$window
step main.htx vokabeln.htx
click_link vokabeln.htx "§vocein"
options=$(window_named "Einstellungen für den Vokabeltrainer")
window=$options
settled >/dev/null
click_at 602 553 # "editor" in the status line
editor=$(window_named Vokabeleditor)
window_gone "$options" "the settings window stayed beside the editor"
xdotool windowfocus --sync "$editor" key alt+x # "home"
wait_for_window 800x572
settled >/dev/null
click_link main.htx "§end"
expect_orderly_end
echo "area mix, settings window, library information and the way home work"
