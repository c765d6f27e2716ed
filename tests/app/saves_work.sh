#!/usr/bin/env bash
# The real program's saves when the world around it fails: killed while it
# saves a user's answers, the old user file stays whole and the next start
# clears what the killed save left; with the disk of its settings full, the
# user is told once and the settings file keeps what it held. The settings
# and the learning log are created for their owner only.
#
#   saves_work.sh PROGRAM LINK-POSITION-TOOL SCREEN-PROBE SAVE-FAULTS
set -euo pipefail
program=$(readlink -f "$1")
link_position=$(readlink -f "$2")
screen_probe=$(readlink -f "$3")
faults=$(readlink -f "$4")
source "$(dirname "$(readlink -f "$0")")/driver.sh"

# Faults come from a preloaded library, which a sanitizer runtime would
# refuse to follow.
with_fault() { # fault, directory, [NAME=VALUE]...
    local fault=$1 dir=$2
    shift 2
    start_program SDL_AUDIODRIVER=dummy LD_PRELOAD="$faults" QOR_FAULT="$fault" \
        QOR_FAULT_DIR="$dir" ASAN_OPTIONS="verify_asan_link_order=0:detect_leaks=0" "$@"
}
temporaries() { # directory
    find "$1" -maxdepth 1 -name '.qor-*.tmp' | wc -l
}

add_user Ana
# What a save of a run killed long ago left behind: its process has ended.
ended=$(sh -c 'echo $$')
touch "$config/.qor-$ended-1-0.tmp" "$users/.qor-$ended-1-0.tmp"
start_program SDL_AUDIODRIVER=dummy
[[ $(temporaries "$config") == 0 && $(temporaries "$users") == 0 ]] ||
    fail "the start left the temporary files of a killed save"
click_link main.htx "§end"
expect_orderly_end
# Personal data is for its owner's eyes only.
for file in "$config/registry.ini" "$users/Ana_S_LOG.txt"; do
    [[ $(stat -c %a "$file") == 600 ]] || fail "$file can be read by others"
done
cp "$users/Ana_S.qob" "$work/Ana_S.before"

# Killed at the end, just before the new user file replaces the old one.
with_fault kill-before-rename "$users"
click_link main.htx "§end"
status=0
wait "$pid" || status=$?
pid=
[[ "$status" == 137 ]] || fail "the program was not killed while saving (status $status)"
cmp -s "$users/Ana_S.qob" "$work/Ana_S.before" || fail "the killed save damaged the user file"
[[ $(temporaries "$users") == 1 ]] || fail "the killed save left no temporary file"
start_program SDL_AUDIODRIVER=dummy
[[ $(temporaries "$users") == 0 ]] || fail "the next start kept the killed save's temporary file"
click_link main.htx "§end"
expect_orderly_end
cp "$config/registry.ini" "$work/registry.before"

# The settings' disk is full: the end's settings cannot be stored.
with_fault no-space "$config"
click_link main.htx "§end"
message=$(window_named '^\*qor spanisch$')
window=$message keep_shot settings-disk-full
xdotool key Return
# Told once: the end's further settings writes fail without a word.
expect_orderly_end
cmp -s "$config/registry.ini" "$work/registry.before" || fail "the full disk changed the settings"
[[ $(temporaries "$config") == 0 ]] || fail "the failed settings write left a temporary file"
echo "killed and full-disk saves keep the user file and the settings whole"
