#!/usr/bin/env bash
# Installs what is missing, builds the program and every test, and runs them through CTest.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/deps.sh
export QT_QPA_PLATFORM=offscreen
cmake --preset dev > /dev/null
cmake --build --preset dev
ctest --preset dev
