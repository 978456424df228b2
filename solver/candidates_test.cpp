#include "solver/candidates.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Triangles {
  Point t1[3], t2[3];
};

// The candidates come as crossings, then vertices of T1 inside T2, then of T2 inside T1,
// each place once. (Every result bit is also compared with the straightforward rules, and
// every overlap with the exact one, over many pairs.)
TEST(FindCandidates, CountsAndPoints) {
  const struct {
    const char* what;
    Triangles pair;
    int npq[3];
    std::vector<Point> points;
  } cases[] = {
      {"a vertex of each inside the other",
       {{{0, 0}, {4, 0}, {2, 4}}, {{2, 1}, {6, 5}, {-2, 5}}},
       {2, 1, 1},
       {{3, 2}, {1, 2}, {2, 4}, {2, 1}}},
      // (1, 2) is found along T1's side from (3, 6) with u rounded to single precision.
      {"six-pointed star: containment skipped",
       {{{0, 0}, {6, 0}, {3, 6}}, {{0, 4}, {3, -2}, {6, 4}}},
       {6, 0, 0},
       {{2, 0}, {4, 0}, {5, 2}, {4, 4}, {0x1.fffffep-1f, 0x1.fffffep+0f}, {2, 4}}},
      {"sides through vertices: each place once",
       {{{2, 4}, {3, 2}, {4, 2}}, {{2, 4}, {3, 4}, {3, 1}}},
       {3, 0, 0},
       {{2, 4}, {3, 2}, {3, 3}}},
      {"a flat T2 along a side of T1: the ends of the shared stretch",
       {{{4, 8}, {4, 5}, {0, 8}}, {{4, 1}, {4, 3}, {4, 7}}},
       {2, 0, 0},
       {{4, 5}, {4, 7}}},
      {"two flat triangles on one line touching at an end: that point",
       {{{0, 0}, {1, 0}, {1, 0}}, {{3, 0}, {1, 0}, {1, 0}}},
       {1, 0, 0},
       {{1, 0}}},
      // T2's first vertex lies 2.4e-9 outside T1's side from (-0.19, 0.358), where rounded
      // areas would take it as inside: the triangles do not meet. (Every pair is also solved in
      // all four vertex orders against the straightforward rules.)
      {"a vertex just outside",
       {{{0.212f, 0.741f}, {-0.19f, 0.358f}, {0.241f, 0.055f}},
        {{0x1.86e9ccp-5f, 0x1.86ebf6p-3f}, {-0.174f, -2.873f}, {-2.76f, -1.055f}}},
       {0, 0, 0},
       {}},
      // Sides within the parallel tolerance that cross exactly: a thin triangle.
      {"nearly parallel sides crossing",
       {{{0, 0}, {20, 19}, {20, 0}}, {{1, 1}, {19, 18}, {1, 18}}},
       {2, 0, 1},
       {{10, 9.5f}, {0x1.2f286cp+4f, 18}, {19, 18}}},
      // A triangle shrunk to a point: a touching point on a side, a vertex inside.
      {"a point on a side",
       {{{2, 2}, {2, 2}, {2, 2}}, {{4, 0}, {0, 4}, {0, 0}}},
       {1, 0, 0},
       {{2, 2}}},
      {"a point inside", {{{1, 1}, {1, 1}, {1, 1}}, {{0, 0}, {0, 4}, {4, 0}}}, {0, 1, 0}, {{1, 1}}},
  };
  for (const auto& c : cases) {
    const Candidates found = findCandidates(c.pair.t1, c.pair.t2);
    EXPECT_EQ(std::tie(found.n, found.p, found.q), std::tie(c.npq[0], c.npq[1], c.npq[2]))
        << c.what;
    ASSERT_EQ(candidateCount(found), int(c.points.size())) << c.what;
    for (size_t k = 0; k < c.points.size(); ++k) {
      EXPECT_EQ(std::tie(found.points[k].x, found.points[k].y),
                std::tie(c.points[k].x, c.points[k].y))
          << c.what << " #" << k;
    }
  }
}

}  // namespace
