#!/usr/bin/env bash
# Instructions per pair, counted by callgrind (the same on a busy machine), for the solver and
# the clip over the benchmark's 4,096 pairs; the solver's split by what the lines do.
#   bash scripts/instructions.sh [build folder]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
cmake --build "$build" --target instruction_count -j "$(nproc)" > /dev/null
out=$(mktemp)
trap 'rm -f "$out"*' EXIT
# Only what runs inside each of the two functions is counted.
for part in solveAll clipAll; do
  valgrind --tool=callgrind --toggle-collect="$part*" --callgrind-out-file="$out.$part" \
    "$build/bench/instruction_count" > /dev/null 2>&1
done
callgrind_annotate --show-percs=no "$out.clipAll" > "$out.txt"
callgrind_annotate --auto=yes --show-percs=no "$out.solveAll" > "$out.lines"
python3 - "$out.txt" "$out.lines" <<'PY'
import re, sys
pairs = 4096
totals = open(sys.argv[1]).read()
text = open(sys.argv[2]).read()
def total(text):
    m = re.search(r"^\s*([\d,]+)\s+\(?\S*\)?\s*PROGRAM TOTALS", text, re.M)
    return int(m.group(1).replace(",", "")) / pairs
# Lines of the solver's sources, each counted where its instructions run (inlined or not).
buckets = {"turns": 0, "crossings": 0, "containment": 0, "collection": 0, "ordering": 0, "other": 0}
source, function = None, None
markers = {"turnTable(": "turns", "inside(": "containment", "class Collection": "collection",
           "findCandidates(": "crossings", "findIntersectionCandidates(": "other"}
for line in text.splitlines():
    m = re.match(r"-- Auto-annotated source: (\S+)", line)
    if m:
        source, function = m.group(1), None
        continue
    m = re.match(r"\s*([\d,]+|\.)\s{2,}(.*)", line)
    if not m or source is None or "=>" in line:
        continue
    code = m.group(2)
    if source.endswith("candidates.cpp"):
        for marker, bucket in markers.items():
            if code.startswith(marker.split("(")[0]) or re.match(r"^\w[\w:<> ]* " + re.escape(marker), code):
                function = bucket
    if m.group(1) == ".":
        continue
    count = int(m.group(1).replace(",", "")) / pairs
    if source.endswith("polygon_order.cpp"):
        buckets["ordering"] += count
    elif source.endswith("candidates.cpp"):
        buckets[function or "other"] += count
    elif source.endswith("predicates.h") or source.endswith("predicates.cpp"):
        buckets["containment" if "sideAreas" in code or "float(" in code or "d1" in code else "turns"] += count
    elif source.endswith("geometry.h"):
        buckets["other"] += count
    elif source.endswith("segment_intersection.h") or source.endswith("segment_intersection.cpp"):
        buckets["crossings"] += count
solver, clip = total(text), total(totals)
buckets["other"] += solver - sum(buckets.values())
print(f"instructions per pair: solver {solver:.0f}, clip {clip:.0f} ({solver / clip:.2f}x)")
print("solver's lines: " + ", ".join(f"{k} {v:.0f}" for k, v in buckets.items()))
PY
