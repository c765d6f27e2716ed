#!/usr/bin/env bash
# The vocabulary editor in the real program. Started with "editor" it is the
# program on its own: a new entry is typed (its accent with F1), saved under a
# new name through the file dialog, and the file holds it in the library's
# ten-line Windows-1252 form; started again, the editor opens the file and its
# list shows the entry as it did when it was typed. From the start page, the
# tile "Vokabel-Editor" opens the editor in place of the main window, it
# looks a sample library's words up in the dictionary, and "home" brings the
# main window back.
#
#   editor_work.sh PROGRAM LINK-POSITION-TOOL SCREEN-PROBE
set -euo pipefail
program=$(readlink -f "$1")
link_position=$(readlink -f "$2")
screen_probe=$(readlink -f "$3")
source "$(dirname "$(readlink -f "$0")")/driver.sh"

library=$work/Neu.asc
# The entry list's first two lines, in the editor on its own (640 x 480).
list_area=(10 56 200 40)


# 1. The editor alone: "cafe", F1 makes it "café"; Enter leads through word
# class and difficulty to the meaning.
start_editor
xdotool windowfocus --sync "$editor"
xdotool type --delay 40 "cafe"
xdotool key F1 Return Return Return
xdotool type --delay 40 "Kaffee"
# On to the place of the next entry and back: the list shows both lines.
xdotool key Next Prior
typed=$(snapshot "${list_area[@]}")
keep_shot editor-typed
editor_file_dialog "$library" u
for _ in $(seq 50); do
    [[ -f "$library" ]] && break
    sleep 0.2
done
[[ -f "$library" ]] || fail "saving wrote no file"
# Ten lines of Windows-1252 with CR LF: word, meanings, contexts and their
# tips, class, direction, difficulty.
printf 'caf\xe9\r\nKaffee\r\n\r\n\r\n0\r\n\r\n0\r\n0\r\n0\r\n0\r\n' >"$work/expected.asc"
cmp -s "$library" "$work/expected.asc" ||
    fail "the saved library is not the entry in ten lines: $(od -c "$library" | head -5)"
xdotool windowfocus --sync "$editor" key alt+x
expect_orderly_end

# 2. Again: the editor opens the file, and its list shows the entry.
start_editor
empty=$(snapshot "${list_area[@]}")
[[ "$empty" != "$typed" ]] || fail "the empty list looks like the typed one"
editor_file_dialog "$library" f
opened=$(changed_from "$empty" "${list_area[@]}") || fail "opening the library changed nothing"
[[ "$opened" == "$typed" ]] || fail "the opened library's list is not the typed entry"
keep_shot editor-opened
xdotool windowfocus --sync "$editor" key alt+x
expect_orderly_end

# 3. From the start page: the tile opens the editor in place of the main
# window; a sample library is looked up in the dictionary; "home" (Alt+X)
# brings the main window back.
add_user Tester
start_program SDL_AUDIODRIVER=dummy
main_window=$window
click_link main.htx "§editor"
wait_for_title Vokabeleditor
editor=$window
xdotool search --onlyvisible --pid "$pid" | grep -qx "$main_window" &&
    fail "the main window stayed beside the editor"
settled >/dev/null
editor_file_dialog "$(dirname "$program")/Vokabeln (S)/Grundwortschatz/Familie.asc" f
settled >/dev/null
keep_shot editor-library
xdotool windowfocus --sync "$editor" key alt+x
window_gone "$editor" "home left the editor open"
wait_for_window 800x572
settled >/dev/null
keep_shot home
click_link main.htx "§end"
expect_orderly_end
echo "the editor alone types, saves and opens a library; from the start page it comes and goes"
