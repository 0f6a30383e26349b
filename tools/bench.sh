#!/usr/bin/env bash
# Builds the Release preset and runs every benchmark of bench/ at several catalogue sizes,
# each case in its own process (so its peak memory is its own), beside the shell baselines
# cat, cp, find, grep and bsdtar on the same data. Prints a Markdown table.
#
#   tools/bench.sh [records...]        (default: 10000 100000 1000000)
#
# BENCH_OUT=file also writes the table there. Needs python3; the peak memory of each process
# comes from wait4. Generated catalogues and scan trees go to /var/tmp and are removed
# afterwards. Peak memory includes generating the synthetic catalogue in the same process.
set -euo pipefail
cd "$(dirname "$0")/.."

targets=(store_bench filelist_bench scan_bench search_bench image_bench)
[ -f bench/disctree_bench.cpp ] && targets+=(disctree_bench)
[ -f bench/discops_bench.cpp ] && targets+=(discops_bench)

cmake --preset release > /dev/null
cmake --build --preset release --target "${targets[@]}"
exec python3 tools/benchtable.py build/release/bench "${targets[*]}" "$@"
