#!/usr/bin/env bash
# Milliseconds from a motion event that drags a vertex to the frame that shows the new task,
# on a virtual screen (Xvfb) drawn by Mesa in software: the typical task and one around 1e6.
#   bash scripts/frame_time.sh [build folder]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
cmake --build "$build" --target frame_bench -j "$(nproc)" > /dev/null
Xvfb :97 -screen 0 1280x1024x24 -nolisten tcp 2> /dev/null &
xvfb=$!
trap 'kill $xvfb' EXIT
sleep 1
for task in "0 0 4 0 0 4 1 1 5 1 1 5" "0 0 4e6 0 0 4e6 1e6 1e6 5e6 1e6 1e6 5e6"; do
  echo "task: $task"
  echo "$task" | DISPLAY=:97 "$build/bench/frame_bench" --benchmark_repetitions=5 \
    --benchmark_report_aggregates_only=true 2> /dev/null | grep -E '^BM_'
done
