#!/usr/bin/env bash
# Installs what is missing, builds, installs the sample course SAMPLE1 and registers the controls into a
# settings file of the demo's own, and starts the planner on SAMPLE1 (or the program named, from build/bin:
# scripts/run-editor.sh starts the objectives editor TRD on the same demo).
set -euo pipefail
program="${1:-Larkspan}"
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
run="$PWD/build/run"
export LARKSPAN_SETTINGS="${LARKSPAN_SETTINGS:-$run/settings.ini}"
# The demo works on copies of the course and of a worked class: opening a class writes links into the
# course database, and working in it writes the class file.
if [ ! -d "$run/SAMPLE1" ]; then
    mkdir -p "$run"
    cp -r build/course/SAMPLE1 "$run/"
    cp build/course/fixtures/sample1.lkc "$run/"
fi
build/bin/lk_install_course "$LARKSPAN_SETTINGS" SAMPLE1 "$run/SAMPLE1"
build/bin/lk-regsvr build/bin/*.ocx
exec build/bin/"$program" SAMPLE1
