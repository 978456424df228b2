#!/usr/bin/env bash
# Sets everything up, builds everything, and runs every test: unit tests, the window tests
# under Xvfb, the exact comparison with CGAL, the unit tests again under the sanitizers, and
# bounded fuzz runs.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh test
cmake --build build -j "$(nproc)"
ctest --test-dir build --output-on-failure -j "$(nproc)"
