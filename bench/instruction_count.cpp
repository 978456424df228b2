// Runs the solver (candidates and ordering) and the clip once over the benchmark's 4,096
// pairs, each in a function of its own, for callgrind to count their instructions:
// scripts/instructions.sh.
#include <cstdio>

#include "bench/clip.h"
#include "bench/uniform_pairs.h"
#include "solver/candidates.h"
#include "solver/polygon_order.h"

__attribute__((noinline)) int solveAll(const std::vector<TrianglePair>& pairs) {
  int overlapping = 0;
  Point ring[kMaxCandidates + 1];
  for (const TrianglePair& pair : pairs) {
    const Candidates found = findCandidates(pair.t1, pair.t2);
    const int total = candidateCount(found);
    overlapping += (total > 1 ? orderConvexPolygon(found.points, ring, total) : 0) > 2;
  }
  return overlapping;
}

__attribute__((noinline)) int clipAll(const std::vector<TrianglePair>& pairs) {
  int overlapping = 0;
  for (const TrianglePair& pair : pairs) {
    Xy out[9];
    overlapping += clipTriangle(pair, out) > 2;
  }
  return overlapping;
}

int main() {
  const std::vector<TrianglePair> pairs = uniformPairs(4096, 0.0f, 10.0f, 4096);
  std::printf("%zu pairs; overlapping: solver %d, clip %d\n", pairs.size(), solveAll(pairs),
              clipAll(pairs));
}
