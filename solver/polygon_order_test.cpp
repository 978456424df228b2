#include "solver/polygon_order.h"

#include <gtest/gtest.h>

#include <vector>

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

}  // namespace
