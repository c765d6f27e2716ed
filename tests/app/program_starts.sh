#!/usr/bin/env bash
# Starts the real program on the sample installation beside it, with a fresh
# settings store, and checks that start-up resolves it silently and ends well.
set -euo pipefail
program=$1
config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT

# A message box would wait for a click; the timeout turns that into a failure.
output=$(env -u QOR_HOME QOR_CONFIG_DIR="$config" QT_QPA_PLATFORM=offscreen \
    timeout 60 "$program" 2>/dev/null)
dir=$(dirname "$(readlink -f "$program")")/
grep -qF "Seiten:                $dir" <<<"$output" || { echo "page root not resolved: $output"; exit 1; }
grep -qF "Vokabeln:              ${dir}Vokabeln (S)/" <<<"$output" || { echo "vocabulary root not resolved"; exit 1; }
grep -qF "Sprachaufnahmen:       ${dir}wave/" <<<"$output" || { echo "sound directory not resolved"; exit 1; }
grep -qF '"Programm"=' "$config/registry.ini" || { echo "program path not recorded"; exit 1; }
echo "program started and ended on $dir"
