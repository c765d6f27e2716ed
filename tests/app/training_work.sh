#!/usr/bin/env bash
# Vocabulary training in the real program: area training in test mode mixes
# the basic vocabulary and asks it; typed questions are answered (wrongly,
# with an empty field), multiple-choice questions by a click on a choice;
# every answer page leads on with Enter; the evaluation shows; and at the
# end the answers are in the user's file.
#
#   training_work.sh PROGRAM LINK-POSITION-TOOL SCREEN-PROBE PACK-TOOL
set -euo pipefail
program=$(readlink -f "$1")
link_position=$(readlink -f "$2")
screen_probe=$(readlink -f "$3")
pack=$(readlink -f "$4")
source "$(dirname "$(readlink -f "$0")")/driver.sh"

step() { # page, link target, [tool options]
    local before
    before=$(snapshot)
    click_link "$@"
    changed_from "$before" >/dev/null || fail "the link to $2 on $1 changed nothing"
}

add_user Tester
start_program SDL_AUDIODRIVER=dummy
step main.htx vokabeln.htx
step vokabeln.htx "§[abfrage]v_bereich.htx"
step v_bereich.htx "§[gws,go]"
step v_schwer.htx "§[s2,go]"
settled >/dev/null
keep_shot question

for question in 1 2 3; do
    before=$(snapshot)
    # The typing page has its answer field's black frame here.
    if (( $(pixels 000000 64 228 672 1) > 600 )); then
        click_at 400 246
        xdotool key Return # an empty answer counts as wrong
    else
        click_link va_mch.htx "§[vokabel+]" --define "MCH0=<a href=\"§[vokabel+]\" >xx</a>"
    fi
    answer=$(changed_from "$before") || fail "question $question took no answer"
    keep_shot answer-$question
    xdotool key Return # "Weiter" is the answer page's Enter target
    changed_from "$answer" >/dev/null || fail "Enter did not lead on after answer $question"
    settled >/dev/null
done

step va_ein.htx "§vocaus"
keep_shot evaluation
click_link v_auswertung.htx vokabeln.htx
settled >/dev/null
step vokabeln.htx main.htx
click_link main.htx "§end"
expect_orderly_end
"$pack" dump "$users/Tester_S.qob" "$work/tester.txt"
records=$(grep -c '^[<>][0-9]' "$work/tester.txt" || true)
(( records == 3 )) || fail "the user file holds $records records, not 3"
echo "area training asks, answers lead on, the evaluation shows and the answers are recorded"
