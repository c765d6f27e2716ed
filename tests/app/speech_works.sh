#!/usr/bin/env bash
# Speech for words without a recording in the real program. The dictionary
# window's Spanish headword "tortuga" has no recording in the sample
# installation: a double click on it must send speech to the speaker (SDL's
# disk driver). With the Extras switch "Sprachausgabe" off in the settings
# store it stays silent, while "armario", which has a recording, still plays.
# A training of animals that have no recording shows its question word as a
# link that speaks it.
#
#   speech_works.sh PROGRAM LINK-POSITION-TOOL SCREEN-PROBE
set -euo pipefail
program=$(readlink -f "$1")
link_position=$(readlink -f "$2")
screen_probe=$(readlink -f "$3")
source "$(dirname "$(readlink -f "$0")")/driver.sh"

speaker=$work/speaker.raw
recorded=
# In the dictionary window: the mode button "Suchen", the search field and
# the first row of the results, its headword column.
search_mode=(48 279) search_field=(88 69) first_result=(310 80)

# Opens the dictionary window from the search page; prints its id.
open_dictionary_window() {
    step main.htx "wörterbuch.htx"
    settled >/dev/null
    search_for casa
    click_link "wörterbuch.htx" "§wb" --condition ergebnis
    local id=
    for _ in $(seq 50); do
        id=$(xdotool search --onlyvisible --name '^qor spanisch \([0-9]+\)$' 2>/dev/null | head -1) || true
        [[ -n "$id" ]] && { echo "$id"; return 0; }
        sleep 0.2
    done
    fail "the dictionary window did not open"
}

# Bytes of sound sent when the window finds the word and its first result
# is double-clicked.
heard() { # dictionary window, word
    xdotool windowactivate --sync "$1" 2>/dev/null || true
    xdotool mousemove --window "$1" "${search_mode[@]}" click 1
    sleep 0.3
    xdotool mousemove --window "$1" "${search_field[@]}" click 1
    xdotool key End shift+Home BackSpace
    xdotool type --delay 40 "$2"
    xdotool key Return
    sleep 1
    if [[ -n "${QOR_TEST_SHOTS:-}" ]]; then
        "$screen_probe" shot "$1" "$QOR_TEST_SHOTS/speech-$2.png"
    fi
    rm -f "$speaker"
    xdotool mousemove --window "$1" "${first_result[@]}" click --repeat 2 --delay 80 1
    sound_sent "$speaker"
}

run_with_speech() { # expected: on or off
    add_user Tester
    start_program SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$speaker"
    local dictionary tortuga armario
    dictionary=$(open_dictionary_window)
    tortuga=$(heard "$dictionary" tortuga)
    armario=$(heard "$dictionary" armario)
    echo "speech $1: tortuga $tortuga bytes, armario $armario bytes"
    ((armario > 1000)) || fail "the recording of armario did not play (speech $1)"
    if [[ "$1" == on ]]; then
        ((tortuga > 1000)) || fail "tortuga, which has no recording, was not spoken"
        recorded=$armario
    else
        ((tortuga == 0)) || fail "tortuga was spoken with the speech switched off"
        # The same sound both times: the recording, never speech.
        ((armario == recorded)) || fail "armario sounded different with the speech switched on"
    fi
    stop_program
}

run_with_speech on

# The switch as the training settings window stores it.
rm -rf "$config" && mkdir -p "$config"
printf '[SOFTWARE\\QOR\\qor spanisch\\Extras]\n"Sprachausgabe"=dword:00000000\n' \
    >"$config/registry.ini"
run_with_speech off
# --- The training: an installation beside the sample one whose only area
# library holds animals without recordings. ---
rm -rf "$config" && mkdir -p "$config"
shadow=$work/installation
mkdir -p "$shadow/Vokabeln (S)/Grundwortschatz"
for item in "$(dirname "$program")"/*; do
    [[ "$(basename "$item")" == "Vokabeln (S)" ]] || ln -s "$item" "$shadow/"
done
for animal in "tortuga:Schildkröte" "ardilla:Eichhörnchen" "erizo:Igel" "caracol:Schnecke" \
    "hormiga:Ameise" "búho:Uhu" "murciélago:Fledermaus" "mariquita:Marienkäfer"; do
    printf '%s (f)\r\n(die) %s\r\n\r\n\r\n-1\r\n\r\n0\r\n0\r\n0\r\n0\r\n' "${animal%%:*}" "${animal#*:}"
done | iconv -f UTF-8 -t WINDOWS-1252 >"$shadow/Vokabeln (S)/Grundwortschatz/Tiere.asc"
add_user Tester
start_program SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$speaker" QOR_HOME="$shadow"
step main.htx vokabeln.htx
step vokabeln.htx "§[abfrage]v_bereich.htx"
step v_bereich.htx "§[gws,go]"
step v_schwer.htx "§[s1,go]"
settled >/dev/null
keep_shot training-question
rm -f "$speaker"
click_at 52 118 # the asked word, first on the question page
spoken=$(sound_sent "$speaker")
((spoken > 1000)) || fail "the training's word without a recording was not spoken ($spoken bytes)"
stop_program
echo "a word without a recording is spoken, also from the training, and silent with the speech switched off"
