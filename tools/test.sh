#!/usr/bin/env bash
# Installs what is missing, builds the program and every test, runs the fuzzers of the
# catalogue readers for a short bounded time, and runs every test through CTest.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/deps.sh
export QT_QPA_PLATFORM=offscreen
cmake --preset dev > /dev/null
cmake --build --preset dev
# Thirty seconds per reader; tools/fuzz.sh 600 for a long run.
tools/fuzz.sh 30
ctest --preset dev
