#!/usr/bin/env bash
# The verb trainer in the real program: the start page's tile leads to the
# verb menu; the first level starts a drill whose first two forms are typed
# with a slip until the field gives up ("Voy" for "voy", "tu das" for "tú
# das"), which the answer page names and marks beside the forms in their
# colours; Enter leads to the next question; the verb list leads to the
# conjugation table of "tener", whose present and imperfect subjunctive look
# exactly as the page drawn with the forms written out here; the selection
# window takes the main window's place and "Abbrechen" brings the verb menu
# back.
#
#   verbs_work.sh PROGRAM LINK-POSITION-TOOL SCREEN-PROBE PAGE-RENDERER
set -euo pipefail
program=$(readlink -f "$1")
link_position=$(readlink -f "$2")
screen_probe=$(readlink -f "$3")
render=$(readlink -f "$4")
source "$(dirname "$(readlink -f "$0")")/driver.sh"


# The typing page has its answer field's black frame here.
asks_typing() { (( $(pixels 000000 64 268 672 1) > 600 )); }
# The answer page sets the asked form in green (right) or brown-red (wrong).
shows_solution() { (( $(pixels 009900 64 222 672 200) + $(pixels 993300 64 222 672 200) > 30 )); }
# Letters marked as slips of spelling, under the question.
marks_slips() { (( $(pixels C0392B 40 150 720 58) > 20 )); }

add_user Tester
start_program SDL_AUDIODRIVER=dummy QOR_RANDOM_SEED=3
main_window=$window
step main.htx verben.htx
keep_shot verb-menu
step verben.htx "§[vt1,verb]"
settled >/dev/null
keep_shot verb-question

# Seed 3 asks "ir", 1st person singular, then "dar", 2nd person singular.
slips=([1]="Voy" [2]="tu das")
for question in 1 2; do
    before=$(snapshot)
    asks_typing || fail "seed 3 no longer asks question $question as a form to type"
    click_at 400 286
    xdotool type --delay 40 "${slips[question]}"
    for attempt in 1 2 3 4 5; do # almost right: open until the last attempt
        xdotool key Return
        settled >/dev/null
    done
    changed_from "$before" >/dev/null || fail "question $question took no answer"
    settled >/dev/null
    shows_solution || fail "the answer page after question $question shows no solution"
    marks_slips || fail "the answer page does not mark the slip in \"${slips[question]}\""
    keep_shot verb-answer-$question
    before=$(snapshot)
    xdotool key Return
    changed_from "$before" >/dev/null || fail "Enter did not lead on after answer $question"
    settled >/dev/null
done

step verb_fuss.htx "§verblist"
keep_shot verb-list
# "tener" is the fourth verb of the list.
first_four='<a href="§showverb 0" >haber</a><br><a href="§showverb 1" >ser</a><br>'
first_four+='<a href="§showverb 2" >estar</a><br><a href="§showverb 3" >tener</a><br>'
step verbliste.htx "§showverb 3" --define "VerbListe1=$first_four"
settled >/dev/null
keep_shot verb-table
present='<+zeit>IND Presente<p><+irr>tengo<br><+irr>tienes<br><+irr>tiene<br>'
present+='<+reg>tenemos<br><+reg>tenéis<br><+irr>tienen<br>'
subjunctive='<+zeit>SUB Imperfecto<p><+irr>tuviera/tuviese<br><+irr>tuvieras/tuvieses<br>'
subjunctive+='<+irr>tuviera/tuviese<br><+irr>tuviéramos/tuviésemos<br>'
subjunctive+='<+irr>tuvierais/tuvieseis<br><+irr>tuvieran/tuviesen<br>'
"$render" --define "zeit0=$present" --define "zeit5=$subjunctive" \
    "$pages/verbtafel.htx" "$work/tener.png" 2>/dev/null
[[ "$("$screen_probe" differ "$window" "$work/tener.png" 88 84 170 108)" == 0 ]] ||
    fail "the table of tener does not show its present tense"
[[ "$("$screen_probe" differ "$window" "$work/tener.png" 262 194 170 108)" == 0 ]] ||
    fail "the table of tener does not show its imperfect subjunctive"

step verbtafel.htx verben.htx
click_link verben.htx "§verbmanuell"
selection=$(window_named "Einstellungen für den Verbtrainer")
xdotool search --onlyvisible --pid "$pid" | grep -qx "$main_window" &&
    fail "the main window stayed beside the selection window"
window=$selection
settled >/dev/null
keep_shot verb-selection
click_at 620 535 # "Abbrechen", left of "Abfrage" at the bottom right
window_gone "$selection" "\"Abbrechen\" left the selection window open"
wait_for_window 800x572
settled >/dev/null
keep_shot verb-menu-again
click_link verben.htx main.htx
settled >/dev/null
click_link main.htx "§end"
expect_orderly_end
echo "the drill asks and answers, the table and the list show, the selection window comes and goes"
