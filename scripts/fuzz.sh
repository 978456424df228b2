#!/usr/bin/env bash
# Runs a fuzz target for a bounded time from its seed corpus (and its dictionary, if there is
# one beside it), in a scratch folder; fails when libFuzzer leaves a crash, timeout or leak.
set -euo pipefail
fuzzer=$1
seeds=$2
seconds=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/corpus"
options=(-max_total_time="$seconds" -print_final_stats=1 -max_len=256 -timeout=10)
[ -f "$seeds.dict" ] && options+=(-dict="$seeds.dict")
cd "$work"
"$fuzzer" "${options[@]}" "$work/corpus" "$seeds" 2>&1 | grep -v -E '^#[0-9]+\s+(NEW|REDUCE|pulse)' || true
if compgen -G "$work/crash-*" > /dev/null || compgen -G "$work/timeout-*" > /dev/null ||
   compgen -G "$work/leak-*" > /dev/null || compgen -G "$work/oom-*" > /dev/null; then
  for f in "$work"/crash-* "$work"/timeout-* "$work"/leak-* "$work"/oom-*; do
    [ -e "$f" ] && { echo "failing input $f:"; od -c "$f" | head -20; }
  done
  exit 1
fi
