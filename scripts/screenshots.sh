#!/usr/bin/env bash
# Regenerates the user guide's screenshots: runs one whole classification of a
# sample scene in the real program under Xvfb with a window manager, and
# writes a PNG per step into docs/images (or the folder given as $1).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
extra=()
for package in xvfb xauth openbox; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || extra+=("$package")
done
if [ ${#extra[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${extra[@]}"
fi
scripts/build.sh build
out=$(realpath -m "${1:-docs/images}")
scene=${2:-virginia_s2_160112}
mkdir -p "$out"
xvfb-run -a -s "-screen 0 1024x768x24" bash -c "openbox >/dev/null 2>&1 & sleep 1; build/tools/sorvane_screenshots '$out' '$scene'"
