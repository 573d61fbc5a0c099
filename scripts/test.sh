#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test offscreen, then says how the 32-bit tests
# ran. Arguments go to CMake (scripts/test.sh -DLARKSPAN_EMULATE_32BIT=ON runs them emulated).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build build -j"$(nproc)"
status=0
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)") || status=$?
cat build/lingo-32bit-tests.txt
exit $status
