#!/usr/bin/env bash
# Exchanging a library with other trainers in the real program: the editor on
# its own opens a sample library, exports it through "Datei > Austausch" as
# KVTML and as CSV, and the files hold its entries in the shape Parley and
# spreadsheets read. Each file imported back and saved as a library gives the
# library file it came from, byte for byte.
#
#   exchange_work.sh PROGRAM LINK-POSITION-TOOL SCREEN-PROBE
set -euo pipefail
program=$(readlink -f "$1")
link_position=$(readlink -f "$2")
screen_probe=$(readlink -f "$3")
source "$(dirname "$(readlink -f "$0")")/driver.sh"

library=$work/Familie.asc
cp "$(dirname "$program")/Vokabeln (S)/Grundwortschatz/Familie.asc" "$library"
entries=$(($(wc -l <"$library") / 10))
((entries > 5)) || fail "the sample library has only $entries entries"

wait_for_file() { # path
    for _ in $(seq 50); do
        [[ -s "$1" ]] && return 0
        sleep 0.2
    done
    fail "nothing was written to $1"
}

# No message box came up: no window is shown that was not shown before.
no_message() { # windows shown before, what
    local other
    sleep 0.5
    other=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | grep -vxF "$1" | head -1) ||
        true
    [[ -z "$other" ]] || fail "$2 brought up \"$(xdotool getwindowname "$other")\""
}

start_editor
editor_file_dialog "$library" f
settled >/dev/null

# 1. KVTML: Spanish in identifier "es", one entry with both translations per
# library entry, the nouns in Parley's noun container.
editor_file_dialog "$work/Familie.kvtml" t k
wait_for_file "$work/Familie.kvtml"
kvtml=$work/Familie.kvtml
grep -q '<kvtml [^>]*version="2.0"' "$kvtml" || fail "no KVTML 2.0 root: $(head -3 "$kvtml")"
grep -q '<locale>es</locale>' "$kvtml" && grep -q '<locale>de</locale>' "$kvtml" ||
    fail "the KVTML file lacks the identifiers es and de"
[[ $(grep -c '<translation id="0">' "$kvtml") == "$entries" ]] ||
    fail "the KVTML file does not have $entries entries"
grep -q '<text>familia (f)</text>' "$kvtml" && grep -q '<text>(die) Familie</text>' "$kvtml" ||
    fail "the KVTML file lacks the first entry"
grep -q '<specialwordtype>noun</specialwordtype>' "$kvtml" || fail "no noun container"
grep -q '<example>Mi (familia) vive en Sevilla.</example>' "$kvtml" || fail "no context as example"

# 2. CSV: UTF-8, the header line, one line per entry.
editor_file_dialog "$work/Familie.csv" t c
wait_for_file "$work/Familie.csv"
csv=$work/Familie.csv
iconv -f UTF-8 -t UTF-8 "$csv" >/dev/null || fail "the CSV file is not UTF-8"
header='Wort,Bedeutung 1,Bedeutung 2,Kontext 1,Tipp 1,Kontext 2,Tipp 2,Wortart,Richtung,Schwierigkeit'
[[ "$(head -1 "$csv" | tr -d '\r')" == "$header" ]] || fail "the CSV header is $(head -1 "$csv")"
[[ $(wc -l <"$csv") == $((entries + 1)) ]] || fail "the CSV file does not have $entries entries"
grep -q '^familia (f),(die) Familie,,Mi (familia) vive en Sevilla.,ja,,nein,Nomen,spanisch,Baby' \
    "$csv" || fail "the CSV file lacks the first entry: $(sed -n 2p "$csv")"

# 3. Each file back as the library, saved as a library file: the original.
for format in kvtml csv; do
    shown=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null || true)
    editor_file_dialog "$work/Familie.$format" t i
    no_message "$shown" "importing $format"
    settled >/dev/null
    keep_shot "imported-$format"
    editor_file_dialog "$work/from-$format.asc" u
    wait_for_file "$work/from-$format.asc"
    cmp -s "$work/from-$format.asc" "$library" ||
        fail "the library imported from $format differs: $(cmp "$work/from-$format.asc" "$library")"
done

xdotool windowfocus --sync "$editor" key alt+x
expect_orderly_end
echo "the editor exports a library as KVTML and CSV and imports both back unchanged"
