# Drives the real program on a virtual X display as a user would: sourced by
# the end-to-end tests after they set $program (the executable) and
# $screen_probe (qor-screen); they call start_program with the environment
# the run needs.
#
# The tests run themselves again inside their own X server. A display they
# cannot have is a failure, not a skip: the set-up installs what they need.
# QOR_TEST_SCREEN sets its size (1024x768x24).

for tool in xvfb-run xdotool; do
    command -v "$tool" >/dev/null || { echo "FAILED: $tool is not installed"; exit 1; }
done
if [[ -z "${QOR_TEST_ON_XVFB:-}" ]]; then
    QOR_TEST_ON_XVFB=1 exec xvfb-run -a -s "-screen 0 ${QOR_TEST_SCREEN:-1024x768x24}" "$0" "$@"
fi

# The test suite runs headless; the program and the probe see this display.
export QT_QPA_PLATFORM=xcb
pages=$(dirname "$program")/hqor
work=$(mktemp -d)
config=$work/config
mkdir -p "$config"
# The users' files: the program keeps them in the person's data folder.
users=$work/data/qor/Benutzer
pid=
window=

stop_program() {
    # SIGKILL: the sound library catches SIGTERM.
    [[ -n "$pid" ]] || return 0
    kill -KILL "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    pid=
}
cleanup() {
    stop_program
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    local shot=${QOR_TEST_SHOTS:-}
    if [[ -n "$shot" && -n "$window" ]]; then
        "$screen_probe" shot "$window" "$shot/failed.png" 2>/dev/null || true
    fi
    echo "FAILED: $*"
    exit 1
}

# A user who logs in without a password and has answered nothing yet, so
# that the program starts without its first-login wizard.
add_user() { # name
    mkdir -p "$users"
    : >"$users/$1_S.qob"
}

# Starts the program with a fresh settings store and the extra environment
# given as NAME=VALUE arguments.
launch_program() {
    window=
    env -u QOR_HOME QOR_CONFIG_DIR="$config" XDG_DATA_HOME="$work/data" "$@" \
        "$program" 2>"$work/stderr" &
    pid=$!
}

# Waits for a window of the program of that size (800x572) and makes it the
# window the other functions work on.
wait_for_window() { # WIDTHxHEIGHT
    local id
    window=
    for _ in $(seq 100); do
        for id in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do
            if xdotool getwindowgeometry "$id" | grep -q "Geometry: $1\$"; then
                window=$id
            fi
        done
        [[ -n "$window" ]] && return 0
        kill -0 "$pid" 2>/dev/null || fail "the program ended: $(cat "$work/stderr")"
        sleep 0.2
    done
    fail "no window of $1 appeared"
}

# Starts the program and waits for its main window to settle.
start_program() {
    launch_program "$@"
    wait_for_window 800x572
    settled >/dev/null
}

# Keeps a picture of the window when the test run asks for pictures.
keep_shot() { # name
    [[ -n "${QOR_TEST_SHOTS:-}" ]] || return 0
    "$screen_probe" shot "$window" "$QOR_TEST_SHOTS/$1.png"
}

# A fingerprint of the window or of an area (x y w h), the mouse resting on
# the backdrop so that nothing is highlighted.
snapshot() {
    xdotool mousemove 5 5
    sleep 0.3
    "$screen_probe" hash "$window" "$@"
}

# Waits until the window stops changing; prints its fingerprint.
settled() {
    local before now
    before=$(snapshot)
    for _ in $(seq 20); do
        now=$(snapshot)
        [[ "$now" == "$before" ]] && { echo "$now"; return 0; }
        before=$now
    done
    echo "$now"
}

# Waits until the window shows $1 again (what it showed before a detour);
# fails with the message when it does not.
shows_again() { # fingerprint, message
    for _ in $(seq 50); do
        [[ "$(snapshot)" == "$1" ]] && return 0
    done
    fail "$2"
}

# Bytes of sound (not silence) the program has sent to SDL's disk driver's
# file since it last opened the sound device, once it has stopped sending
# more: the driver starts its file anew each time a sound opens the device.
sound_sent() { # the speaker file
    local before=-1 now same=0
    for _ in $(seq 60); do
        now=0
        [[ -e "$1" ]] && now=$(tr -d '\0' <"$1" | wc -c)
        if [[ "$now" == "$before" ]]; then
            ((++same < 3)) || { echo "$now"; return 0; }
        else
            same=0
        fi
        before=$now
        sleep 0.4
    done
    echo "$now"
}

# Waits until the window (or the area given after $1) shows something other
# than $1; prints it.
changed_from() {
    local old=$1 now
    shift
    for _ in $(seq 50); do
        now=$(snapshot "$@")
        [[ "$now" != "$old" ]] && { echo "$now"; return 0; }
    done
    return 1
}

click_at() { # x y, in the window
    xdotool mousemove --window "$window" "$1" "$2" click 1
}

