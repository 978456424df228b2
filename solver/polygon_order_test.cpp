#include "solver/polygon_order.h"

#include <gtest/gtest.h>

#include <vector>

#include "geometry/predicates.h"
#include "solver/candidates.h"

namespace {

TEST(OrderConvexPolygon, RingsAreCounterClockwiseAndClosed) {
  const struct {
    const char* what;
    std::vector<Point> pts;
    std::vector<Point> ring;  // the m vertices and the closing copy of the first
  } cases[] = {
      {"clockwise input", {{1, 3}, {3, 1}, {1, 1}}, {{1, 3}, {1, 1}, {3, 1}, {1, 3}}},
      {"two points", {{0, 0}, {2, 0}}, {{0, 0}, {2, 0}, {0, 0}}},
      {"on one line: the outermost two, lower index first",
       {{1, 1}, {2, 2}, {3, 3}, {0, 0}},
       {{3, 3}, {0, 0}, {3, 3}}},
      {"a point on a side is passed over",
       {{0, 0}, {4, 0}, {2, 0}, {0, 4}},
       {{0, 0}, {4, 0}, {0, 4}, {0, 0}}},
      // A repeated point lets the walk circle between its two copies and never come back to
      // the start: after count steps the ring is cut to its first count vertices.
      {"a repeat traps the walk",
       {{1, 0}, {0, 1}, {0, 1}, {0, 0}},
       {{1, 0}, {0, 1}, {0, 1}, {0, 1}, {1, 0}}},
  };
  for (const auto& c : cases) {
    Point out[kMaxCandidates + 1];
    const int m = orderConvexPolygon(c.pts.data(), out, int(c.pts.size()));
    ASSERT_EQ(m + 1, int(c.ring.size())) << c.what;
    for (int k = 0; k <= m && m > 0; ++k) {
      EXPECT_EQ(std::tie(out[k].x, out[k].y), std::tie(c.ring[k].x, c.ring[k].y))
          << c.what << " #" << k;
    }
  }
}

// Every set of up to five points of a 3 x 3 grid, repeats and collinear points included:
// the walk always ends, writes at most count + 1 points, closes its ring with a copy of the
// first vertex, and never turns clockwise.
TEST(OrderConvexPolygon, AlwaysEndsWithinItsBuffer) {
  for (int count = 2; count <= 5; ++count) {
    int code[5] = {0, 0, 0, 0, 0};
    for (int i = 0; i < count;) {
      Point pts[5];
      for (int k = 0; k < count; ++k) pts[k] = makePoint(float(code[k] % 3), float(code[k] / 3));
      Point out[kMaxCandidates + 2];
      for (Point& p : out) p = makePoint(-99, -99);
      const int m = orderConvexPolygon(pts, out, count);
      ASSERT_TRUE(m >= 2 && m <= count);
      for (int k = count + 1; k < kMaxCandidates + 2; ++k) ASSERT_EQ(out[k].x, -99.0f);
      ASSERT_TRUE(samePlace(out[m], out[0]));
      for (int k = 0; k + 2 <= m; ++k) ASSERT_NE(orientation(out[k], out[k + 1], out[k + 2]), 1);
      for (i = 0; i < count && ++code[i] == 9; ++i) code[i] = 0;
    }
  }
}

}  // namespace
