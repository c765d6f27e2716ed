#!/usr/bin/env bash
# One new user's first session with the real program, from the first start
# to "Beenden" in a single run, as a person meets it on the sample
# installation: the first-login wizard; a vocabulary round with a
# multiple-choice and a typed question, and its evaluation; the training
# settings window, from which a round asks a gap sentence; the dictionary's
# search page both ways and its window; a new library typed in the vocabulary
# editor, saved and printed as flash cards into a PDF file; a verb question
# and the table of "tener"; a sentence of the language lab heard and written
# down; the four superlearning presentations started and stopped; a game of
# vocabulary bingo; a password set, a second user made and the first one
# logged in again with the password; the directory settings, the recording
# settings and the sound database; the end.
#
# Every step must change the screen (or bring back what it showed before),
# the program must print no warning and end in order, and what the session
# saved must be in its files. Pictures of every step go to $QOR_TEST_SHOTS.
#
#   journey.sh PROGRAM LINK-POSITION-TOOL SCREEN-PROBE RENDER-TOOL PACK-TOOL PHRASES
set -euo pipefail
program=$(readlink -f "$1")
link_position=$(readlink -f "$2")
screen_probe=$(readlink -f "$3")
render=$(readlink -f "$4")
pack=$(readlink -f "$5")
phrases=$(readlink -f "$6")
source "$(dirname "$(readlink -f "$0")")/driver.sh"

for tool in pdfinfo pdftotext; do
    command -v "$tool" >/dev/null || fail "$tool is not installed (poppler-utils)"
done

user=Jürgen
logged_in=(--condition s --condition login --define "user=$user")
speaker=$work/speaker.raw
shot_number=0

# Pictures are numbered in the order of the session.
shot() { # name
    shot_number=$((shot_number + 1))
    keep_shot "$(printf '%02d' "$shot_number")-$1"
}

# A window other than the main window: waits for it and works on it.
enter_window() { # title (a regular expression)
    window=$(window_named "$1")
    xdotool windowfocus --sync "$window"
    settled >/dev/null
}

visible_windows() {
    xdotool search --onlyvisible --pid "$pid" 2>/dev/null | sort || true
}

# The window of the program that has opened since the windows given were
# listed and stays (a menu that opened a dialog closes): a dialog whose
# title says nothing, or the same as another window's.
opened_window() { # the windows before
    local id
    for _ in $(seq 50); do
        id=$(comm -13 <(echo "$1") <(visible_windows) | head -1)
        sleep 0.2
        [[ -n "$id" ]] && visible_windows | grep -qx "$id" && { echo "$id"; return 0; }
    done
    fail "no window opened"
}

# Closes a dialog with a key and comes back to the main window.
leave_window() { # key, name of the window for the message
    local dialog=$window
    xdotool windowfocus --sync "$dialog" key "$1"
    window_gone "$dialog" "$2 stayed open"
    window=$main_window
}

# The main window took the place of another window: it is a new one.
main_window_back() {
    wait_for_window 800x572
    main_window=$window
    settled >/dev/null
}

# ---------------------------------------------------------------------------
# The first start: nobody has used the program yet, so the wizard greets.
head -c 400000 /dev/urandom >"$work/microphone.raw"
launch_program SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$speaker" \
    SDL_DISKAUDIOFILEIN="$work/microphone.raw" QOR_RANDOM_SEED=1
wait_for_window 480x300
click_at 240 120 # the welcome page takes the keyboard
shot wizard-welcome
for page in explanation choice; do
    before=$(snapshot)
    xdotool key Return # "Weiter >"
    changed_from "$before" >/dev/null || fail "Enter did not take the wizard on to its $page"
    shot "wizard-$page"
done
before=$(snapshot)
xdotool key Return # "Nur mit Namen" is chosen already
changed_from "$before" >/dev/null || fail "the wizard did not ask for the name"
xdotool type --delay 50 "$user"
shot wizard-name
xdotool key Return

