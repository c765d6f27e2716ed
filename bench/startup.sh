#!/usr/bin/env bash
# Starts the real program on the sample installation RUNS times (10) under a
# virtual X display, with everything its start loads: both dictionary
# directions, the sound database, the language lab's topics and a user who
# has answered 5,000 items. Prints the median and the maximum of the time
# from main to the first painted frame of the start page, and of the
# resident memory at that moment (QOR_STARTUP_PROBE=exit).
#
#   bench/startup.sh PROGRAM MAKE-USER-TOOL [RUNS]
set -euo pipefail
program=$(readlink -f "$1")
make_user=$(readlink -f "$2")
runs=${3:-10}
if [[ -z "${QOR_BENCH_ON_XVFB:-}" ]]; then
    QOR_BENCH_ON_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
users=$work/data/qor/Benutzer
mkdir -p "$users" "$work/config"
"$make_user" "$users" Ana 5000

times=()
memory=()
for _ in $(seq "$runs"); do
    line=$(env -u QOR_HOME QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy QOR_STARTUP_PROBE=exit \
        QOR_CONFIG_DIR="$work/config" XDG_DATA_HOME="$work/data" timeout 60 "$program" 2>&1 |
        grep '^startup:') || { echo "the program did not report its start" >&2; exit 1; }
    read -r ms mb < <(sed -E 's/.*first frame ([0-9.]+) ms, resident ([0-9.]+) MB/\1 \2/' <<<"$line")
    times+=("$ms")
    memory+=("$mb")
done

# Median (the mean of the middle two for an even count) and maximum.
summary() {
    printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END {
        m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
        printf "median %.1f, max %.1f", m, v[NR] }'
}
echo "first frame (ms, $runs starts): $(summary "${times[@]}")"
echo "resident memory (MB):        $(summary "${memory[@]}")"
