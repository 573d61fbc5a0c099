#!/usr/bin/env bash
# Installs what is missing, builds, installs the sample course SAMPLE1 and registers the controls into the
# demo's settings file, and starts the objectives editor on SAMPLE1. It shares the planner's demo folder
# (scripts/run.sh), so the local objectives typed here are those the planner schedules.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
run="$PWD/build/run"
export LARKSPAN_SETTINGS="${LARKSPAN_SETTINGS:-$run/settings.ini}"
if [ ! -d "$run/SAMPLE1" ]; then
    mkdir -p "$run"
    cp -r build/course/SAMPLE1 "$run/"
fi
build/bin/lk_install_course "$LARKSPAN_SETTINGS" SAMPLE1 "$run/SAMPLE1"
build/bin/lk-regsvr build/bin/*.ocx
exec build/bin/TRD SAMPLE1
