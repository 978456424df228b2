// The solver against its rules in their straightforward form: every result bit (counts,
// candidates, ring) over every kind of triangle pair, at every magnitude.
#include <gtest/gtest.h>

#include <cstring>
#include <sstream>

#include "solver/polygon_order.h"
#include "testing/reference_solver.h"
#include "testing/triangle_pairs.h"

namespace {

bool sameBits(const Point* a, const Point* b, int count) {
  return std::memcmp(a, b, sizeof(Point) * size_t(count)) == 0;
}

std::string describe(const TrianglePair& pair) {
  std::ostringstream text;
  text << std::hexfloat;
  for (const Point* t : {pair.t1, pair.t2}) {
    for (int i = 0; i < 3; ++i) text << t[i].x << " " << t[i].y << " ";
  }
  return text.str();
}

TEST(SolverDifferential, EveryResultBitAsTheStraightforwardRules) {
  for (PairKind kind : kAllPairKinds) {
    int differ = 0;
    for (const TrianglePair& pair : makePairs(kind, 20000, 7)) {
      const Candidates fast = findCandidates(pair.t1, pair.t2);
      const Candidates slow = referenceCandidates(pair.t1, pair.t2);
      const int total = candidateCount(fast);
      Point ring[kMaxCandidates + 1], expected[kMaxCandidates + 1];
      const int m = orderConvexPolygon(fast.points, ring, total);
      const int referenceM = referenceOrder(fast.points, expected, total);
      const bool same = fast.n == slow.n && fast.p == slow.p && fast.q == slow.q &&
                        sameBits(fast.points, slow.points, total) && m == referenceM &&
                        sameBits(ring, expected, m + (m > 0));
      if (!same && ++differ <= 5) ADD_FAILURE() << pairKindName(kind) << ": " << describe(pair);
    }
    EXPECT_EQ(differ, 0) << pairKindName(kind);
  }
}

}  // namespace