main_window_back
start=$(settled)
shot start-page
"$render" "${logged_in[@]}" "$pages/main.htx" "$work/greeting.png" 2>/dev/null
greets() { [[ "$("$screen_probe" differ "$window" "$work/greeting.png" 40 112 720 24)" == 0 ]]; }
greets || fail "the start page does not greet $user"
[[ -f "$users/${user}_S.qob" ]] || fail "the wizard made no user file"

# ---------------------------------------------------------------------------
# Vocabulary: a round of the basic vocabulary at the easiest level.

# Which question the round shows: the typing page has its answer field's
# black frame at y 228, the choice page the background between its first two
# rows at y 219; the gap sentence's board is white there.
question_kind() {
    if (($(pixels 000000 64 228 672 1) > 600)); then
        echo typing
    elif (($(pixels FBF6EA 60 219 680 1) > 600)); then
        echo choice
    else
        echo gap
    fi
}

# An answer page, right or wrong, has its big "Weiter" button.
shows_answer() { (($(pixels B0412E 300 442 200 44) > 6000)); }

# The first choice is clicked, a typed answer and a gap are given up with an
# empty answer; the answer page follows.
answer_question() { # kind
    local before gap
    before=$(snapshot)
    case $1 in
    choice) click_link va_mch.htx "§[vokabel+]" --define "MCH0=<a href=\"§[vokabel+]\" >xx</a>" ;;
    typing) click_at 400 246 ;;
    gap)
        # The gap field is the widest black frame on the sentence's board.
        gap=$(patches 000000 40 168 720 170 | sort -k3 -n | tail -1)
        [[ -n "$gap" ]] || fail "the gap sentence shows no gap"
        read -r x y w h <<<"$gap"
        click_at $((x + w / 2)) $((y + h / 2))
        ;;
    esac
    [[ "$1" == choice ]] || xdotool key Return
    changed_from "$before" >/dev/null || fail "the $1 question took no answer"
    settled >/dev/null
    shows_answer || fail "no answer page followed the $1 question"
}

# Answers the round's questions until each kind named has been asked; ends on
# the answer page of the last.
train_until() { # kinds...
    local wanted=" $* " kind before
    for question in $(seq 12); do
        ((question == 1)) || {
            before=$(snapshot)
            xdotool key Return # "Weiter" is the answer page's Enter target
            changed_from "$before" >/dev/null || fail "Enter did not lead on to the next question"
            settled >/dev/null
        }
        kind=$(question_kind)
        [[ "$wanted" == *" $kind "* ]] && shot "question-$kind"
        answer_question "$kind"
        if [[ "$wanted" == *" $kind "* ]]; then
            shot "answer-$kind"
            wanted=${wanted/ $kind / }
        fi
        [[ -z "${wanted// /}" ]] && return 0
    done
    fail "the round asked no${wanted%% } question among twelve"
}

step main.htx vokabeln.htx
menu=$(settled)
shot vocabulary-menu
step vokabeln.htx "§[abfrage]v_bereich.htx"
shot areas
step v_bereich.htx "§[gws,go]"
shot levels
step v_schwer.htx "§[s1,go]"
settled >/dev/null
train_until choice typing
step va_richtig.htx "§vocaus"
settled >/dev/null
shot evaluation
step v_auswertung.htx vokabeln.htx
shows_again "$menu" "the evaluation did not lead back to the vocabulary menu"

# The training settings take the main window's place; the store's settings
# they read ask gap sentences, and "abfragen" starts a round of the mix.
click_link vokabeln.htx "§vocein"
enter_window "Einstellungen für den Vokabeltrainer"
xdotool search --onlyvisible --pid "$pid" | grep -qx "$main_window" &&
    fail "the main window stayed beside the training settings"
shot training-settings
options=$window
click_at 676 553 # "abfragen" in the status line
window_gone "$options" "\"abfragen\" left the training settings open"
main_window_back
train_until gap
step va_richtig.htx vokabeln.htx
shows_again "$menu" "the way back from the round did not show the vocabulary menu"
step vokabeln.htx main.htx
shows_again "$start" "the way back did not show the start page as before"

# ---------------------------------------------------------------------------
# The dictionary: a Spanish and a German word on the search page, then the
# dictionary window.

