#!/usr/bin/env bash
# Superlearning in the real program: from the vocabulary menu, "Superlearning
# nach Bereichen" with the basic vocabulary opens the full-screen "klassisch"
# presentation, whose picture keeps changing; Escape ends it and the main
# window is back with the vocabulary menu. The superlearning menu then shows
# the same mix "abgedreht", and the settings are written; DD types
# the words onto the main window until its page's "Beenden", Techno its words
# over pictures until a click; the settings dialog opens and closes. Started
# from the training settings window or the editor, "klassisch" returns there.
#
#   superlearning_work.sh PROGRAM LINK-POSITION-TOOL SCREEN-PROBE
set -euo pipefail
program=$(readlink -f "$1")
link_position=$(readlink -f "$2")
screen_probe=$(readlink -f "$3")
source "$(dirname "$(readlink -f "$0")")/driver.sh"

# The window (or the area given) changes within eight seconds - the
# presentations pause up to four seconds between their texts. Pictures of
# both states are kept.
keeps_changing() { # name for the pictures, [x y w h]
    local name=$1 first
    shift
    first=$("$screen_probe" hash "$window" "$@")
    keep_shot "superlearning-$name-1"
    for _ in $(seq 16); do
        sleep 0.5
        if [[ "$("$screen_probe" hash "$window" "$@")" != "$first" ]]; then
            keep_shot "superlearning-$name-2"
            return 0
        fi
    done
    fail "the $name presentation stood still for eight seconds"
}

# The full-screen presentation has taken the place of the window it was
# started from and moves; Escape ends it.
presentation_runs() { # name for the pictures
    local started_from=$window
    window=$(window_named "qor spanisch Superlearning")
    [[ "$window" != "$started_from" ]] || fail "no presentation window took the place of the window"
    sleep 1
    keeps_changing "$1"
    xdotool key --window "$window" Escape
}

# ... and the main window is back.
main_window_back() {
    wait_for_window 800x572
    settled >/dev/null
}

add_user Tester
start_program SDL_AUDIODRIVER=dummy QOR_RANDOM_SEED=4
step main.htx vokabeln.htx
step vokabeln.htx "§[klassisch]v_bereich.htx"
settled >/dev/null
click_link v_bereich.htx "§[gws,go]"
presentation_runs klassisch
main_window_back
keep_shot superlearning-back

# The mix stays loaded: "abgedreht" from the superlearning menu shows it.
step vokabeln.htx superlearning.htx
settled >/dev/null
keep_shot superlearning-menu
click_link superlearning.htx "§[sm1,super]"
presentation_runs abgedreht
main_window_back

# DD types the words onto a background page of the main window until its
# "Beenden" link (at the same place on every background page) stops it.
step vokabeln.htx superlearning.htx
settled >/dev/null
click_link superlearning.htx "§[sm3,super]"
sleep 1
keeps_changing dd
step SuperDD/sonne.htx "§stop"
settled >/dev/null
keep_shot superlearning-dd-ended

# Techno shows the pictures behind the words over the main window until a
# click ends it.
step vokabeln.htx superlearning.htx
settled >/dev/null
click_link superlearning.htx "§[sm2,super]"
sleep 3
keeps_changing techno 0 40 800 460
click_at 400 300
sleep 1
settled >/dev/null
keep_shot superlearning-techno-ended

# The settings dialog opens from the superlearning menu and closes again.
step vokabeln.htx superlearning.htx
settled >/dev/null
click_link superlearning.htx "§superopts"
dialog=$(window_named "QOR Superlearning - Einstellungen")
"$screen_probe" shot "$dialog" "${QOR_TEST_SHOTS:-$work}/superlearning-settings.png"
xdotool windowfocus --sync "$dialog" key Escape
window_gone "$dialog" "the settings dialog stayed open"
step superlearning.htx vokabeln.htx
settled >/dev/null

# From the training settings window: "klassisch" there comes back to it.
click_link vokabeln.htx "§vocein"
window=$(window_named "Einstellungen für den Vokabeltrainer")
settled >/dev/null
click_at 294 553 # "klassisch" in the status line
presentation_runs klassisch-settings
window=$(window_named "Einstellungen für den Vokabeltrainer")
xdotool windowfocus --sync "$window" key alt+x # "home"
settings=$window
window_gone "$settings" "home left the training settings window open"
wait_for_window 800x572
settled >/dev/null

# From the vocabulary editor: "klassisch" there comes back to the editor.
click_link vokabeln.htx "§editor"
window=$(window_named Vokabeleditor)
sleep 1
click_at 524 756 # "klassisch" in the bottom bar
presentation_runs klassisch-editor
window=$(window_named Vokabeleditor)
xdotool windowfocus --sync "$window" key alt+x # "home": the start page
main_window_back
click_link main.htx "§end"
expect_orderly_end
# The settings were written when they changed: the last full-screen mode and
# the music of the installation's MP3 folder.
grep -A40 'qor spanisch\\Super]' "$config/registry.ini" | grep -q '^"Modus"=dword:00000000' ||
    fail "the presentation mode was not kept"
grep -A40 'qor spanisch\\Super]' "$config/registry.ini" | grep -q '^"Musik"=dword:00000002' ||
    fail "the music setting was not kept"
echo "klassisch, abgedreht, Techno and DD run and end where they should; the settings dialog opens"
