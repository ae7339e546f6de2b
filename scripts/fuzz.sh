#!/usr/bin/env bash
# Builds the libFuzzer targets with clang into build-fuzz/ and runs each for
# a bounded time: $1 seconds (default 60), starting from the seed corpus in
# fuzz/corpus. New inputs the fuzzer finds go to build-fuzz/corpus, a
# failing input to build-fuzz/findings.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh clang libclang-rt-14-dev
seconds=${1:-60}
build=build-fuzz
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DSORVANE_FUZZ=ON -DBUILD_TESTING=OFF
cmake --build "$build" --target fuzz_band_file fuzz_str_to_int
mkdir -p "$build/findings"
status=0
# Band files are 205,312 bytes, so that target takes inputs of that size.
for run in "band_file -max_len=210000" "str_to_int -max_len=64"; do
    set -- $run
    name=$1
    shift
    mkdir -p "$build/corpus/$name"
    echo "fuzzing $name for $seconds s"
    log="$build/findings/$name.log"
    if "$build/fuzz/fuzz_$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=4096 -print_final_stats=1 \
        -artifact_prefix="$build/findings/$name-" "$@" "$build/corpus/$name" "fuzz/corpus/$name" > "$log" 2>&1; then
        tail -n 6 "$log"
    else
        tail -n 60 "$log"
        status=1
    fi
done
exit $status