step main.htx "wörterbuch.htx"
settled >/dev/null
shot dictionary
search_for casa
shot dictionary-spanish-german
search_for Haus
shot dictionary-german-spanish

click_link "wörterbuch.htx" "§wb" --condition ergebnis
enter_window '^qor spanisch \([0-9]+\)$'
shot dictionary-window
before=$(snapshot)
xdotool type --delay 40 "casa"
xdotool key Return
changed_from "$before" >/dev/null || fail "the dictionary window did not search"
shot dictionary-window-casa
xdotool key alt+d
sleep 0.3
dictionary_window=$window
xdotool key s # "Schließen" only hides the window
window_gone "$dictionary_window" "the dictionary window stayed after \"Schließen\""
window=$main_window
step "wörterbuch.htx" main.htx --condition ergebnis
shows_again "$start" "the dictionary did not lead back to the start page"

# ---------------------------------------------------------------------------
# The vocabulary editor takes the main window's place: a new library with
# one entry (its accents with F1), saved under a new name and printed as
# flash cards into a PDF file; "home" brings the main window back.
library="$work/Meine Wörter.asc"
cards=$work/Karteikarten.pdf

# A dialog the editor opens from its "Datei" menu (by the item's mnemonic).
from_file_menu() { # mnemonic; prints the dialog's window
    local known
    known=$(visible_windows)
    xdotool windowfocus --sync "$editor" key alt+d
    sleep 0.3
    xdotool key "$1"
    opened_window "$known"
}
# Types a path into a file dialog and confirms it.
answer_file_dialog() { # dialog, path
    xdotool windowfocus --sync "$1" key ctrl+a
    xdotool type --delay 20 "$2"
    xdotool key Return
    window_gone "$1" "the file dialog stayed open"
}
wait_for_file() { # path
    for _ in $(seq 50); do
        [[ -s "$1" ]] && return 0
        sleep 0.2
    done
    fail "$(basename "$1") was not written"
}

click_link main.htx "§editor"
enter_window Vokabeleditor
editor=$window
xdotool search --onlyvisible --pid "$pid" | grep -qx "$main_window" &&
    fail "the main window stayed beside the editor"
shot editor
before=$(snapshot)
xdotool key alt+d
sleep 0.3
xdotool key n # "Neu"
changed_from "$before" >/dev/null || fail "\"Neu\" did not empty the editor"
# Enter leads from the word through word class and difficulty to the
# meaning, then through the further meanings to the first context.
xdotool type --delay 40 "cafe"
xdotool key F1
xdotool type --delay 40 " (m)"
xdotool key Return Return Return
xdotool type --delay 40 "(der) Kaffee"
xdotool key Return Return
xdotool type --delay 40 "Tomo un (cafe"
xdotool key F1
xdotool type --delay 40 ") con leche."
xdotool key Next Prior # to the place of the next entry and back
settled >/dev/null
shot editor-new-entry
answer_file_dialog "$(from_file_menu u)" "$library" # "Speichern unter..."
wait_for_file "$library"
printf 'caf\xe9 (m)\r\n(der) Kaffee\r\n\r\nTomo un (caf\xe9) con leche.\r\n0\r\n\r\n0\r\n0\r\n0\r\n0\r\n' \
    >"$work/expected.asc"
cmp -s "$library" "$work/expected.asc" ||
    fail "the saved library is not the entry in ten lines: $(od -c "$library" | head -8)"
settled >/dev/null
shot editor-saved

card_dialog=$(from_file_menu k) # "Karteikarten als PDF speichern..."
window=$card_dialog
settled >/dev/null
shot flash-card-dialog
known=$(visible_windows)
xdotool windowfocus --sync "$card_dialog" key Return # the dialog taken as it is
window_gone "$card_dialog" "the flash-card dialog stayed open"
answer_file_dialog "$(opened_window "$known")" "$cards"
wait_for_file "$cards"
# One card: its front and its back.
[[ "$(pdfinfo "$cards" | awk '/^Pages:/ {print $2}')" == 2 ]] ||
    fail "one flash card did not give a front and a back page"
