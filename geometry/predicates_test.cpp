#include "geometry/predicates.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(Orientation, ExactCodesForAnyFloats) {
  const float next1 = std::nextafter(1.0f, 2.0f);
  const struct {
    Point p, q, r;
    int expected;  // 1 clockwise, 0 counter-clockwise, -1 collinear
  } cases[] = {
      {{0, 0}, {1, 0}, {0, 1}, 0},
      {{0, 0}, {0, 1}, {1, 0}, 1},
      {{0, 0}, {1, 1}, {2, 2}, -1},
      // In double the differences lose 1e-30 and the turn looks collinear; it is not.
      {{1e-30f, 0}, {1e18f, 1e18f}, {-1e18f, -1e18f}, 0},
      {{-1e-30f, 0}, {1e18f, 1e18f}, {-1e18f, -1e18f}, 1},
      {{1, 0}, {next1, 0x1p-23f}, {1e18f, 1e18f}, 0},
      {{0, 0}, {NAN, 1}, {1, 1}, -1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(orientation(c.p, c.q, c.r), c.expected)
        << c.p.x << "," << c.p.y << " " << c.q.x << "," << c.q.y << " " << c.r.x << "," << c.r.y;
  }
}

}  // namespace
