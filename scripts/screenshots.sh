#!/usr/bin/env bash
# Regenerates the user guide's screenshots: runs one whole classification of a
# sample scene, and the common mistakes, in the real program under Xvfb with a
# window manager, and writes a PNG per step into docs/images (or the folder
# given as $1). Run it whenever the program changes; it fails when a text or
# picture that the guide shows no longer appears. The build goes to build/, or
# to the folder named by SORVANE_BUILD_DIR.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh xvfb xauth openbox pngquant
build=${SORVANE_BUILD_DIR:-build}
scripts/build.sh "$build"
out=$(realpath -m "${1:-docs/images}")
scene=${2:-virginia_s2_160112}
mkdir -p "$out"
# A home of its own, so that the file dialogs look the same at every run:
# Qt keeps their sidebar and history in the home's configuration. Outside a
# desktop session (as root in a container, say) there is no runtime folder
# either, and Qt would say so on the terminal.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/student" "$scratch/runtime"
chmod 700 "$scratch/runtime"
HOME="$scratch/student" XDG_CONFIG_HOME= XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$scratch/runtime} \
    xvfb-run -a -s "-screen 0 1024x768x24" bash -c 'openbox >/dev/null 2>&1 & sleep 1; "$0" "$1" "$2"' \
    "$build/tools/sorvane_screenshots" "$out" "$scene"
# 256 colours keep the pictures of the satellite image small enough for the
# repository; pngquant leaves a picture alone (status 98 or 99) when it
# cannot do better.
for picture in "$out"/*.png; do
    pngquant --quality=50-90 --speed 1 --strip --force --ext .png "$picture" || [ $? -ge 98 ]
done
echo "Screenshots written to $out"
