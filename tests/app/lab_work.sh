#!/usr/bin/env bash
# The language lab in the real program: the start page's tile leads to the
# topic list, exactly as the page draws the twenty topics; a topic shows one
# of its sentences, whose recordings at normal and at slow speed reach the
# sound device, the slow one clearly longer. With dictation off the shown
# sentence is found among the topic's sentences by drawing each as the page
# would; typed in dictation it is judged right, an empty answer wrong. The
# recorder plays back the learner's own voice, the page reads aloud on its
# own when asked to, and the switches are kept for the next run.
#
#   lab_work.sh PROGRAM LINK-POSITION-TOOL SCREEN-PROBE PAGE-RENDERER PHRASES
set -euo pipefail
program=$(readlink -f "$1")
link_position=$(readlink -f "$2")
screen_probe=$(readlink -f "$3")
render=$(readlink -f "$4")
phrases=$(readlink -f "$5")
source "$(dirname "$(readlink -f "$0")")/driver.sh"

topic=3
speaker=$work/speaker.raw
# Everything the page's sound buttons and switches need to be laid out.
sentence_page=(--condition normal --condition langsam --condition deutsch
    --define Normal=normal.wav --define Langsam=langsam.wav)

# The topic list as the program writes it into the list page.
topic_list=
number=0
while IFS= read -r name; do
    topic_list+=$(printf '<a href="§thema%2d;lab" >%s</a><br>' "$number" "$name")
    number=$((number + 1))
done < <(grep '^\*\*\*\*' "$phrases" | cut -c5-)
topic_name=$(grep '^\*\*\*\*' "$phrases" | sed -n "$((topic + 1))p" | cut -c5-)

# "Spanish<TAB>German" for each sentence of the topic.
sentences() {
    awk -v topic="$topic" '/^\*\*\*\*/ { t++; n = 0; next }
        t == topic + 1 { if (n % 5 == 0) es = $0; if (n % 5 == 3) print es "\t" $0; n++ }' \
        "$phrases"
}

# The area of the window looks as the page drawn with these options.
looks_like() { # page area-x area-y area-w area-h [renderer options]...
    local page=$1 x=$2 y=$3 w=$4 h=$5
    shift 5
    "$render" "$@" "$pages/$page" "$work/expected.png" 2>/dev/null
    [[ "$("$screen_probe" differ "$window" "$work/expected.png" "$x" "$y" "$w" "$h")" == 0 ]]
}

head -c 400000 /dev/urandom >"$work/microphone.raw"
add_user Tester
start_program SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$speaker" \
    SDL_DISKAUDIOFILEIN="$work/microphone.raw" QOR_RANDOM_SEED=5
step main.htx "§lablist"
settled >/dev/null
looks_like laborliste.htx 400 108 360 414 --define "LabListe=$topic_list" ||
    fail "the topic list does not show the twenty topics"
keep_shot lab-topics

step laborliste.htx "§thema 3;lab" --define "LabListe=$topic_list"
settled >/dev/null
keep_shot lab-dictation
(($(sound_sent "$speaker") == 0)) || fail "the sentence page played before it was asked to"
click_link labor.htx normal.wav "${sentence_page[@]}" --condition diktat
normal=$(sound_sent "$speaker")
click_link labor.htx langsam.wav "${sentence_page[@]}" --condition diktat
slow=$(sound_sent "$speaker")
((normal > 10000)) || fail "the normal recording sent only $normal bytes of sound"
((slow * 10 > normal * 13)) || fail "the slow recording ($slow) is not longer than the normal one ($normal)"
echo "normal speed $normal bytes of sound, slow $slow"

# Dictation off: the sentence shows, and it is one of the topic's.
step labor.htx "§[-diktat,lab]labor.htx" "${sentence_page[@]}" --condition diktat
settled >/dev/null
keep_shot lab-sentence
shown=
while IFS=$'\t' read -r spanish german; do
    if looks_like labor.htx 40 196 720 160 "${sentence_page[@]}" \
        --define "LabSatz=$spanish" --define "LabDeutsch=$german"; then
        shown=$spanish shown_german=$german
        break
    fi
done < <(sentences)
[[ -n "$shown" ]] || fail "the page shows none of the sentences of \"$topic_name\""
echo "the lab shows \"$shown\""

# Dictation on again: the same sentence, typed, is right.
step labor.htx "§[+diktat,lab]labor.htx" "${sentence_page[@]}"
settled >/dev/null
click_at 400 254
xdotool type --delay 60 "$shown"
before=$(snapshot)
xdotool key Return
changed_from "$before" >/dev/null || fail "the typed sentence was not judged"
settled >/dev/null
result=(--define "LabSatz=$shown" --define "LabDeutsch=$shown_german" --condition normal
    --condition langsam)
looks_like laborergebnis.htx 40 114 720 200 "${result[@]}" --define "LabErgebnis=Sehr schön!" ||
    fail "the right sentence was not praised"
keep_shot lab-result

# The learner's own voice, recorded and played back on the result page.
click_at 456 392
sleep 1.5
click_at 456 392
sleep 0.5
rm -f "$speaker"
click_at 500 392
(($(sound_sent "$speaker") > 1000)) || fail "the recorder did not play the learner's voice back"

# The next sentence, given up with an empty answer, is wrong.
step laborergebnis.htx "§labnext" "${result[@]}"
settled >/dev/null
click_at 400 254
before=$(snapshot)
xdotool key Return
changed_from "$before" >/dev/null || fail "the empty answer was not judged"
settled >/dev/null
looks_like laborergebnis.htx 40 114 720 60 --define "LabErgebnis=Leider daneben!" ||
    fail "the empty answer was not called wrong"

# Reading aloud on its own: the page plays the sentence once it is shown.
step laborergebnis.htx "§labnext" "${result[@]}"
settled >/dev/null
rm -f "$speaker"
step labor.htx "§[+autoread,lab]labor.htx" "${sentence_page[@]}" --condition diktat
(($(sound_sent "$speaker") > 10000)) || fail "the page did not read its sentence aloud on its own"
step labor.htx "§[-autoread,lab]labor.htx" "${sentence_page[@]}" --condition diktat \
    --condition autoread

# The German translation switched off is off in the next run too.
step labor.htx "§[-deutsch,lab]labor.htx" "${sentence_page[@]}" --condition diktat
click_link labor.htx "§lablist" "${sentence_page[@]}"
settled >/dev/null
click_link laborliste.htx main.htx --define "LabListe=$topic_list"
settled >/dev/null
click_link main.htx "§end"
expect_orderly_end

start_program SDL_AUDIODRIVER=dummy
step main.htx "§lablist"
step laborliste.htx "§thema 3;lab" --define "LabListe=$topic_list"
settled >/dev/null
(($(pixels 5E6B6A 64 296 672 40) == 0)) || fail "the German translation came back after a restart"
click_link labor.htx "§lablist" --condition normal --condition langsam --condition diktat
settled >/dev/null
click_link laborliste.htx main.htx --define "LabListe=$topic_list"
settled >/dev/null
click_link main.htx "§end"
expect_orderly_end
echo "topics, recordings, dictation, recorder and switches work"