pdftotext "$cards" - | grep -q "café (m)" || fail "the flash card lacks \"café (m)\""
pdftotext "$cards" - | grep -q "(der) Kaffee" || fail "the flash card lacks \"(der) Kaffee\""
[[ -z "${QOR_TEST_SHOTS:-}" ]] || cp "$cards" "$QOR_TEST_SHOTS/"
window=$editor
xdotool windowfocus --sync "$editor" key alt+x # "home"
window_gone "$editor" "home left the editor open"
main_window_back
shows_again "$start" "the editor's home did not show the start page"

# ---------------------------------------------------------------------------
# The verb trainer: one question of the first level, then the table of
# "tener" from the verb list.

# The typing page has its answer field's black frame here.
asks_verb_typing() { (($(pixels 000000 64 268 672 1) > 600)); }
# The answer page sets the asked form in green (right) or brown-red (wrong).
shows_verb_solution() {
    (($(pixels 009900 64 222 672 200) + $(pixels 993300 64 222 672 200) > 30))
}

step main.htx verben.htx
shot verb-menu
step verben.htx "§[vt1,verb]"
settled >/dev/null
shot verb-question
before=$(snapshot)
if asks_verb_typing; then
    click_at 400 286
    xdotool key Return # an empty answer gives up
else
    click_link verb_mch.htx "§[verb+]" --define "MCH0=<a href=\"§[verb+]\" >xx</a>"
fi
changed_from "$before" >/dev/null || fail "the verb question took no answer"
settled >/dev/null
shows_verb_solution || fail "the verb's answer page shows no solution"
shot verb-answer
step verb_fuss.htx "§verblist"
shot verb-list
first_four='<a href="§showverb 0" >haber</a><br><a href="§showverb 1" >ser</a><br>'
first_four+='<a href="§showverb 2" >estar</a><br><a href="§showverb 3" >tener</a><br>'
step verbliste.htx "§showverb 3" --define "VerbListe1=$first_four"
settled >/dev/null
shot verb-table-tener
step verbtafel.htx verben.htx
step verben.htx main.htx
shows_again "$start" "the verb menu did not lead back to the start page"

# ---------------------------------------------------------------------------
# The language lab: a sentence of the third topic, heard at normal speed,
# then written down in the dictation and praised.
topic_list=
number=0
while IFS= read -r name; do
    topic_list+=$(printf '<a href="§thema%2d;lab" >%s</a><br>' "$number" "$name")
    number=$((number + 1))
done < <(grep '^\*\*\*\*' "$phrases" | cut -c5-)
sentence_page=(--condition normal --condition langsam --condition deutsch
    --define Normal=normal.wav --define Langsam=langsam.wav)

# The area of the window looks as the page drawn with these options.
looks_like() { # page area-x area-y area-w area-h [renderer options]...
    local page=$1 x=$2 y=$3 w=$4 h=$5
    shift 5
    "$render" "$@" "$pages/$page" "$work/expected.png" 2>/dev/null
    [[ "$("$screen_probe" differ "$window" "$work/expected.png" "$x" "$y" "$w" "$h")" == 0 ]]
}

step main.htx "§lablist"
settled >/dev/null
shot lab-topics
step laborliste.htx "§thema 3;lab" --define "LabListe=$topic_list"
settled >/dev/null
shot lab-dictation
rm -f "$speaker"
click_link labor.htx normal.wav "${sentence_page[@]}" --condition diktat
(($(sound_sent "$speaker") > 10000)) || fail "the lab's sentence did not play"

# Which sentence it is shows with the dictation off.
step labor.htx "§[-diktat,lab]labor.htx" "${sentence_page[@]}" --condition diktat
settled >/dev/null
shot lab-sentence
shown=
while IFS=$'\t' read -r spanish german; do
    if looks_like labor.htx 40 196 720 160 "${sentence_page[@]}" \
        --define "LabSatz=$spanish" --define "LabDeutsch=$german"; then
        shown=$spanish shown_german=$german
        break
    fi
