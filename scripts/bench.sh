#!/usr/bin/env bash
# Measures the program's speed on a sample scene and prints the table of the
# README's "Speed" section: our routines (Google Benchmark, 15 repetitions,
# medians), the same work done with NumPy and scikit-learn (bench/peer.py),
# and the time from each input to the repainted window in the real window
# on the offscreen platform. Builds into build-bench/; the raw results stay
# in build-bench/results.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh libbenchmark-dev python3-numpy python3-sklearn
build=build-bench
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build "$build" --target sorvane_bench sorvane_latency
results="$build/results"
mkdir -p "$results"
scene=samples/virginia_s2_160112

echo "$(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), $(nproc) cores, $(uname -r)"
"$build/bench/sorvane_bench" --benchmark_repetitions=15 --benchmark_min_time=0.1 --benchmark_report_aggregates_only=true \
    --benchmark_format=json > "$results/ours.json"
"$build/bench/sorvane_bench" --dump="$results"
/usr/bin/python3 bench/peer.py "$scene" "$results" > "$results/peer.json"
QT_QPA_PLATFORM=offscreen "$build/bench/sorvane_latency" 10 > "$results/latency.json" 2> "$results/latency.log"
/usr/bin/python3 bench/report.py "$results/ours.json" "$results/peer.json" "$results/latency.json"
