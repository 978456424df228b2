#!/usr/bin/env bash
# Instructions per pair, counted by callgrind (the same on a busy machine), for the solver and
# the clip over the benchmark's 4,096 pairs; the solver's split by function (pmccabe's ranges).
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
import glob, os, re, subprocess, sys
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

# Each line's cost goes to the function whose definition holds it (pmccabe gives their line
# ranges), inlined or not: a function's row moves only with its own code.
ranges = {}
for source in glob.glob("geometry/*.[ch]*") + glob.glob("solver/*.[ch]*"):
    if source.endswith("_test.cpp"):
        continue
    for row in subprocess.run(["pmccabe", source], capture_output=True, text=True).stdout.splitlines():
        fields = row.split("\t")
        first, count = int(fields[3]), int(fields[4])
        name = fields[5].split(": ", 1)[1].replace("anonymous_namespace::", "")
        for number in range(first, first + count):
            ranges[(os.path.basename(source), number)] = name

def function_of(source, number):
    return ranges.get((os.path.basename(source or ""), number), "the rest")

solver_lines, solver = costs(sys.argv[2])
_, clip = costs(sys.argv[1])
functions = {}
for (source, number), cost in solver_lines.items():
    name = function_of(source, number)
    functions[name] = functions.get(name, 0) + cost
print(f"instructions per pair: solver {solver / pairs:.0f}, clip {clip / pairs:.0f} "
      f"({solver / clip:.2f}x)")
shown = sorted(functions.items(), key=lambda item: -item[1])
rest = sum(cost for _, cost in shown[12:]) + functions.get("the rest", 0)
print("solver's functions: " + ", ".join(f"{name} {cost / pairs:.0f}" for name, cost in shown[:12]
                                         if name != "the rest") + f", the rest {rest / pairs:.0f}")
PY
