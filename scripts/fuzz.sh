#!/usr/bin/env bash
# Runs the console fuzz target for a bounded time from the seed corpus, in a scratch folder.
set -euo pipefail
fuzzer=$1
seeds=$2
seconds=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/corpus"
cd "$work"
"$fuzzer" -max_total_time="$seconds" -print_final_stats=1 -max_len=256 -timeout=10 -dict="$(dirname "$seeds")/console.dict" \
  "$work/corpus" "$seeds" 2>&1 | grep -v -E '^#[0-9]+\s+(NEW|REDUCE|pulse)' || true
# libFuzzer leaves crash-* (or timeout-*, leak-*) behind on a failure.
if compgen -G "$work/crash-*" > /dev/null || compgen -G "$work/timeout-*" > /dev/null ||
   compgen -G "$work/leak-*" > /dev/null || compgen -G "$work/oom-*" > /dev/null; then
  for f in "$work"/crash-* "$work"/timeout-* "$work"/leak-* "$work"/oom-*; do
    [ -e "$f" ] && { echo "failing input $f:"; od -c "$f" | head -20; }
  done
  exit 1
fi
