#include "viewer/drag.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace {

// The press takes the nearest mark within 10 pixels; of marks equally near, the first.
TEST(Drag, NearestMarkWithinReach) {
  const double x[] = {100, 100, 120, 100};
  const double y[] = {100, 100, 100, 130};
  const struct {
    double px, py;
    int taken;
  } cases[] = {
      {100, 100, 0},   // two marks at one place: the first
      {110, 100, 0},   // 10 from the first and the third: the first, at the reach itself
      {112, 100, 2},   // 8 from the third, 12 from the first
      {100, 121, 3},   // 9 from the fourth
      {100, 115, -1},  // 15 from every mark
  };
  for (const auto& c : cases) {
    EXPECT_EQ(nearestWithin(x, y, 4, c.px, c.py, kGrabRadius), c.taken) << c.px << " " << c.py;
  }
}

// A vertex lands on the float nearest to a multiple of the step, within the coordinates a
// task takes, never on a negative zero.
TEST(Drag, SnapsToARoundStep) {
  const struct {
    double v, step;
    float expected;
  } cases[] = {
      {2.96, 0.1, 3.0f},   {0.31, 0.1, 0.3f},     {-0.04, 0.1, 0.0f},  {7.3, 0.2, 7.4f},
      {-2.6, 0.5, -2.5f},  {1234, 5, 1235},       {3e17, 2e17, 4e17f}, {1e-7, 1e-8, 1e-7f},
      {5e18, 2e17, 1e18f}, {-1e30, 1e20, -1e18f},
  };
  for (const auto& c : cases) {
    const float got = snapped(c.v, c.step);
    EXPECT_EQ(got, c.expected) << c.v << " by " << c.step;
    EXPECT_FALSE(std::signbit(got) && got == 0) << c.v;
  }
  // The grid's step while it is shown, a tenth of it otherwise; the view of the typical task
  // has a grid step of 1.
  const Camera typical = {2.5f, 2.5f, 5};
  EXPECT_EQ(dragStep(typical, 1024.0 / 700, true), 1);
  EXPECT_EQ(dragStep(typical, 1024.0 / 700, false), 0.1);
  // The plane point under a pixel is the inverse of where the point is drawn.
  const Vec at = windowPointOf(typical, 1024, 700, {3, 1});
  const Vec back = planePointAt(typical, 1024, 700, at);
  EXPECT_NEAR(back.x, 3, 1e-12);
  EXPECT_NEAR(back.y, 1, 1e-12);
}

}  // namespace
