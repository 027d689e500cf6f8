#!/usr/bin/env bash
# Installs the Debian packages Vexlin needs to build, test and run, when any is missing; with
# arguments, those packages instead.
set -euo pipefail
packages=(cmake ninja-build g++ qt6-base-dev libgtest-dev libgmock-dev libbenchmark-dev
          libpugixml-dev povray xvfb xauth xdotool imagemagick fonts-dejavu-core
          libx11-dev libxdamage-dev dpkg-dev file)
if [ $# -gt 0 ]; then
    packages=("$@")
fi
missing=()
for p in "${packages[@]}"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update
    apt-get install -y --no-install-recommends "${missing[@]}"
fi
