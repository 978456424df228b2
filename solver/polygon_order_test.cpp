#include "solver/polygon_order.h"

#include <gtest/gtest.h>

#include <vector>

#include "geometry/predicates.h"
#include "solver/candidates.h"

namespace {

struct RingCase {
  const char* what;
  std::vector<Point> pts;
  std::vector<Point> ring;  // the m vertices and the closing copy of the first
};

TEST(OrderConvexPolygon, RingsAreCounterClockwiseAndClosed) {
  const RingCase cases[] = {
      {"counter-clockwise input", {{1, 1}, {3, 1}, {1, 3}}, {{1, 1}, {3, 1}, {1, 3}, {1, 1}}},
      {"clockwise input", {{1, 3}, {3, 1}, {1, 1}}, {{1, 3}, {1, 1}, {3, 1}, {1, 3}}},
      {"the typical run", {{3, 1}, {1, 3}, {1, 1}}, {{3, 1}, {1, 3}, {1, 1}, {3, 1}}},
      {"two points", {{0, 0}, {2, 0}}, {{0, 0}, {2, 0}, {0, 0}}},
      {"three collinear points", {{0, 0}, {1, 0}, {2, 0}}, {{0, 0}, {1, 0}, {0, 0}}},
      {"a square in scrambled order",
       {{0, 0}, {2, 2}, {2, 0}, {0, 2}},
       {{0, 0}, {2, 0}, {2, 2}, {0, 2}, {0, 0}}},
      {"a hexagon",
       {{2, 0}, {0, 2}, {4, 1}, {4, 3}, {2, 4}, {0, 1}},
       {{2, 0}, {4, 1}, {4, 3}, {2, 4}, {0, 2}, {0, 1}, {2, 0}}},
      // A repeated point lets the walk circle between its two copies and never come back to
      // the start: after count steps the ring is cut to its first count vertices.
      {"a repeat traps the walk",
       {{1, 0}, {0, 1}, {0, 1}, {0, 0}},
       {{1, 0}, {0, 1}, {0, 1}, {0, 1}, {1, 0}}},
  };
  for (const RingCase& c : cases) {
    Point out[kMaxCandidates + 1];
    const int m = orderConvexPolygon(c.pts.data(), out, int(c.pts.size()));
    ASSERT_EQ(m + 1, int(c.ring.size())) << c.what;
    for (int k = 0; k <= m; ++k) {
      EXPECT_EQ(out[k].x, c.ring[k].x) << c.what << " #" << k;
      EXPECT_EQ(out[k].y, c.ring[k].y) << c.what << " #" << k;
    }
  }
}

TEST(OrderConvexPolygon, CopiesWholePoints) {
  const Point pts[] = {{1, 1, GREEN}, {3, 1, BLUE}, {1, 3, CYAN}};
  Point out[4];
  ASSERT_EQ(orderConvexPolygon(pts, out, 3), 3);
  EXPECT_EQ(out[0].color, GREEN);
  EXPECT_EQ(out[1].color, BLUE);
  EXPECT_EQ(out[3].color, GREEN);
}

TEST(OrderConvexPolygon, FewerThanTwoPointsGiveNoRing) {
  const Point pts[] = {{1, 1}};
  Point out[2] = {{-7, -7}, {-7, -7}};
  EXPECT_EQ(orderConvexPolygon(pts, out, 1), 0);
  EXPECT_EQ(orderConvexPolygon(pts, out, 0), 0);
  EXPECT_EQ(out[0].x, -7.0f);
}

// Every set of up to five points of a 3 x 3 grid, repeats and collinear points included:
// the chain always ends, writes at most count + 1 points, closes its ring with a copy of the
// first vertex, and never turns clockwise.
TEST(OrderConvexPolygon, AlwaysEndsWithinItsBuffer) {
  int rings = 0;
  for (int count = 2; count <= 5; ++count) {
    int code[5] = {0, 0, 0, 0, 0};
    for (;;) {
      Point pts[5];
      for (int i = 0; i < count; ++i) pts[i] = makePoint(float(code[i] % 3), float(code[i] / 3));
      Point out[kMaxCandidates + 2];
      for (Point& p : out) p = makePoint(-99, -99);
      const int m = orderConvexPolygon(pts, out, count);
      ASSERT_GE(m, 2);
      ASSERT_LE(m, count);
      for (int k = count + 1; k < kMaxCandidates + 2; ++k) ASSERT_EQ(out[k].x, -99.0f);
      ASSERT_EQ(out[m].x, out[0].x);
      ASSERT_EQ(out[m].y, out[0].y);
      for (int k = 0; k + 2 <= m; ++k) ASSERT_NE(orientation(out[k], out[k + 1], out[k + 2]), 1);
      ++rings;
      int i = 0;
      while (i < count && ++code[i] == 9) code[i++] = 0;
      if (i == count) break;
    }
  }
  EXPECT_EQ(rings, 9 * 9 + 9 * 9 * 9 + 9 * 9 * 9 * 9 + 9 * 9 * 9 * 9 * 9);
}

}  // namespace