done < <(awk '/^\*\*\*\*/ { t++; n = 0; next }
    t == 4 { if (n % 5 == 0) es = $0; if (n % 5 == 3) print es "\t" $0; n++ }' "$phrases")
[[ -n "$shown" ]] || fail "the lab shows none of the sentences of its topic"
step labor.htx "§[+diktat,lab]labor.htx" "${sentence_page[@]}"
settled >/dev/null
click_at 400 254
xdotool type --delay 60 "$shown"
shot lab-dictation-typed
before=$(snapshot)
xdotool key Return
changed_from "$before" >/dev/null || fail "the dictation was not judged"
settled >/dev/null
result=(--define "LabSatz=$shown" --define "LabDeutsch=$shown_german" --condition normal
    --condition langsam)
looks_like laborergebnis.htx 40 114 720 200 "${result[@]}" --define "LabErgebnis=Sehr schön!" ||
    fail "the right dictation of \"$shown\" was not praised"
shot lab-result
step laborergebnis.htx "§lablist" "${result[@]}"
settled >/dev/null
step laborliste.htx main.htx --define "LabListe=$topic_list"
shows_again "$start" "the lab did not lead back to the start page"

# ---------------------------------------------------------------------------
# Superlearning: "klassisch" and "abgedreht" in their full-screen window until
# Escape, DD on the main window until its "Beenden", Techno until a click.

# The window (or the area given) changes within eight seconds: the
# presentations pause up to four seconds between their texts.
keeps_changing() { # name for the pictures, [x y w h]
    local name=$1 first
    shift
    first=$("$screen_probe" hash "$window" "$@")
    shot "superlearning-$name"
    for _ in $(seq 16); do
        sleep 0.5
        [[ "$("$screen_probe" hash "$window" "$@")" != "$first" ]] && return 0
    done
    fail "the $name presentation stood still for eight seconds"
}
full_screen_presentation() { # name
    local main=$window
    window=$(window_named "qor spanisch Superlearning")
    [[ "$window" != "$main" ]] || fail "no presentation window took the main window's place"
    keeps_changing "$1"
    xdotool key --window "$window" Escape
    main_window_back
    shows_again "$menu" "the $1 presentation did not end in the vocabulary menu"
}

step main.htx vokabeln.htx
step vokabeln.htx "§[klassisch]v_bereich.htx"
settled >/dev/null
click_link v_bereich.htx "§[gws,go]"
full_screen_presentation klassisch
step vokabeln.htx superlearning.htx
superlearning_menu=$(settled)
shot superlearning-menu
click_link superlearning.htx "§[sm1,super]"
full_screen_presentation abgedreht

step vokabeln.htx superlearning.htx
click_link superlearning.htx "§[sm3,super]"
changed_from "$superlearning_menu" >/dev/null || fail "DD did not begin"
keeps_changing dd
step SuperDD/sonne.htx "§stop"
shows_again "$menu" "DD did not end in the vocabulary menu"

step vokabeln.htx superlearning.htx
click_link superlearning.htx "§[sm2,super]"
changed_from "$superlearning_menu" 0 40 800 460 >/dev/null || fail "Techno did not begin"
keeps_changing techno 0 40 800 460
click_at 400 300
shows_again "$menu" "Techno did not end in the vocabulary menu"

# ---------------------------------------------------------------------------
# Vocabulary bingo with the basic vocabulary: the rules, the game with the
# space key as clicks, Escape.
step vokabeln.htx "§[sm4]v_bereich.htx"
settled >/dev/null
step v_bereich.htx "§[gws,go]"
settled >/dev/null
shot bingo-rules
rules=$(snapshot)
click_link vegas/intro.htx "§vegas"
changed_from "$rules" >/dev/null || fail "the game did not begin"
game=$(snapshot 0 30 800 474)
shot bingo-get-ready
# "ROUND 1" and "GET READY!", then a pair every two seconds.
changed_from "$game" 0 30 800 474 >/dev/null || fail "the game stood still"
for _ in $(seq 8); do
    xdotool key --window "$window" space
    sleep 0.7
done
shot bingo-playing
xdotool key --window "$window" Escape
shows_again "$menu" "Escape did not end the game in the vocabulary menu"
step vokabeln.htx main.htx

# ---------------------------------------------------------------------------
# Users: a password for the user, a second user, and back to the first one
# with the password.
step main.htx benutzer.htx "${logged_in[@]}"
user_page=$(settled)
shot user-page
click_link benutzer.htx "§chpw" --condition login
enter_window "Passwort ändern"
shot password-dialog
xdotool key Tab # no password yet
xdotool type --delay 40 "sol"
xdotool key Tab
xdotool type --delay 40 "sol"
xdotool key Return
enter_window '^\*qor spanisch$'
shot password-changed
leave_window Return "the message of the changed password"

click_link benutzer.htx "§chusr" --condition login
enter_window "Neuen Benutzer anlegen" # the only user cannot change to another
shot new-user-dialog
xdotool type --delay 40 "Pablo"
leave_window Return "the dialog of the new user"
enter_window '^\*qor spanisch$' # whether to make another user
shot new-user-question
leave_window Return "the question for the new user" # "Ja"
changed_from "$user_page" >/dev/null || fail "the user page did not change to Pablo"
shot user-page-pablo
known=$(visible_windows)
click_link benutzer.htx "§chusr" --condition login
window=$(opened_window "$known") # its title is the backdrop's
xdotool windowfocus --sync "$window"
xdotool key ctrl+a
xdotool type --delay 40 "$user"
xdotool key Tab
xdotool type --delay 40 "sol"
shot change-user-dialog
leave_window Return "the dialog of the user change"
shows_again "$user_page" "the user page did not show $user again"
step benutzer.htx main.htx "${logged_in[@]}"
greets || fail "the start page does not greet $user after the user change"

# ---------------------------------------------------------------------------
# The settings of the start page: directories, recording, sound database.
click_link main.htx "§paths"
enter_window "Verzeichnisse"
shot directories
before=$(snapshot)
xdotool key ctrl+Tab
changed_from "$before" >/dev/null || fail "the directory window did not show its second tab"
shot directories-recordings
leave_window Escape "the directory window"

# The recording settings take 22 kHz, which OK stores at once.
click_link main.htx "§recsetup"
enter_window "Aufnahme-Einstellungen"
before=$(snapshot)
click_at 130 75 # "22 kHz"
changed_from "$before" >/dev/null || fail "the recording settings did not take 22 kHz"
shot recording-settings
leave_window Return "the recording settings" # "OK"
grep -A5 'qor\\Aufnahme]' "$config/registry.ini" | grep -qx '"Rate"=dword:00005622' ||
    fail "the recording settings did not store 22 kHz"

# The sound database finds a word as it is typed and plays its recording.
click_link main.htx "§wavebase"
enter_window "Verwaltung der Sprachaufnahmen"
shot sound-database
before=$(snapshot)
xdotool type --delay 40 "casa"
changed_from "$before" >/dev/null || fail "the sound database did not search"
shot sound-database-casa
rm -f "$speaker"
click_at 436 76 # the note beside the file
(($(sound_sent "$speaker") > 1000)) || fail "the sound database did not play the recording of casa"
leave_window Escape "the sound database"
shows_again "$start" "the settings' windows left the start page changed"

# ---------------------------------------------------------------------------
click_link main.htx "§end"
expect_orderly_end

problems=$(grep -E 'QWidget|Warning|warning|QPainter|Error|ASSERT|runtime error|Sanitizer' \
    "$work/stderr" || true)
[[ -z "$problems" ]] || fail "the program printed warnings: $problems"
"$pack" dump "$users/${user}_S.qob" "$work/user.txt"
identity=$(head -1 "$work/user.txt")
[[ "$identity" == "$user:sol" ]] || fail "the user file begins with \"$identity\", not $user and the password"
# Each record is followed by the modes of its answers: "m" chosen, "e"
# typed, "v" given in the game.
for mode in m e v; do
    grep -qx "[emv]*$mode[emv]*" "$work/user.txt" ||
        fail "the user file keeps no answer of mode $mode: $(head -c 600 "$work/user.txt")"
done
[[ -f "$users/Pablo_S.qob" ]] || fail "the second user has no file"
echo "the journey of a new user works, from the wizard to the end"
