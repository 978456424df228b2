#include "viewer/camera.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

namespace {

auto asTuple(Camera c) {
  return std::make_tuple(c.cx, c.cy, c.distance);
}

// The width of the box is |min| + max, and the camera stands at the width in x unless the box
// is more than twice as tall.
TEST(Camera, OverTheSceneBox) {
  const struct {
    const char* what;
    Point min, max;
    Camera expected;
  } cases[] = {
      {"the typical run", {0, 0}, {5, 5}, {2.5f, 2.5f, 5}},
      {"nothing added", {1024, 700}, {0, 0}, {512, 350, 1024}},
      {"tall box: 2 * 300 <= 1000", {100, 0}, {200, 1000}, {150, 500, 1000}},
      {"2 * 600 > 1000", {0, 0}, {600, 1000}, {300, 500, 600}},
      {"2 * 500 = 1000", {0, 0}, {500, 1000}, {250, 500, 1000}},
      {"below the origin: the sum uses |min|", {-5, -3}, {0, 0}, {-2.5f, -1.5f, 5}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(asTuple(cameraFor(c.min, c.max)), asTuple(c.expected)) << c.what;
  }
  // The first view is that camera, or one unit above a scene at one point.
  EXPECT_EQ(asTuple(firstView({-5, -3}, {0, 0})), std::make_tuple(-2.5f, -1.5f, 5.0f));
  EXPECT_EQ(asTuple(firstView({0, 0}, {0, 0})), std::make_tuple(0.0f, 0.0f, 1.0f));
}

TEST(Camera, FitsZoomsAndPans) {
  // (0, 0)-(5, 5) in a square window: half its height, with a tenth more, at 22.5 degrees.
  const Camera fitted = fitting({0, 0}, {5, 5}, 1.0);
  EXPECT_EQ(std::tie(fitted.cx, fitted.cy), std::make_tuple(2.5f, 2.5f));
  EXPECT_FLOAT_EQ(fitted.distance, float(2.75 / std::tan(kPi / 8)));
  // A wide box in a window twice as wide as tall: its width decides.
  EXPECT_FLOAT_EQ(fitting({0, 0}, {10, 1}, 2.0).distance, fitted.distance);
  // A task at one point: one unit above it.
  EXPECT_EQ(fitting({1, 1}, {1, 1}, 1.0).distance, 1.0f);
  EXPECT_EQ(asTuple(zoomed({1, 2, 10}, 0.5f)), std::make_tuple(1.0f, 2.0f, 5.0f));
  EXPECT_EQ(asTuple(panned({1, 2, 10}, 0.25f, -0.5f)), std::make_tuple(3.5f, -3.0f, 10.0f));
}

// A round step at which 6 to 15 lines cross the view, at every scale.
TEST(Camera, GridStepIsRoundAndFitsTheView) {
  const struct {
    double width, height, step;
  } cases[] = {{2e-3, 1.5e-3, 5e-4}, {0.3, 0.2, 0.05},  {14.6, 10, 2},      {15, 0, 1},
               {1.2e3, 0.8e3, 200},  {1.4e6, 1e6, 2e5}, {1.5e6, 1.5e6, 2e5}};
  for (const auto& c : cases) {
    const double step = gridStep(c.width, c.height);
    EXPECT_DOUBLE_EQ(step, c.step) << c.width;
    const double lines = (c.width + c.height) / step;
    EXPECT_TRUE(lines >= 6 && lines <= 15) << c.width;
  }
}

// The typical first view cuts the task off; the fitted one shows it; a task far smaller than
// the view is shown poorly.
TEST(Camera, ShowsPoorlyWhereTheTaskIsCutOrTiny) {
  const double aspect = 1024.0 / 700;
  EXPECT_TRUE(showsPoorly(cameraFor({0, 0}, {5, 5}), aspect, {0, 0}, {5, 5}));
  EXPECT_FALSE(showsPoorly(fitting({0, 0}, {5, 5}, aspect), aspect, {0, 0}, {5, 5}));
  EXPECT_TRUE(showsPoorly({2.5f, 2.5f, 500}, aspect, {0, 0}, {5, 5}));
  EXPECT_FALSE(showsPoorly({2.5f, 2.5f, 40}, aspect, {0, 0}, {5, 5}));  // 0.15 of the height
}

}  // namespace
