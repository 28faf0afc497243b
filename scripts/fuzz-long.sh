#!/usr/bin/env bash
# Runs every fuzz target for a long time in the sanitizer build, one after the other on one
# core, each in rounds of fresh seeds, and prints the runs each target made.
#   scripts/fuzz-long.sh [seconds-per-target] [runs-per-round] [first-seed]
# A failure stops at once; the input is kept as fuzz-failure-TARGET.bin in fuzz-work/.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-3600}"
round="${2:-20000}"
first="${3:-1}"
[ -x build-asan/fuzz/kagiroi_fuzz ] || scripts/setup.sh build-asan -DCMAKE_BUILD_TYPE=Debug \
    -DKAGIROI_SANITIZE=ON -DKAGIROI_BUILD_UI=OFF -DKAGIROI_BUILD_BENCH=OFF
fuzz="$PWD/build-asan/fuzz/kagiroi_fuzz"
targets=$("$fuzz" 2>&1 | sed -n 's/^targets: //p' || true)
mkdir -p fuzz-work
cd fuzz-work
for target in $targets; do
    end=$((SECONDS + seconds))
    runs=0
    seed=$first
    while [ "$SECONDS" -lt "$end" ]; do
        nice "$fuzz" "$target" --runs "$round" --seed "$seed" > /dev/null
        runs=$((runs + round))
        seed=$((seed + 1))
    done
    echo "$target: $runs runs, seeds $first to $((seed - 1)) of $round runs each, no failure"
done
