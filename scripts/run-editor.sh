#!/usr/bin/env bash
# Builds the objectives editor and starts it on the sample course SAMPLE1, with a settings file of its
# own and a copy of the course under build/editor-demo (the copy keeps the local objectives you type).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build >/dev/null
cmake --build build -j"$(nproc)" --target TRD lk-regsvr lk_install_course lk_sample_courses
demo="$PWD/build/editor-demo"
mkdir -p "$demo"
export LARKSPAN_SETTINGS="$demo/settings.ini"
[ -d "$demo/SAMPLE1" ] || cp -r build/course/SAMPLE1 "$demo/SAMPLE1"
build/tools/install_course/lk_install_course "$LARKSPAN_SETTINGS" SAMPLE1 "$demo/SAMPLE1"
build/bin/lk-regsvr build/bin/*.ocx
exec build/bin/TRD SAMPLE1
