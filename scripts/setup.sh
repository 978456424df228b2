#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need (only those missing),
# then configures the build in build/.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  g++ make cmake clang libclang-rt-14-dev        # compilers, sanitizers, libFuzzer
  libgtest-dev libbenchmark-dev                  # tests and benchmarks
  freeglut3-dev libglu1-mesa-dev libgl1-mesa-dri # the window, drawn by Mesa in software
  libx11-dev                                     # the window's X connection
  xvfb xdotool imagemagick python3               # the window tests on a virtual screen
  pmccabe                                        # complexity, and the split of scripts/instructions.sh
  libboost-dev libcgal-dev                       # the libraries the tests compare with
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