# Clicks the link to a target on a page; where it lies comes from laying the
# page out, as links flow with their text.
click_link() { # page, link target, [--condition NAME | --define NAME=VALUE]...
    local x y page=$1 target=$2
    shift 2
    read -r x y < <("$link_position" "$@" "$pages/$page" "$target") ||
        fail "no link to $target on $page"
    click_at "$x" "$y"
}

# Clicks the link and waits until the window shows something else.
step() { # page, link target, [tool options]
    local before
    before=$(snapshot)
    click_link "$@"
    changed_from "$before" >/dev/null || fail "the link to $2 on $1 changed nothing"
}

# Waits until a window of the program is no longer shown; fails with the
# message when it stays.
window_gone() { # id, message
    for _ in $(seq 50); do
        xdotool search --onlyvisible --pid "$pid" | grep -qx "$1" || return 0
        sleep 0.2
    done
    fail "$2"
}

# Waits for a visible window of the program with this title; prints its id.
window_named() { # title
    local id
    for _ in $(seq 50); do
        id=$(xdotool search --all --onlyvisible --pid "$pid" --name "$1" 2>/dev/null | head -1) || true
        [[ -n "$id" ]] && { echo "$id"; return 0; }
        sleep 0.2
    done
    fail "no window \"$1\" appeared"
}

drag() { # from x y, to x y, in the window
    xdotool mousemove --window "$window" "$1" "$2" mousedown 1
    sleep 0.2
    xdotool mousemove --window "$window" $(( ($1 + $3) / 2 )) $(( ($2 + $4) / 2 ))
    sleep 0.2
    xdotool mousemove --window "$window" "$3" "$4"
    sleep 0.2
    xdotool mouseup 1
}

# Patches of one colour (RRGGBB) in an area, one "x y w h" a line.
patches() { # colour x y w h
    "$screen_probe" find "$window" "$@"
}

pixels() { # colour x y w h
    "$screen_probe" count "$window" "$@"
}

# Waits for the program to end and checks that it ended well.
expect_orderly_end() {
    local status
    for _ in $(seq 100); do
        if ! kill -0 "$pid" 2>/dev/null; then
            wait "$pid" && status=0 || status=$?
            pid=
            [[ "$status" == 0 ]] || fail "the program ended with status $status"
            return 0
        fi
        sleep 0.2
    done
    fail "the program did not end"
}

# The dictionary's search page: whether it shows results (headwords in dark
# red, meanings in blue: styles VOK and BED), and a search typed into its field.
results_shown() {
    (( $(pixels A23B2A 40 210 720 290) > 200 && $(pixels 1F4E79 40 210 720 290) > 200 ))
}

search_for() { # word
    local before
    before=$(snapshot)
    click_at 200 146
    xdotool key ctrl+a BackSpace
    xdotool type --delay 40 "$1"
    xdotool key Return
    changed_from "$before" >/dev/null || fail "searching for $1 changed nothing"
    settled >/dev/null
    results_shown || fail "no meanings of $1 are shown"
}

# Waits for a visible window of the program with this title and makes it the
# window the other functions work on.
wait_for_title() { # title
    window=
    for _ in $(seq 100); do
        window=$(xdotool search --all --onlyvisible --pid "$pid" --name "$1" 2>/dev/null | head -1) || true
        [[ -n "$window" ]] && return 0
        kill -0 "$pid" 2>/dev/null || fail "the program ended: $(cat "$work/stderr")"
        sleep 0.2
    done
    fail "no window \"$1\" appeared"
}

# Starts the program as the vocabulary editor alone; $editor is its window.
start_editor() {
    env -u QOR_HOME QOR_CONFIG_DIR="$config" XDG_DATA_HOME="$work/data" SDL_AUDIODRIVER=dummy \
        "$program" editor 2>"$work/stderr" &
    pid=$!
    wait_for_title Vokabeleditor
    editor=$window
    settled >/dev/null
}

# A file dialog reached from the editor's "Datei" menu by the mnemonics given
# (u: "Speichern unter", t then k: "Austausch > Als KVTML exportieren"): the
# path is typed into its name field, Enter confirms.
editor_file_dialog() { # path, mnemonics...
    local path=$1 dialog= before
    shift
    before=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null || true)
    xdotool windowfocus --sync "$editor" key alt+d
    for key in "$@"; do
        sleep 0.3
        xdotool key "$key"
    done
    for _ in $(seq 50); do
        dialog=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null |
            grep -vxF "$before" | head -1) || true
        [[ -n "$dialog" ]] && break
        sleep 0.2
    done
    [[ -n "$dialog" ]] || fail "no file dialog appeared for $*"
    xdotool windowfocus --sync "$dialog" key ctrl+a
    xdotool type --delay 20 "$path"
    xdotool key Return
    for _ in $(seq 50); do
        xdotool search --onlyvisible --pid "$pid" 2>/dev/null | grep -qx "$dialog" || return 0
        sleep 0.2
    done
    fail "the file dialog for $* stayed open"
}
