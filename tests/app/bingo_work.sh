#!/usr/bin/env bash
# Vocabulary bingo in the real program: the vocabulary menu's bingo tile with
# the basic vocabulary leads to the game's rules; "Los geht's!" starts the
# game, which draws its pairs and takes the space key as clicks; Escape ends
# it with the vocabulary menu back, and the user's file holds the answers
# given in the game.
#
#   bingo_work.sh PROGRAM LINK-POSITION-TOOL SCREEN-PROBE PACKING-TOOL
set -euo pipefail
program=$(readlink -f "$1")
link_position=$(readlink -f "$2")
screen_probe=$(readlink -f "$3")
pack=$(readlink -f "$4")
source "$(dirname "$(readlink -f "$0")")/driver.sh"

add_user Tester
start_program SDL_AUDIODRIVER=dummy QOR_RANDOM_SEED=6
step main.htx vokabeln.htx
step vokabeln.htx "§[sm4]v_bereich.htx"
settled >/dev/null
step v_bereich.htx "§[gws,go]"
settled >/dev/null
keep_shot bingo-intro
click_link vegas/intro.htx "§vegas"
sleep 5 # "ROUND 1", "GET READY!"
first=$("$screen_probe" hash "$window" 0 30 800 474)
keep_shot bingo-running-1
# Every pair lasts two seconds; the space key answers each one.
for _ in $(seq 12); do
    xdotool key --window "$window" space
    sleep 0.7
done
second=$("$screen_probe" hash "$window" 0 30 800 474)
keep_shot bingo-running-2
[[ "$first" != "$second" ]] || fail "the game drew nothing new"
xdotool key --window "$window" Escape
sleep 3 # "BYE BYE" with the score
settled >/dev/null
keep_shot bingo-ended
step vokabeln.htx main.htx
click_link main.htx "§end"
expect_orderly_end

"$pack" dump "$users/Tester_S.qob" "$work/tester.txt"
# Each record is followed by the modes of its answers, "v" for the game's.
grep -qx '[emv]*v[emv]*' "$work/tester.txt" ||
    fail "the user file holds no answer from the game: $(head -c 600 "$work/tester.txt")"
echo "the game runs from the vocabulary menu, takes its answers and ends with Escape"
