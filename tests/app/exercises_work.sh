#!/usr/bin/env bash
# The exercise page of the sample installation in the real program, reached
# through the menus and worked through as a learner would: typing into the
# gaps (a right answer stays in the text, a wrong one is marked), a click on
# the multiple choice (the page celebrates over the open gap, then shows the
# right answer), dragging words into the sentence, building a sentence from
# its parts, the check box, and the celebration once everything is solved.
# A second run records from the (file-fed) microphone with the page's
# recorder and plays the recording back.
#
#   exercises_work.sh PROGRAM LINK-POSITION-TOOL SCREEN-PROBE
set -euo pipefail
program=$(readlink -f "$1")
link_position=$(readlink -f "$2")
screen_probe=$(readlink -f "$3")
source "$(dirname "$(readlink -f "$0")")/driver.sh"

# The page's colours (uebung.htx): background, gap fields, drag blocks,
# text, the multiple choice's highlight; the celebration is black.
background=FBF6EA gap=FFFFFF block=F1E6CF text=2B2622 highlight=B0412E

open_exercise_page() {
    local start menu
    start=$(settled)
    click_link main.htx vokabeln.htx
    menu=$(changed_from "$start") || fail "the Vokabeln tile did not open the menu"
    click_link vokabeln.htx uebung.htx
    changed_from "$menu" >/dev/null || fail "the menu did not open the exercise page"
    settled >/dev/null
}

# x y w h -> the centre
centre() { echo $(($1 + $3 / 2)) $(($2 + $4 / 2)); }
area_size() { echo $(($3 * $4)); }

celebrating() { (($(pixels 000000 0 0 800 572) > 200000)); }
wait_for_celebration() {
    for _ in $(seq 30); do celebrating && return 0; sleep 0.05; done
    return 1
}
wait_until_celebrated() {
    for _ in $(seq 60); do celebrating || return 0; sleep 0.1; done
    return 1
}
type_answer() { # gap (x y w h), keys...
    local gap=$1
    shift
    click_at $(centre $gap)
    sleep 0.2
    xdotool "$@"
    xdotool key Return
    sleep 0.5
}

# A user who is logged in at once.
add_user Tester
start_program SDL_AUDIODRIVER=dummy
open_exercise_page

