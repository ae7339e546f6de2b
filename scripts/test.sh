#!/usr/bin/env bash
# Sets up, builds and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh build
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure --timeout 600
