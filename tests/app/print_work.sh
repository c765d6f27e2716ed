#!/usr/bin/env bash
# Printing in the real program: the training settings window, opened from
# the vocabulary menu, loads "Familie" through its open dialog and saves the
# library as a word list and as flash cards into PDF files, the names typed
# into the save dialog; the files hold the pages the library needs.
#
#   print_work.sh PROGRAM LINK-POSITION-TOOL SCREEN-PROBE
set -euo pipefail
program=$(readlink -f "$1")
link_position=$(readlink -f "$2")
screen_probe=$(readlink -f "$3")
source "$(dirname "$(readlink -f "$0")")/driver.sh"

for tool in pdfinfo pdftotext; do
    command -v "$tool" >/dev/null || fail "$tool is not installed (poppler-utils)"
done
library="$(dirname "$program")/Vokabeln (S)/Grundwortschatz/Familie.asc"
[[ -f "$library" ]] || fail "no sample library at $library"

add_user Tester
start_program SDL_AUDIODRIVER=dummy

wait_for_named() { # window name; prints its id
    local id
    for _ in $(seq 75); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1) || true
        [[ -n "$id" ]] && { echo "$id"; return 0; }
        sleep 0.2
    done
    fail "no window \"$1\" appeared"
}

wait_until_gone() { # window id
    for _ in $(seq 75); do
        xdotool search --onlyvisible --pid "$pid" 2>/dev/null | grep -qx "$1" || return 0
        sleep 0.2
    done
    fail "window $1 stayed open"
}

# The menu "Datei" and one of its items by its underlined letter.
file_menu() { # letter
    xdotool windowfocus --sync "$options"
    xdotool mousemove --window "$options" 20 10 click 1
    sleep 0.5
    xdotool key "$1"
}

visible_windows() {
    xdotool search --onlyvisible --pid "$pid" 2>/dev/null | sort || true
}

# The first window of the program that is not among those given and stays:
# the dialog just opened (the menu that opened it closes).
wait_for_dialog() { # the windows before
    local id
    for _ in $(seq 75); do
        id=$(comm -13 <(echo "$1") <(visible_windows) | head -1)
        sleep 0.2
        [[ -n "$id" ]] && visible_windows | grep -qx "$id" && { echo "$id"; return 0; }
    done
    fail "no dialog appeared"
}

# Types a full path into the open or save dialog opened since the windows
# given were listed, and confirms it.
answer_file_dialog() { # the windows before, path
    local dialog
    dialog=$(wait_for_dialog "$1")
    xdotool windowfocus --sync "$dialog"
    xdotool key ctrl+a
    xdotool type --delay 20 "$2"
    sleep 0.3
    xdotool key Return
    wait_until_gone "$dialog"
}

click_link main.htx vokabeln.htx
settled >/dev/null
click_link vokabeln.htx "§vocein"
options=$(wait_for_named "Einstellungen für den Vokabeltrainer")
window=$options
settled >/dev/null

before=$(visible_windows)
file_menu f
answer_file_dialog "$before" "$library"
settled >/dev/null
keep_shot library-open

# The word list: "Als PDF speichern...".
before=$(visible_windows)
file_menu p
answer_file_dialog "$before" "$work/Liste.pdf"
for _ in $(seq 50); do [[ -s "$work/Liste.pdf" ]] && break; sleep 0.2; done
[[ -s "$work/Liste.pdf" ]] || fail "no word list was written"
page_count=$(pdfinfo "$work/Liste.pdf" | awk '/^Pages:/ {print $2}')
(( page_count >= 2 )) || fail "the word list of 50 entries has $page_count page(s)"
for page in $(seq "$page_count"); do
    text=$(pdftotext -f "$page" -l "$page" -layout "$work/Liste.pdf" -)
    grep -q "S. $page" <<<"$text" || fail "page $page of the word list has no page number"
    grep -q "Familie.asc" <<<"$text" || fail "page $page of the word list has no header"
done
pdftotext "$work/Liste.pdf" - | grep -q "familia (f)" || fail "the word list lacks \"familia (f)\""

# The flash cards: "Karteikarten als PDF speichern...", the dialog taken as it is.
before=$(visible_windows)
file_menu k
cards=$(wait_for_named "Karteikarten drucken")
window=$cards
keep_shot card-dialog
xdotool windowfocus --sync "$cards" key Return
wait_until_gone "$cards"
window=$options
answer_file_dialog "$before" "$work/Karten.pdf"
for _ in $(seq 50); do [[ -s "$work/Karten.pdf" ]] && break; sleep 0.2; done
[[ -s "$work/Karten.pdf" ]] || fail "no flash cards were written"
page_count=$(pdfinfo "$work/Karten.pdf" | awk '/^Pages:/ {print $2}')
[[ "$page_count" == 6 ]] || fail "50 flash cards gave $page_count pages, not 3 fronts and 3 backs"
for page in 1 2 3; do
    text=$(pdftotext -f "$page" -l "$page" "$work/Karten.pdf" -)
    [[ $(grep -c "qor spanisch" <<<"$text") -ge 8 ]] || fail "front page $page lacks its cards"
    grep -q "Familie" <<<"$text" || fail "front page $page lacks the title"
done
for page in 4 5 6; do
    text=$(pdftotext -f "$page" -l "$page" "$work/Karten.pdf" -)
    grep -q "(die)\|(der)\|(das)" <<<"$text" || fail "back page $page lacks the meanings"
    grep -q "qor spanisch" <<<"$text" && fail "back page $page shows a front"
done
pdftotext -f 4 -l 4 "$work/Karten.pdf" - | grep -q "familia (f)" ||
    fail "the first back lacks \"familia (f)\""

xdotool windowfocus --sync "$options" key alt+x
wait_until_gone "$options"
wait_for_window 800x572
settled >/dev/null
click_link main.htx "§end"
expect_orderly_end
[[ -n "${QOR_TEST_SHOTS:-}" ]] && cp "$work/Liste.pdf" "$work/Karten.pdf" "$QOR_TEST_SHOTS/"
echo "the word list and the flash cards of a library go into PDF files"