# Everything the page offers is on the screen. Gap fields are found by
# their black frames (the caret may split the white inside).
mapfile -t gaps < <(patches 000000 0 80 800 60)
mapfile -t targets < <(patches $block 0 235 800 40)
mapfile -t tray < <(patches $block 0 280 800 40)
sentence_parts() { patches $block 0 350 800 40 | awk '$3 >= 40'; }
mapfile -t parts < <(sentence_parts)
read -r box < <(patches 000000 30 480 40 30) || fail "no check box on the page"
((${#gaps[@]} == 2)) || fail "expected 2 gap fields, saw ${#gaps[@]}"
((${#targets[@]} == 2 && ${#tray[@]} == 3)) ||
    fail "expected 2 drop places and 3 words to drag, saw ${#targets[@]} and ${#tray[@]}"
((${#parts[@]} == 3)) || fail "expected 3 sentence parts, saw ${#parts[@]}"
(($(pixels $text 60 184 680 28) > 100)) || fail "the multiple choice shows no answers"
(($(pixels $highlight 60 184 680 28) == 0)) || fail "an answer is marked before any choice"

# A right answer closes its gap and stays in the sentence.
type_answer "${gaps[0]}" type --delay 40 leche
(($(pixels $gap ${gaps[0]}) == 0)) || fail "the right answer left its gap field open"
(($(pixels $background ${gaps[0]}) < $(area_size ${gaps[0]}) - 30)) ||
    fail "the right answer does not stand in the sentence"

# A wrong answer keeps the field open with the wrong letter in red.
type_answer "${gaps[1]}" type --delay 40 cuesto
(($(pixels $gap ${gaps[1]}) > 200)) || fail "the wrong answer closed its gap field"
(($(pixels FF0000 ${gaps[1]}) > 5)) || fail "the wrong letter is not marked red"

# A choice: the page celebrates (the open gap field steps aside meanwhile)
# and then marks the right answer.
xdotool mousemove --window "$window" 145 198 click 1
wait_for_celebration || fail "a choice in the multiple choice brought no celebration"
(($(pixels $gap ${gaps[1]}) < 100)) || fail "the open gap field stayed on top of the celebration"
wait_until_celebrated || fail "the celebration after the choice did not end"
xdotool mousemove 5 5
sleep 0.3
(($(pixels $highlight 60 184 680 28) > 10)) || fail "the right answer is not marked after the choice"
(($(pixels $gap ${gaps[1]}) > 200)) || fail "the open gap field did not come back"

# Words dragged into the sentence: a wrong word glides back to the tray, a
# right one stays in its place.
for target in "${targets[@]}"; do
    placed=
    mapfile -t tray < <(patches $block 0 280 800 40)
    for word in "${tray[@]}"; do
        drag $(centre $word) $(centre $target)
        sleep 1
        if (($(patches $block 0 280 800 40 | wc -l) < ${#tray[@]})); then
            placed=1
            break
        fi
    done
    [[ -n "$placed" ]] || fail "no word of the tray stays in the place at $target"
    (($(pixels $text $target) > 20)) || fail "the place at $target shows no word"
done
(($(patches $block 0 280 800 40 | wc -l) == 1)) || fail "the tray should keep only the wrong word"

# Sentence parts swapped with their neighbours until they read the sentence;
# a solved sentence closes up into one block.
solved=
for pair in 0 1 0 1 0 1; do
    mapfile -t parts < <(sentence_parts)
    ((${#parts[@]} == 1)) && { solved=1; break; }
    read -r x y w h <<<"${parts[$pair]}"
    read -r nx ny nw nh <<<"${parts[$((pair + 1))]}"
    # A part takes its neighbour's place once its left edge is past its own.
    drag $((x + w / 2)) $((y + h / 2)) $((nx + nw / 2 + 30)) $((ny + nh / 2))
    sleep 1
done
((${#parts[@]} == 1)) || (($(sentence_parts | wc -l) == 1)) || fail "the sentence could not be built"

# The check box fills when clicked.
read -r bx by bw bh <<<"$box"
unchecked=$(pixels 000000 $box)
click_at $(centre $box)
sleep 0.5
(($(pixels 000000 $bx $by $bw $bh) > unchecked + 20)) || fail "the check box did not fill"

# The last open gap, corrected: everything is solved and the page celebrates.
type_answer "${gaps[1]}" key End BackSpace a
wait_for_celebration || fail "the solved page did not celebrate"
wait_until_celebrated || fail "the celebration did not end"
(($(pixels $gap ${gaps[1]}) == 0)) || fail "the corrected answer left its gap field open"

click_link uebung.htx main.htx
click_link main.htx "§end"
expect_orderly_end
echo "gaps, choice, drag words, sentence, check box and celebration work"

# The recorder: the microphone hears noise from a file, the speaker writes
# to one. What was recorded must come out of the speaker when played.
head -c 400000 /dev/urandom >"$work/microphone.raw"
start_program SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILEIN="$work/microphone.raw" \
    SDL_DISKAUDIOFILE="$work/speaker.raw"
open_exercise_page
record=(60 430 32 32) play=(104 430 32 32)
idle=$(snapshot "${record[@]}")
click_at $(centre "${record[@]}")
changed_from "$idle" "${record[@]}" >/dev/null || fail "the record button shows no recording"
sleep 1.5
click_at $(centre "${record[@]}")
sleep 0.5
[[ "$(snapshot "${record[@]}")" == "$idle" ]] || fail "the recording did not stop"
[[ ! -s "$work/speaker.raw" ]] || (($(tr -d '\0' <"$work/speaker.raw" | wc -c) == 0)) ||
    fail "sound came out before anything was played"
click_at $(centre "${play[@]}")
sleep 2.5
[[ -s "$work/speaker.raw" ]] || fail "playing the recording sent nothing to the speaker"
(($(tr -d '\0' <"$work/speaker.raw" | wc -c) > 1000)) || fail "the recording played back as silence"
echo "the page's recorder records and plays back"
