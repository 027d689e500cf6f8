#!/usr/bin/env bash
# Installs the Debian packages Vexlin needs, when any is missing. Arguments name sets of them,
# or packages; with none, every set a developer uses but the fuzzers' and the formatter's:
#   build     compilers, CMake, Qt (with its SVG picture reader), GoogleTest, pugixml
#   test      what the tests run: POV-Ray, potrace, the fonts the editor's look is made for, a
#             language with a decimal comma to render under, strace to kill a save at each system
#             call
#   pictures  a virtual X display and the tools that drive and picture the editor
#   bench     Google Benchmark and the X libraries of the start-up comparison
#   package   what cpack's Debian package needs
#   fuzz      clang 14 with the fuzzer's runtime
#   format    clang-format 14, the version the repository is formatted with
# With VEXLIN_DEPS_READY=1 (set by CI once it has installed what it runs) nothing is checked.
set -euo pipefail
if [ "${VEXLIN_DEPS_READY:-0}" = 1 ]; then
    exit 0
fi
declare -A sets=(
    [build]="cmake ninja-build g++ pkg-config qt6-base-dev libqt6svg6 libgtest-dev libgmock-dev libpugixml-dev libpolyclipping-dev"
    [test]="povray potrace fonts-dejavu-core locales strace"
    [pictures]="xvfb xauth xdotool imagemagick"
    [bench]="libbenchmark-dev libx11-dev libxdamage-dev"
    [package]="dpkg-dev file"
    [fuzz]="cmake ninja-build clang-14 libclang-rt-14-dev"
    [format]="clang-format-14"
)
wanted=("$@")
if [ ${#wanted[@]} -eq 0 ]; then
    wanted=(build test pictures bench package)
fi
packages=()
for word in "${wanted[@]}"; do
    # shellcheck disable=SC2206
    packages+=(${sets[$word]:-$word})
done
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
