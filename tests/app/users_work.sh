#!/usr/bin/env bash
# The users of the real program, as a person meets them on the sample
# installation: the first start greets with the first-login wizard; the name
# typed there becomes a user whose name the start page shows; "Beenden" writes
# the user file and the learning log; the next start logs the same user in
# without the wizard; the user page and the statistics page with its four
# charts show what the user file holds, and its learning history charts the
# answers of the last days from the log and the right ones beside it; with
# the history switched off in the settings the chart is gone.
#
#   users_work.sh PROGRAM LINK-POSITION-TOOL SCREEN-PROBE RENDER-TOOL PACK-TOOL
set -euo pipefail
program=$(readlink -f "$1")
link_position=$(readlink -f "$2")
screen_probe=$(readlink -f "$3")
render=$(readlink -f "$4")
pack=$(readlink -f "$5")
source "$(dirname "$(readlink -f "$0")")/driver.sh"

# The start page's greeting, drawn as it must look for a logged-in user.
greeting_differs() { # name
    "$render" --condition s --condition login --define "user=$1" "$pages/main.htx" \
        "$work/expected.png" 2>/dev/null
    "$screen_probe" differ "$window" "$work/expected.png" 40 112 720 24
}

# The wizard goes on with Enter, as with its default button "Weiter >".
wizard_forward() {
    local before
    before=$(snapshot)
    xdotool key Return
    changed_from "$before" >/dev/null || fail "Enter did not take the wizard a step on"
}

# --- First start: nobody has used the program yet. ---
launch_program SDL_AUDIODRIVER=dummy
wait_for_window 480x300
click_at 240 120 # the welcome page takes the keyboard
keep_shot wizard-welcome
wizard_forward
wizard_forward
keep_shot wizard-choice
wizard_forward # "Nur mit Namen" is chosen already
xdotool type --delay 50 "Marta"
keep_shot wizard-name
xdotool key Return

wait_for_window 800x572
settled >/dev/null
keep_shot start-marta
[[ "$(greeting_differs Marta)" == 0 ]] || fail "the start page does not greet Marta"
[[ -f "$users/Marta_S.qob" ]] || fail "the wizard made no user file"
[[ "$(stat -c %a "$users/Marta_S.qob")" == 600 ]] || fail "the user file is readable by others"

click_link main.htx "§end"
expect_orderly_end
"$pack" dump "$users/Marta_S.qob" "$work/marta.txt"
[[ "$(head -1 "$work/marta.txt")" == "Marta:" ]] || fail "the user file does not name Marta"
grep -q "Eintippen:" "$users/Marta_S_LOG.txt" || fail "the logout wrote no learning log line"

# --- Answers recorded meanwhile: three German and two Spanish words. ---
cat >"$work/answers.txt" <<'ANSWERS'
Marta:
!0:20:00
<1Haus
ZZZ
eee
<1Baum
MM
mm
<2gehen
5
m
>1casa
ZZZZZ
eeeee
>1perro
2
e
ANSWERS
"$pack" datafile "$work/answers.txt" "$users/Marta_S.qob"
# Two earlier days of learning: 20 answers three days ago, half of them
# right, and 8 yesterday, all right.
for days_ago in 3 1; do
    day=$(date -d "-$days_ago days" +%d.%m.%Y)
    answers=$(( days_ago == 3 ? 20 : 8 ))
    right=$(( days_ago == 3 ? 10 : 8 ))
    printf '%s 10:00:00 00:20:00 Eintippen:\t%d\tMult. Ch.:\t0\tLas Vegas:\t0\tPerformance Insgesamt: abs: 6%% rel: 0%% 5 verschiedene Vokabeln\r\n' \
        "$day" "$answers" >>"$users/Marta_S_LOG.txt"
    printf '%s\t%d\t%d\r\n' "$day" "$answers" "$right" >>"$users/Marta_S_VERLAUF.txt"
done

# --- Second start: Marta is logged in without the wizard. ---
start_program SDL_AUDIODRIVER=dummy
[[ "$(greeting_differs Marta)" == 0 ]] || fail "the second start does not greet Marta"

start=$(settled)
logged_in=(--condition s --condition login --define user=Marta)
click_link main.htx benutzer.htx "${logged_in[@]}"
user_page=$(changed_from "$start") || fail "the click on the name changed nothing"
keep_shot user-page

click_link benutzer.htx "§[stats]statistik.htx" "${logged_in[@]}"
changed_from "$user_page" >/dev/null || fail "the statistics link changed nothing"
settled >/dev/null
keep_shot statistics
# Four charts, each red on its left half, with white columns of answers.
mapfile -t charts < <(patches FF0000 360 100 440 260)
(( ${#charts[@]} == 4 )) || fail "the statistics page shows ${#charts[@]} charts, not 4"
for chart in "${charts[@]}"; do
    read -r cx cy cw ch <<<"$chart"
    (( cw == 84 && ch == 84 )) || fail "a chart's red half is $cw x $ch, not 84 x 84"
    white=$(pixels FFFFFF "$cx" "$cy" 168 84)
    (( white > 0 )) || fail "the chart at $cx $cy has no columns"
done

# The history below them: gold bars for the two days, the green line of
# their shares of right answers.
history=(40 434 720 72)
(( $(pixels E8B53A "${history[@]}") > 500 )) || fail "the learning history shows no bars"
(( $(pixels 2E6B3A "${history[@]}") > 20 )) || fail "the learning history shows no share line"

click_link statistik.htx main.htx "${logged_in[@]}"
settled >/dev/null
click_link main.htx "§end" "${logged_in[@]}"
expect_orderly_end
(( $(grep -c . "$users/Marta_S_VERLAUF.txt") == 2 )) ||
    fail "a login without answers added to the history file"

# --- Third start, with the learning history switched off. ---
grep -qx '"Lernverlauf"=dword:00000001' "$config/registry.ini" ||
    fail "the shutdown did not store the history switch"
sed -i 's/^"Lernverlauf"=dword:00000001$/"Lernverlauf"=dword:00000000/' "$config/registry.ini"
start_program SDL_AUDIODRIVER=dummy
click_link main.htx benutzer.htx "${logged_in[@]}"
settled >/dev/null
click_link benutzer.htx "§[stats]statistik.htx" "${logged_in[@]}"
settled >/dev/null
(( $(pixels E8B53A "${history[@]}") == 0 )) || fail "the switched-off learning history still shows"
click_link statistik.htx main.htx "${logged_in[@]}"
settled >/dev/null
click_link main.htx "§end" "${logged_in[@]}"
expect_orderly_end
"$pack" dump "$users/Marta_S.qob" "$work/marta.txt"
grep -qx ">1perro" "$work/marta.txt" || fail "the second logout lost Marta's answers"
[[ "$(grep -c Eintippen: "$users/Marta_S_LOG.txt")" == 5 ]] || fail "the log has not a line for each of the five logins"
echo "first-login wizard, greeting, user page, statistics, learning history and the user file work"
