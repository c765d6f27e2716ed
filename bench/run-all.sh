#!/usr/bin/env bash
# Runs every benchmark of the project (the bench-* programs, then the start
# under Xvfb) and prints one table of their figures at the end, the table
# docs/PERFORMANCE.md keeps.
#
#   bench/run-all.sh BUILD-DIR
set -euo pipefail
build=$(readlink -f "$1")
here=$(dirname "$(readlink -f "$0")")
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

for program in "$build"/bench/bench-*; do
    [[ -f "$program" && -x "$program" ]] || continue
    name=$(basename "$program")
    echo "== $name"
    QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy "$program" \
        --benchmark_out="$out/$name.json" --benchmark_out_format=json
done
echo "== start-up"
"$here/startup.sh" "$build/qor-spanisch" "$build/bench/qor-bench-user" | tee "$out/startup.txt"
echo
"$here/table.py" "$out"
