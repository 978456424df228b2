#!/usr/bin/env bash
# Sets everything up and runs every test: unit tests, the window tests under Xvfb, the exact
# comparison with CGAL, the unit tests again under the sanitizers, and a bounded fuzz run.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
ctest --test-dir build --output-on-failure -j "$(nproc)"
