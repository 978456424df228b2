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
python3 - "$out.clipAll" "$out.solveAll" <<'PY'
import os, re, sys
pairs = 4096

def costs(path):
    """Instructions by (source file, line), read from callgrind's own output: each line's cost
    counted in the file it comes from, inlined or not; calls' inclusive costs left out."""
    names, by_line, total = {}, {}, 0
    current, line, skip = None, 0, False
    for text in open(path):
        text = text.rstrip("\n")
        m = re.match(r"(c?fl|c?fi|c?fe)=\((\d+)\)(?: (.*))?$", text)
        if m:
            if m.group(3):
                names[m.group(2)] = m.group(3)
            if not m.group(1).startswith("c"):
                current = names.get(m.group(2))
            continue
        if text.startswith("calls="):
            skip = True
            continue
        m = re.match(r"([+-]?\d+|\*)\s+(\d+)$", text)
        if not m:
            continue
        pos = m.group(1)
        line = line if pos == "*" else line + int(pos) if pos[0] in "+-" else int(pos)
        if skip:
            skip = False
            continue
        cost = int(m.group(2))
        total += cost
        by_line[(current, line)] = by_line.get((current, line), 0) + cost
    return by_line, total

# Which part of the solver each line of candidates.cpp serves: from a marker line to the next.
markers = {"class Collection": "collection", "unsigned bothEnds(": "crossings",
           "struct SideTurns": "turns", "constexpr double kRoundedAreaError": "containment",
           "Candidates findCandidates(": "crossings", "// Vertices inside the other": "containment",
           "int findIntersectionCandidates(": "other"}
part, bucket = {}, "other"
for number, code in enumerate(open("solver/candidates.cpp"), 1):
    for marker, name in markers.items():
        if code.strip().startswith(marker):
            bucket = name
    part[number] = bucket

def bucket_of(source, number):
    source = source or ""
    if source.endswith("polygon_order.cpp"):
        return "ordering"
    if source.endswith("candidates.cpp"):
        return part.get(number, "other")
    if source.endswith("pair.h"):
        return "turns"
    if source.endswith("segment_intersection.h") or source.endswith("segment_intersection.cpp"):
        return "crossings"
    if source.endswith("geometry.h"):
        # Comparing places is the collection's; making points and segments, the sides'.
        code = open("geometry/geometry.h").read().splitlines()[number - 1]
        return "collection" if "q.x" in code else "crossings"
    if source.endswith("predicates.h") or source.endswith("predicates.cpp"):
        code = open("geometry/" + os.path.basename(source)).read().splitlines()[number - 1]
        return "containment" if "d1" in code or "float(" in code else "turns"
    return "other"

solver_lines, solver = costs(sys.argv[2])
_, clip = costs(sys.argv[1])
buckets = dict.fromkeys(["turns", "crossings", "containment", "collection", "ordering", "other"], 0)
for (source, number), cost in solver_lines.items():
    buckets[bucket_of(source, number)] += cost
print(f"instructions per pair: solver {solver / pairs:.0f}, clip {clip / pairs:.0f} "
      f"({solver / clip:.2f}x)")
print("solver's lines: " + ", ".join(f"{k} {v / pairs:.0f}" for k, v in buckets.items()))
PY
