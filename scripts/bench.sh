#!/usr/bin/env bash
# Builds the benchmarks in Release (build-release/), runs every one of them, each benchmark repeated (the
# repetitions of a program's benchmarks interleaved at random, so that a change of the machine's load
# falls on all of them) and reported by its median, and prints one table: benchmark, data size, median
# (CPU time, or elapsed where the work runs in processes of its own), baseline (raw SQLite or the
# toolkit alone), ratio, goal and whether it holds. The programs' own reports, with elapsed times too,
# go to build-release/bench.log.
# Extra arguments go to every program (e.g. --benchmark_repetitions=3).
set -euo pipefail
cd "$(dirname "$0")/.."
launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" >/dev/null
# Every benchmark program of bench/; one that prints table rows (RatioReporter::row) joins here.
programs=(dao_bench lesson_plans_bench school_days_bench month_cells_bench library_trees_bench open_class_bench
    start_up_bench objectives_editor_bench exchange_bench lesson_panel_bench)
# The main window on the large course: opening a class, the calendar views, Make Lesson Plans.
programs+=(open_class_window_bench calendar_views_bench schedule_lessons_bench)
# The Edit menu's lesson commands and printing.
programs+=(edit_menu_bench report_bench)
log=build-release/bench.log
cmake --build build-release -j"$(nproc)" --target "${programs[@]}" >"$log" 2>&1 || { tail -30 "$log"; exit 1; }
: >"$log"
rows=()
for p in "${programs[@]}"; do
    echo "running $p" >&2
    # A program that fails (a baseline's SQLite call among them) ends the run with its error.
    out=$(QT_QPA_PLATFORM=offscreen "build-release/bench/$p" --benchmark_repetitions=5 --benchmark_min_time=0.2 \
        --benchmark_enable_random_interleaving=true --benchmark_report_aggregates_only=true "$@" 2>>"$log") ||
        { echo "$p failed:" >&2; tail -5 "$log" >&2; exit 1; }
    printf '%s\n' "$out" >>"$log"
    while IFS= read -r line; do rows+=("${line#@row|}"); done < <(printf '%s\n' "$out" | grep -o '@row|.*' || true)
done
{
    echo "benchmark|data size|median|baseline|ratio|goal|holds"
    printf '%s\n' "${rows[@]}"
} | awk -F'|' '{ for (i = 1; i <= NF; ++i) { cell[NR, i] = $i; if (length($i) > w[i]) w[i] = length($i) } n = NR }
    END { for (r = 1; r <= n; ++r) { line = ""; for (i = 1; i <= 7; ++i) line = line sprintf("%-*s  ", w[i], cell[r, i]); sub(/ +$/, "", line); print line } }'
