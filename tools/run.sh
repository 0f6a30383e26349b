#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/deps.sh
cmake --preset release -DTAVIKON_BUILD_TESTS=OFF > /dev/null
cmake --build --preset release --target tavikon
exec build/release/tavikon "$@"
