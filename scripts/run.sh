#!/usr/bin/env bash
# Sets everything up and starts the program; arguments go to GLUT.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh > /dev/null
exec build/presek "$@"
