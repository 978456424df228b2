#include "geometry/geometry.h"

#include <gtest/gtest.h>

namespace {

struct Wide {
  double x, y;
};
struct Narrowed {
  double ax, ay, dx, dy;
};

// Differences rounded to single precision and then stored as doubles: GCC 12's SLP
// vectoriser at -O2 drops these roundings, and every result of the program depends on them.
__attribute__((noinline)) Narrowed narrowed(Wide a, Wide b) {
  const float dx = float(b.x - a.x);
  const float dy = float(b.y - a.y);
  return {a.x, a.y, dx, dy};
}

TEST(Build, KeepsEveryRoundingToSinglePrecision) {
  const Narrowed n = narrowed({-0x1.610a3ep+5, -0x1.59a1cap+4}, {0x1.8126eap+1, 0x1.298b44p+5});
  EXPECT_EQ(n.dx, 0x1.791cacp+5);
  EXPECT_EQ(n.dy, 0x1.d65c28p+5);
}

}  // namespace
