#!/usr/bin/env bash
# Builds the libFuzzer targets of the catalogue readers and of the disc image and archive
# readers, and runs each for a while.
#
#   tools/fuzz.sh [seconds-per-target]      (default 60)
#
# Environment: FUZZ_JOBS (default 2) targets run side by side; FUZZ_NICE=1 runs them under
# nice. Each target has its own corpus in build/fuzz/corpus/<kind>/, seeded with real files
# from fuzz_make_seeds and kept between runs, so longer runs build on shorter ones. Inputs
# that crash, leak, hang or allocate too much are kept in build/fuzz/findings/<run>/ and make the
# script fail; copy each one into tests/data/store/fuzz/ as a regression test once mended.
#
# Limits, and why:
#   -max_len=65536        large enough for many records and lines of any length form (the
#                         32-bit length prefixes included), small enough to run fast; 1 MiB
#                         for disc images, whose UDF anchor lies at 512 KiB.
#   -malloc_limit_mb=8    no single allocation may reach 8 MiB, 128 times the largest input
#                         (more for images and archives: see malloc_limit below).
#                         A reader that trusted a count or length in the file would ask for
#                         gigabytes from a few bytes and be caught here; the records of a
#                         64 KiB input take about 20 times its size.
#   -rss_limit_mb=1024    the whole process, sanitizer shadow memory included.
#   -timeout=10           one input taking ten seconds is a hang: every reader is linear.
#   quarantine_size_mb=64 (ASan) keeps freed memory out of use for a shorter while; with the
#                         default 256 MiB a ten-minute run of the tree reader grew to 880 MiB
#                         of the 1024 allowed without any leak.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
jobs=${FUZZ_JOBS:-2}
nice_cmd=()
[ "${FUZZ_NICE:-0}" = 1 ] && nice_cmd=(nice -n 10)

cmake --preset fuzz > /dev/null
cmake --build --preset fuzz

build=build/fuzz
seeds=$build/seeds
corpus=$build/corpus
findings=$build/findings/$(date +%Y%m%d-%H%M%S)
logs=$build/logs
rm -rf "$seeds"
mkdir -p "$findings" "$logs"
"$build/fuzz/fuzz_make_seeds" "$seeds"

# target -> the seed corpus of the file it reads
declare -A kind=(
    [fuzz_archive_discs]=discs
    [fuzz_archive_files]=files
    [fuzz_archive_categories]=categories
    [fuzz_treetext]=treetext
    [fuzz_image_reader]=images
    [fuzz_archive_lister]=archives
)
# An image needs room: a UDF anchor lies at 512 KiB. Decompressors in archives take their
# dictionary as one allocation (64 MiB for xz -9 or 7z ultra, up to 128 MiB for a zstd
# window). libarchive's ISO reader allocates a buffer as large as a folder claims to be, up to
# 4 GiB, before it finds the image too short; only what it reads is ever touched, which the
# RSS limit still bounds.
declare -A max_len=([fuzz_image_reader]=1048576)
declare -A malloc_limit=([fuzz_image_reader]=4200 [fuzz_archive_lister]=256)

export ASAN_OPTIONS=${ASAN_OPTIONS:-quarantine_size_mb=64}

run_one() {
    local target=$1 k=${kind[$1]}
    mkdir -p "$corpus/$k"
    # New inputs go into the first folder (the kept corpus); the seeds are only read.
    "${nice_cmd[@]}" "$build/fuzz/$target" "$corpus/$k" "$seeds/$k" \
        -max_total_time="$seconds" -max_len="${max_len[$1]:-65536}" -malloc_limit_mb="${malloc_limit[$1]:-8}" -rss_limit_mb=1024 \
        -timeout=10 -print_final_stats=1 -artifact_prefix="$findings/$target-" \
        > "$logs/$target.log" 2>&1
}

status=0
pids=()
names=()
for target in fuzz_archive_discs fuzz_archive_files fuzz_archive_categories fuzz_treetext \
    fuzz_image_reader fuzz_archive_lister; do
    run_one "$target" &
    pids+=($!)
    names+=("$target")
    if [ ${#pids[@]} -ge "$jobs" ]; then
        if ! wait "${pids[0]}"; then status=1; echo "FINDING: ${names[0]} (see $logs/${names[0]}.log)"; fi
        pids=("${pids[@]:1}")
        names=("${names[@]:1}")
    fi
done
for i in "${!pids[@]}"; do
    if ! wait "${pids[$i]}"; then status=1; echo "FINDING: ${names[$i]} (see $logs/${names[$i]}.log)"; fi
done

for target in "${!kind[@]}"; do
    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$logs/$target.log" | grep -o '[0-9]*$' || true)
    echo "$target: ${runs:-?} inputs in ${seconds}s, corpus $(ls "$corpus/${kind[$target]}" | wc -l) files"
done
if [ -n "$(ls -A "$findings")" ]; then
    echo "Kept inputs in $findings:"
    ls -l "$findings"
    status=1
fi
exit $status
