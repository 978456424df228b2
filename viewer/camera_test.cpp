#include "viewer/camera.h"

#include <gtest/gtest.h>

namespace {

struct CameraCase {
  const char* what;
  Point min, max;
  Camera expected;
};

// The width of the box is |min| + max, and the camera stands at the width in x unless the box
// is more than twice as tall.
TEST(CameraFor, BoxesOfTheScene) {
  const CameraCase cases[] = {
      {"the typical run", {0, 0}, {5, 5}, {2.5f, 2.5f, 5}},
      {"nothing added", {1024, 700}, {0, 0}, {512, 350, 1024}},
      {"tall box: 2 * 300 <= 1000", {100, 0}, {200, 1000}, {150, 500, 1000}},
      {"2 * 600 > 1000", {0, 0}, {600, 1000}, {300, 500, 600}},
      {"exactly twice as tall", {0, 0}, {500, 1000}, {250, 500, 1000}},
      {"below the origin: the sum uses |min|", {-5, -3}, {0, 0}, {-2.5f, -1.5f, 5}},
      {"straddling the origin", {-2, -4}, {6, 8}, {2, 2, 8}},
  };
  for (const CameraCase& c : cases) {
    const Camera camera = cameraFor(c.min, c.max);
    EXPECT_EQ(camera.cx, c.expected.cx) << c.what;
    EXPECT_EQ(camera.cy, c.expected.cy) << c.what;
    EXPECT_EQ(camera.distance, c.expected.distance) << c.what;
  }
}

}  // namespace
