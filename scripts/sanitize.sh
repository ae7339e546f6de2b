#!/usr/bin/env bash
# Builds with AddressSanitizer and UndefinedBehaviorSanitizer into
# build-asan/ (or the folder given as $1) and runs every test there. Any
# finding ends the test that makes it: memory errors, leaks at exit and
# undefined behaviour alike.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
build=${1:-build-asan}
scripts/build.sh "$build" -DSORVANE_SANITIZE=ON
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir "$build" --output-on-failure --timeout 900
