#!/usr/bin/env bash
# Builds the benchmarks in Release (build-release/), runs every one of them, each benchmark repeated and
# reported by its median, and prints one table: benchmark, data size, median, baseline (raw SQLite or the
# toolkit alone), ratio, goal and whether it holds. The programs' own reports go to build-release/bench.log.
# Extra arguments go to every program (e.g. --benchmark_repetitions=3).
set -euo pipefail
cd "$(dirname "$0")/.."
launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" >/dev/null
programs=(dao_bench lesson_plans_bench school_days_bench month_cells_bench library_trees_bench open_class_bench)
cmake --build build-release -j"$(nproc)" --target "${programs[@]}" >/dev/null
log=build-release/bench.log
: >"$log"
rows=()
for p in "${programs[@]}"; do
    echo "running $p" >&2
    out=$(QT_QPA_PLATFORM=offscreen "build-release/bench/$p" --benchmark_repetitions=5 \
        --benchmark_report_aggregates_only=true --benchmark_color=false "$@" 2>>"$log")
    printf '%s\n' "$out" >>"$log"
    while IFS= read -r line; do rows+=("${line#@row|}"); done < <(printf '%s\n' "$out" | grep '^@row|' || true)
done
{
    echo "benchmark|data size|median|baseline|ratio|goal|holds"
    printf '%s\n' "${rows[@]}"
} | column -t -s '|'
