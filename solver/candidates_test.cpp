#include "solver/candidates.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "scene/scene.h"
#include "tools/memory_stream.h"

namespace {

struct CandidateCase {
  const char* what;
  Point t1[3];
  Point t2[3];
  int n, p, q;
  std::vector<Point> points;  // empty: only the counts are checked
};

// The candidates come as crossings, then vertices of T1 inside T2, then of T2 inside T1,
// each place once.
TEST(FindCandidates, CountsAndOrder) {
  const float tiny = std::ldexp(1.0f, -25);
  const CandidateCase cases[] = {
      {"disjoint", {{0, 0}, {1, 0}, {0, 1}}, {{5, 5}, {6, 5}, {5, 6}}, 0, 0, 0, {}},
      {"T2 inside T1",
       {{0, 0}, {10, 0}, {0, 10}},
       {{1, 1}, {3, 1}, {1, 3}},
       0,
       0,
       3,
       {{1, 1}, {3, 1}, {1, 3}}},
      {"T1 inside T2",
       {{1, 1}, {3, 1}, {1, 3}},
       {{0, 0}, {10, 0}, {0, 10}},
       0,
       3,
       0,
       {{1, 1}, {3, 1}, {1, 3}}},
      {"typical run",
       {{0, 0}, {4, 0}, {0, 4}},
       {{1, 1}, {5, 1}, {1, 5}},
       2,
       0,
       1,
       {{3, 1}, {1, 3}, {1, 1}}},
      {"a vertex of each inside the other",
       {{0, 0}, {4, 0}, {2, 4}},
       {{2, 1}, {6, 5}, {-2, 5}},
       2,
       1,
       1,
       {{3, 2}, {1, 2}, {2, 4}, {2, 1}}},
      {"six-pointed star: containment skipped",
       {{0, 0}, {6, 0}, {3, 6}},
       {{0, 4}, {3, -2}, {6, 4}},
       6,
       0,
       0,
       {}},
      {"a side through a shared vertex of two sides: one crossing",
       {{4, -1}, {4, 2}, {6, 0}},
       {{0, 0}, {4, 0}, {0, 4}},
       1,
       0,
       0,
       {{4, tiny}}},
      {"sides through vertices: each place once",
       {{2, 4}, {3, 2}, {4, 2}},
       {{2, 4}, {3, 4}, {3, 1}},
       3,
       0,
       0,
       {{2, 4}, {3, 2}, {3, 3}}},
      {"a repeated vertex inside the other triangle counts once",
       {{0, 0}, {10, 0}, {0, 10}},
       {{1, 1}, {1, 1}, {3, 2}},
       0,
       0,
       2,
       {{1, 1}, {3, 2}}},
      {"clockwise T1 still holds T2",
       {{0, 0}, {0, 10}, {10, 0}},
       {{1, 1}, {3, 1}, {1, 3}},
       0,
       0,
       3,
       {{1, 1}, {3, 1}, {1, 3}}},
      {"clockwise T2 still holds T1",
       {{1, 1}, {1, 3}, {3, 1}},
       {{0, 0}, {0, 10}, {10, 0}},
       0,
       3,
       0,
       {{1, 1}, {1, 3}, {3, 1}}},
      {"identical triangles meet at their vertices",
       {{0, 0}, {4, 0}, {0, 4}},
       {{0, 0}, {4, 0}, {0, 4}},
       3,
       0,
       0,
       {{4, 0}, {0, 0}, {0, 4}}},
      {"all vertices at the origin", {}, {}, 0, 0, 0, {}},
      // A triangle with no area is a segment; where it lies along a side of the other, the
      // ends of the shared stretch are found as crossings.
      {"a flat T2 along a side of T1",
       {{4, 8}, {4, 5}, {0, 8}},
       {{4, 1}, {4, 3}, {4, 7}},
       2,
       0,
       0,
       {{4, 5}, {4, 7}}},
      {"two flat triangles overlapping on one line",
       {{5, 0}, {4, 0}, {8, 0}},
       {{5, 0}, {3, 0}, {2, 0}},
       2,
       0,
       0,
       {{5, 0}, {4, 0}}},
      {"a repeated vertex is no side to overlap with",
       {{4, 7}, {2, 2}, {4, 7}},
       {{5, 3}, {6, 1}, {6, 8}},
       0,
       0,
       0,
       {}},
      {"triangles sharing a side give only its ends",
       {{0, 0}, {4, 0}, {0, 4}},
       {{4, 0}, {0, 0}, {2, -3}},
       2,
       0,
       0,
       {{0, 0}, {4, 0}}},
      {"T1 shrunk to a point inside T2",
       {{2, 2}, {2, 2}, {2, 2}},
       {{0, 0}, {10, 0}, {0, 10}},
       0,
       1,
       0,
       {{2, 2}}},
  };
  for (const CandidateCase& c : cases) {
    const Candidates found = findCandidates(c.t1, c.t2);
    EXPECT_EQ(found.n, c.n) << c.what;
    EXPECT_EQ(found.p, c.p) << c.what;
    EXPECT_EQ(found.q, c.q) << c.what;
    if (c.points.empty()) continue;
    ASSERT_EQ(candidateCount(found), int(c.points.size())) << c.what;
    for (size_t k = 0; k < c.points.size(); ++k) {
      EXPECT_EQ(found.points[k].x, c.points[k].x) << c.what << " #" << k;
      EXPECT_EQ(found.points[k].y, c.points[k].y) << c.what << " #" << k;
    }
  }
}

TEST(FindCandidates, FirstCrossingAtTheOldSentinelIsKept) {
  const Point t1[3] = {{1.1314f, -1}, {1.1314f, 1}, {-5, 0}};
  const Point t2[3] = {{0, 0}, {4, 0}, {0, 4}};
  const Candidates found = findCandidates(t1, t2);
  ASSERT_GE(found.n, 1);
  EXPECT_EQ(found.points[0].x, 1.1314f);
  EXPECT_EQ(found.points[0].y, 0.0f);
}

TEST(FindIntersectionCandidates, PrintsCountsAndPublishesTheTask) {
  resetScene();
  const Point t1[3] = {{0, 0}, {4, 0}, {0, 4}};
  const Point t2[3] = {{1, 1}, {5, 1}, {1, 5}};
  Point out[kMaxCandidates];
  out[0].color = GREEN;
  OutputCapture console;
  EXPECT_EQ(findIntersectionCandidates(t1, t2, out, console.stream()), 3);
  EXPECT_EQ(console.text(),
            "Broj presecnih tacaka : n = 2\n"
            "Broj temena trougla T1 u trouglu T2: p = 0\n"
            "Broj temena trougla T2 u trouglu T1: q = 1\n");
  EXPECT_EQ(out[0].x, 3.0f);
  EXPECT_EQ(out[0].color, GREEN) << "only coordinates are copied";
  EXPECT_EQ(out[2].y, 1.0f);

  // Sides alternate between the triangles; candidates follow in their order, all red.
  ASSERT_EQ(gSegments.size(), 6u);
  const Point starts[6] = {{0, 0}, {1, 1}, {4, 0}, {5, 1}, {0, 4}, {1, 5}};
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(gSegments[i].color, BLACK);
    EXPECT_EQ(gSegments[i].a.x, starts[i].x);
    EXPECT_EQ(gSegments[i].a.y, starts[i].y);
  }
  ASSERT_EQ(gPoints.size(), 3u);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(gPoints[i].color, RED);
    EXPECT_EQ(gPoints[i].x, out[i].x);
    EXPECT_EQ(gPoints[i].y, out[i].y);
  }
  EXPECT_EQ(gMinCorner.x, 0.0f);
  EXPECT_EQ(gMaxCorner.y, 5.0f);
}

}  // namespace
