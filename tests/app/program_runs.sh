#!/usr/bin/env bash
# Starts the real program on the sample installation beside it, with a fresh
# settings store, on a virtual X display, and uses it as a user would: a click
# on the "Vokabeln" tile of the start page must show another page, a click on
# that page's way back must show the start page again exactly as before, and
# "Beenden" must end the program through its orderly shutdown with status 0.
#
#   program_runs.sh PROGRAM LINK-POSITION-TOOL
set -euo pipefail
program=$(readlink -f "$1")
linkpos=$(readlink -f "$2")

for tool in xvfb-run xdotool xwd; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
# The display needs its own X server; the script runs itself again inside one.
if [[ -z "${QOR_TEST_ON_XVFB:-}" ]]; then
    QOR_TEST_ON_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

pages=$(dirname "$program")/hqor
config=$(mktemp -d)
shots=$(mktemp -d)
pid=
cleanup() {
    # SIGKILL: the sound library catches SIGTERM.
    [[ -n "$pid" ]] && kill -KILL "$pid" 2>/dev/null || true
    rm -rf "$config" "$shots"
}
trap cleanup EXIT
fail() { echo "FAILED: $*"; exit 1; }

env -u QOR_HOME QOR_CONFIG_DIR="$config" QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy \
    "$program" 2>"$shots/stderr" &
pid=$!

# The main window is the program's 800 x 572 window (the backdrop fills the screen).
window=
for _ in $(seq 100); do
    for id in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do
        if xdotool getwindowgeometry "$id" | grep -q "Geometry: 800x572"; then
            window=$id
        fi
    done
    [[ -n "$window" ]] && break
    kill -0 "$pid" 2>/dev/null || fail "the program ended at start: $(cat "$shots/stderr")"
    sleep 0.2
done
[[ -n "$window" ]] || fail "no main window appeared"

# What the main window shows, with the mouse resting on the backdrop.
snapshot() {
    xdotool mousemove 5 5
    sleep 0.3
    xwd -silent -id "$window" | md5sum | cut -d' ' -f1
}
# Waits until the window shows something other than $1; prints it.
changed_from() {
    local now
    for _ in $(seq 50); do
        now=$(snapshot)
        [[ "$now" != "$1" ]] && { echo "$now"; return 0; }
    done
    return 1
}
click() { # page, link target
    local x y
    read -r x y < <("$linkpos" "$pages/$1" "$2") || fail "no link to $2 on $1"
    xdotool mousemove --window "$window" "$x" "$y" click 1
}

# The start page has drawn once the picture stays the same.
start=$(snapshot)
for _ in $(seq 20); do
    again=$(snapshot)
    [[ "$again" == "$start" ]] && break
    start=$again
done

click main.htx vokabeln.htx
menu=$(changed_from "$start") || fail "the click on the Vokabeln tile changed nothing"

click vokabeln.htx main.htx
back=$(changed_from "$menu") || fail "the way back from the menu changed nothing"
[[ "$back" == "$start" ]] || fail "the way back did not show the start page as before"

click main.htx "§end"
status=
for _ in $(seq 100); do
    if ! kill -0 "$pid" 2>/dev/null; then
        wait "$pid" && status=0 || status=$?
        break
    fi
    sleep 0.2
done
pid_left=$pid
pid=
[[ -n "$status" ]] || { kill -KILL "$pid_left"; fail "Beenden did not end the program"; }
[[ "$status" == 0 ]] || fail "the program ended with status $status"
# The orderly end stores the general settings, the backdrop's colour among them.
grep -q '"Hintergrund"=' "$config/registry.ini" || fail "the shutdown did not store the settings"
grep -q '"Programm"=' "$config/registry.ini" || fail "start-up did not record the program path"
echo "start page, menu, way back and end work on $(dirname "$program")"
