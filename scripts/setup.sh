#!/usr/bin/env bash
# Installs the Debian packages that are missing, then configures the build in build/:
#   bash scripts/setup.sh run    what building and running the program needs
#   bash scripts/setup.sh test   that, and what the tests, benchmarks and fuzzing need
set -euo pipefail
cd "$(dirname "$0")/.."
purpose=${1:-test}

packages=(
  g++ make cmake                                 # compiler and build
  freeglut3-dev libglu1-mesa-dev libgl1-mesa-dri # the window, drawn by Mesa in software
  libx11-dev                                     # the window's X connection
  libedit-dev                                    # line editing and history at a terminal
  libpng-dev                                     # the saved frames
)
if [ "$purpose" = test ]; then
  packages+=(
    clang libclang-rt-14-dev                     # sanitizers, libFuzzer
    libgtest-dev libbenchmark-dev                # tests and benchmarks
    xvfb xdotool imagemagick tesseract-ocr       # the window tests on a virtual screen
    librsvg2-bin                                 # rsvg-convert: the saved frame's SVG drawn
    python3                                      # the window and terminal tests
    pmccabe                                      # complexity, and the split of scripts/instructions.sh
    libboost-dev libcgal-dev                     # the libraries the tests compare with
    g++-mingw-w64-x86-64 dpkg-dev wine wine64    # the Windows program, cross-built, under Wine
  )
fi
source scripts/install_missing.sh
installMissing "${packages[@]}"

# The program alone needs none of the test libraries; a build folder set up for the tests keeps
# them.
if [ "$purpose" = test ]; then
  cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPRESEK_TESTS=ON > /dev/null
elif [ -f build/CMakeCache.txt ]; then
  cmake -S . -B build > /dev/null
else
  cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPRESEK_TESTS=OFF > /dev/null
fi
