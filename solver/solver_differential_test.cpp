// The solver against its rules in their straightforward form: every result bit (counts,
// candidates, ring) over every kind of triangle pair, at every magnitude.
#include <gtest/gtest.h>

#include "testing/reference_solver.h"
#include "testing/triangle_pairs.h"

TEST(SolverDifferential, EveryResultBitAsTheStraightforwardRules) {
  for (int kind = 0; kind < kPairKinds; ++kind) {
    int differ = 0;
    for (const TrianglePair& pair : makePairs(kind, 20000, 7)) {
      if (!solvedAsStraightforward(pair.t1, pair.t2) && ++differ <= 5) {
        ADD_FAILURE() << pairKindName(kind) << std::hexfloat << ": " << pair.t1[0].x << " "
                      << pair.t1[0].y << " " << pair.t1[1].x << " " << pair.t1[1].y << " "
                      << pair.t1[2].x << " " << pair.t1[2].y << " " << pair.t2[0].x << " "
                      << pair.t2[0].y << " " << pair.t2[1].x << " " << pair.t2[1].y << " "
                      << pair.t2[2].x << " " << pair.t2[2].y;
      }
    }
    EXPECT_EQ(differ, 0) << pairKindName(kind);
  }
}
