// What the program prints against the exact overlap computed by CGAL, over every kind of
// triangle pair people type.
#include <gtest/gtest.h>

#include <cstdio>

#include "testing/exact_overlap.h"
#include "testing/triangle_pairs.h"

TEST(ExactComparison, EveryPrintedOverlapIsTheExactOne) {
  for (int kind = 0; kind < kEveryMagnitude; ++kind) {  // printed digits say nothing at 1e-30
    int agree = 0, differ = 0;
    for (const TrianglePair& pair : makePairs(kind, 12000, 3)) {
      const std::string why = disagreement(pair.t1, pair.t2);
      if (why.empty()) {
        ++agree;
      } else if (++differ <= 5) {
        ADD_FAILURE() << pairKindName(kind) << ": " << why;
      }
    }
    std::printf("| %s | 12000 | %d | %d |\n", pairKindName(kind), agree, differ);
    EXPECT_EQ(differ, 0) << pairKindName(kind);
  }
}
