#!/usr/bin/env bash
# Sets everything up, builds the program alone, and starts it; arguments go to GLUT.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh run
cmake --build build --target presek -j "$(nproc)"
exec build/presek "$@"
