#!/usr/bin/env bash
# Vocabulary training in the real program, as a new user meets it: area
# training of "Grundwortschatz" at level 1; a multiple-choice question
# answered right, a typed question answered wrong (a wrong word, then the
# right one in the wrong case until the field gives up), whose answer page
# says that only the capitals were wrong and marks the letter; every answer
# page leads on with Enter; the evaluation shows; and after "end" both
# answers are in the user's file.
#
# A fixed random seed makes the program ask the same questions on every
# run. Which of the six choices is right is found out by trying them, one
# fresh run each.
#
#   training_work.sh PROGRAM LINK-POSITION-TOOL SCREEN-PROBE PACK-TOOL
set -euo pipefail
program=$(readlink -f "$1")
link_position=$(readlink -f "$2")
screen_probe=$(readlink -f "$3")
pack=$(readlink -f "$4")
source "$(dirname "$(readlink -f "$0")")/driver.sh"

# This seed asks a multiple-choice question first and a typed one second:
# "brazo", answered "Arm" or "der Arm".
seed=10


# The typing page has its answer field's black frame here.
asks_typing() { (( $(pixels 000000 64 228 672 1) > 600 )); }
# The answer pages greet a right answer in green, a wrong one in red (the
# asked word is red too, so the typing page is told apart first).
says_right() { (( $(pixels 2E6B3A 40 100 720 50) > 100 )); }
says_wrong() { ! asks_typing && (( $(pixels B0412E 40 100 720 50) > 100 )); }
# Letters marked as slips of spelling, in the answer box.
marks_slips() { (( $(pixels C0392B 64 172 672 60) > 20 )); }

first_question() {
    add_user Tester # no answers yet: the same questions every run
    start_program SDL_AUDIODRIVER=dummy QOR_RANDOM_SEED=$seed
    step main.htx vokabeln.htx
    step vokabeln.htx "§[abfrage]v_bereich.htx"
    step v_bereich.htx "§[gws,go]"
    step v_schwer.htx "§[s1,go]"
    settled >/dev/null
    ! asks_typing || fail "seed $seed no longer starts with a multiple-choice question"
}

choose() { # choice 0..5; succeeds when the program says it was right
    local before
    before=$(snapshot)
    click_link va_mch.htx "§[vokabel+]" --define "MCH$1=<a href=\"§[vokabel+]\" >xx</a>"
    changed_from "$before" >/dev/null || return 1 # an empty choice
    settled >/dev/null
    says_right
}

right=
for choice in 0 1 2 3 4 5; do
    first_question
    (( choice == 0 )) && keep_shot multiple-choice
    if choose "$choice"; then
        right=$choice
        break
    fi
    stop_program
done
[[ -n "$right" ]] || fail "no choice of the first question was taken as right"
keep_shot right-answer
before=$(snapshot)
xdotool key Return # "Weiter" is the answer page's Enter target
changed_from "$before" >/dev/null || fail "Enter did not lead on after the right answer"
settled >/dev/null

asks_typing || fail "seed $seed no longer asks a typed question second"
keep_shot typing
click_at 400 246
typed=$(snapshot)
xdotool type --delay 40 "ningunapalabra"
xdotool key Return
settled >/dev/null
asks_typing || fail "one wrong word ended the typed question"
xdotool key ctrl+a BackSpace
xdotool type --delay 40 "arm"
for attempt in 2 3 4 5; do # almost right: the field stays open until its last attempt
    xdotool key Return
    settled >/dev/null
done
changed_from "$typed" >/dev/null || fail "giving up changed nothing"
says_wrong || fail "the typed question answered wrong shows no wrong-answer page"
marks_slips || fail "the wrong-answer page does not mark the wrong capital"
keep_shot wrong-answer
xdotool key Return
settled >/dev/null

step va_ein.htx "§vocaus"
keep_shot evaluation
click_link v_auswertung.htx vokabeln.htx
settled >/dev/null
step vokabeln.htx main.htx
click_link main.htx "§end"
expect_orderly_end

"$pack" dump "$users/Tester_S.qob" "$work/tester.txt"
records=$(grep -c '^[<>][0-9]' "$work/tester.txt" || true)
(( records == 2 )) || fail "the user file holds $records records, not 2"
echo "choice $right was right, the typed question was wrong with its slip of case shown, the evaluation showed and both answers are recorded"
