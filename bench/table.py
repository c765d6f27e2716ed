#!/usr/bin/env python3
"""Prints one Markdown table of the project's benchmark figures.

    bench/table.py DIR

DIR holds the JSON output of every bench-* program (NAME.json) and the
output of bench/startup.sh (startup.txt), as bench/run-all.sh leaves them.
Each row gives the figure, its baseline (the competing engine, or the
target where there is none) and the ratio baseline / figure: above 1 means
faster (or smaller) than the baseline. docs/PERFORMANCE.md holds a copy.
"""

import datetime
import json
import os
import platform
import re
import sys

UNIT_MS = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}


def load_runs(directory):
    runs = {}
    for name in sorted(os.listdir(directory)):
        if not name.endswith(".json"):
            continue
        with open(os.path.join(directory, name), encoding="utf-8") as file:
            for run in json.load(file).get("benchmarks", []):
                if run.get("run_type") == "iteration" and not run.get("error_occurred"):
                    runs[run["name"].split("/min_time:")[0]] = run
    return runs


def milliseconds(run):
    return run["real_time"] * UNIT_MS[run.get("time_unit", "ns")]


def startup_figures(directory):
    figures = {}
    path = os.path.join(directory, "startup.txt")
    if os.path.exists(path):
        with open(path, encoding="utf-8") as file:
            for line in file:
                found = re.match(r"(first frame|resident memory).*median ([0-9.]+)", line)
                if found:
                    figures[found.group(1)] = float(found.group(2))
    return figures


def machine():
    model = platform.processor() or "unknown processor"
    try:
        with open("/proc/cpuinfo", encoding="utf-8") as file:
            for line in file:
                if line.startswith("model name"):
                    model = line.split(":", 1)[1].strip()
                    break
    except OSError:
        pass
    memory = ""
    try:
        with open("/proc/meminfo", encoding="utf-8") as file:
            kilobytes = int(file.readline().split()[1])
            memory = f", {kilobytes / 1024 / 1024:.0f} GB"
    except (OSError, ValueError, IndexError):
        pass
    return f"{os.cpu_count()} cores, {model}{memory}"


def rows(runs, startup):
    """(what, figure, unit, baseline, baseline label, target) for every figure found."""
    def time_of(name):
        return milliseconds(runs[name]) if name in runs else None

    def pair(what, ours, theirs, target):
        if ours in runs and theirs in runs:
            yield what, time_of(ours), "ms", time_of(theirs), "QTextDocument", target

    yield from pair("Menu page: parse, lay out, draw (TXPage)", "BM_MenuPage_TXPage",
                    "BM_MenuPage_QTextDocument", "≥ 5×")
    yield from pair("200 KB page: parse, lay out, draw (TXPage)", "BM_LongText_TXPage",
                    "BM_LongText_QTextDocument", "≥ 3×")
    yield from pair("Menu page, first showing by a new page control",
                    "BM_MenuPage_TXPage_FirstShow", "BM_MenuPage_QTextDocument", "")
    yield from pair("200 KB page, first showing by a new page control",
                    "BM_LongText_TXPage_FirstShow", "BM_LongText_QTextDocument", "")

    changes = {name: time_of(name) for name in runs if name.startswith("PageChange/")}
    if changes:
        slowest = max(changes, key=changes.get)
        page = slowest.split("/", 1)[1]
        yield (f"Page change, slowest of {len(changes)} bundled pages ({page})",
               changes[slowest], "ms", 2.0, "target", "≤ 2 ms")
    if "AnswerAndNextQuestion" in runs:
        yield ("Training step: answer page and next question page",
               time_of("AnswerAndNextQuestion"), "ms", 5.0, "target", "≤ 5 ms")
    if "LoadBothDirections" in runs:
        yield ("Dictionary: loading both directions", time_of("LoadBothDirections"), "ms", 60.0,
               "target", "< 60 ms")
    for name, what in (("SearchEachDirection/germanSpanish:1", "German–Spanish"),
                       ("SearchEachDirection/germanSpanish:0", "Spanish–German"),
                       ("SearchBothDirectionsWholeWords", "both directions, whole words")):
        if name in runs and "p95_us" in runs[name]:
            yield (f"Dictionary search, {what} (95th percentile)", runs[name]["p95_us"] / 1000,
                   "ms", 5.0, "target", "≤ 5 ms")
    for name, what in (("BM_ParseMenuPage", "Parsing the menu page"),
                       ("BM_ParseLargePage", "Parsing a large page with many tags"),
                       ("BM_ReadPackedLargePage", "Reading a large packed page file")):
        if name in runs:
            yield what, time_of(name), "ms", None, "", ""
    if "first frame" in startup:
        yield ("Start: main to the first frame of the start page (median of 10)",
               startup["first frame"], "ms", 150.0, "target", "≤ 150 ms")
    if "resident memory" in startup:
        yield ("Start: resident memory at the first frame", startup["resident memory"], "MB",
               80.0, "target", "≤ 80 MB")


def figure_text(value, unit):
    if value is None:
        return "–"
    if unit == "ms" and value < 1:
        return f"{value * 1000:.0f} µs"
    return f"{value:.3g} {unit}" if value < 100 else f"{value:.0f} {unit}"


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: bench/table.py DIR")
    runs = load_runs(sys.argv[1])
    startup = startup_figures(sys.argv[1])
    print(f"Measured {datetime.date.today().isoformat()} on {machine()}.\n")
    print("| What is measured | Figure | Baseline | Ratio | Target |")
    print("|---|---:|---:|---:|---|")
    for what, figure, unit, baseline, label, target in rows(runs, startup):
        if baseline is None:
            base, ratio = "–", "–"
        else:
            base = f"{figure_text(baseline, unit)} ({label})"
            ratio = f"{baseline / figure:.1f}×"
        print(f"| {what} | {figure_text(figure, unit)} | {base} | {ratio} | {target or '–'} |")


if __name__ == "__main__":
    main()
