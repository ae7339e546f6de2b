#!/usr/bin/env bash
# Installs the build into a fresh prefix and checks what a desktop finds
# there: the program, its menu entry and icon, the sample scenes, the guide
# with every picture it shows; then starts the installed program the way the
# menu entry does, from /, with a desktop launcher's sparse environment, and
# once more with the sample folder gone: it must keep running and say
# nothing on the terminal.
set -euo pipefail
build=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

cmake --install "$build" --prefix "$prefix" >"$work/install.log" || { cat "$work/install.log"; exit 1; }

[ -x "$prefix/bin/sorvane" ] || fail "bin/sorvane is not installed"
samples=$prefix/share/sorvane/samples
[ -f "$samples/README.md" ] || fail "the samples' README with their provenance and licences is not installed"
for scene in florida_l8_150804 virginia_s2_160112 zion_l8_150818; do
    for band in band1.bsq band2.bsq; do
        [ "$(stat -c %s "$samples/$scene/$band" 2>/dev/null)" = 205312 ] || fail "$scene/$band is missing or not 205,312 bytes"
    done
done

for size in 32 64 128; do
    icon=$prefix/share/icons/hicolor/${size}x${size}/apps/sorvane.png
    # The PNG signature, then the width and height of the IHDR chunk.
    read -r -a header <<<"$(od -An -tu1 -N24 "$icon" 2>/dev/null | tr '\n' ' ' || true)"
    if [ "${#header[@]}" -ne 24 ] || [ "${header[1]}" != 80 ] || [ "${header[2]}" != 78 ] || [ "${header[3]}" != 71 ]; then
        fail "the ${size}x${size} icon is missing or no PNG file"
    elif [ $(( (header[18] << 8) + header[19] )) -ne "$size" ] || [ $(( (header[22] << 8) + header[23] )) -ne "$size" ]; then
        fail "the ${size}x${size} icon has another size"
    fi
done

entry=$prefix/share/applications/sorvane.desktop
if [ ! -f "$entry" ]; then
    fail "the menu entry is not installed"
else
    if command -v desktop-file-validate >/dev/null; then
        desktop-file-validate "$entry" || fail "desktop-file-validate rejects the menu entry"
    else
        echo "desktop-file-validate not found (package desktop-file-utils); the entry's keys are checked alone"
    fi
    for key in 'Type=Application' 'Name=' 'Name\[ja\]=' 'Icon=sorvane' 'Terminal=false' 'Categories='; do
        grep -q "^$key" "$entry" || fail "the menu entry has no $key line"
    done
    [ "$(sed -n 's/^Exec=//p' "$entry")" = "$prefix/bin/sorvane" ] || fail "the menu entry does not start $prefix/bin/sorvane"
fi

guide=$prefix/share/doc/sorvane/guide.md
if [ ! -f "$guide" ]; then
    fail "the guide is not installed"
else
    pictures=$(grep -o 'images/[A-Za-z0-9_.-]*\.png' "$guide" | sort -u)
    [ -n "$pictures" ] || fail "the guide shows no pictures"
    for picture in $pictures; do
        [ -f "$prefix/share/doc/sorvane/$picture" ] || fail "the guide shows $picture, which is not installed"
    done
fi

# As a desktop menu starts it: its Exec line, from /, with little more
# than a display, a home and a runtime folder.
start() {
    mkdir -p "$work/home" "$work/runtime"
    chmod 700 "$work/runtime"
    local program
    program=$(sed -n 's/^Exec=//p' "$entry")
    local status=0
    (cd / && env -i HOME="$work/home" PATH=/usr/bin:/bin XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=offscreen \
        timeout 3 "$program" >"$work/said" 2>&1) || status=$?
    [ "$status" -eq 124 ] || fail "$1: the program ended with status $status instead of running on"
    [ ! -s "$work/said" ] || fail "$1: the program said on the terminal: $(cat "$work/said")"
}
start "started from the menu entry"
rm -rf "$samples"
start "started with the sample folder gone"

[ "$failures" -eq 0 ] || exit 1
echo "installed and started cleanly"
