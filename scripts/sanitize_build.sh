#!/usr/bin/env bash
# Builds the project with clang under AddressSanitizer and UndefinedBehaviorSanitizer into the
# given folder, fuzz targets included.
set -euo pipefail
source_dir=$1
build_dir=$2
cmake -S "$source_dir" -B "$build_dir" -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DPRESEK_SANITIZE=ON > /dev/null
cmake --build "$build_dir" -j "$(nproc)"
