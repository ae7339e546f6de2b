#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the program and the tests need,
# and any further packages named as arguments (for the benchmarks, the fuzz
# run and the screenshots).
set -euo pipefail
packages=(build-essential cmake ninja-build qt6-base-dev qt6-qpa-plugins fonts-ipafont-gothic fonts-dejavu-core "$@")
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi
