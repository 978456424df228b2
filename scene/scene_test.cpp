#include "scene/scene.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

auto box() {
  return std::make_tuple(gMinCorner.x, gMinCorner.y, gMaxCorner.x, gMaxCorner.y);
}

// Runs first: the box the program starts with, before anything is added or reset.
TEST(Scene, StartsWithTheWindowSizedBox) {
  EXPECT_EQ(box(), std::make_tuple(1024.0f, 700.0f, 0.0f, 0.0f));
  EXPECT_TRUE(gPoints.empty() && gSegments.empty() && gLines.empty() && gCircles.empty());
}

// It spans from the smaller of the start value and the least coordinate to the larger of 0
// and the greatest coordinate; a segment grows it by both ends.
TEST(Scene, BoxGrowsFromItsStartCorners) {
  const struct {
    Point a, b;
    std::tuple<float, float, float, float> box;
  } cases[] = {
      {{10, 20}, {10, 20}, {10, 20, 10, 20}},
      {{2000, 900}, {2000, 900}, {1024, 700, 2000, 900}},
      {{-2, 5}, {7, -9}, {-2, -9, 7, 5}},
  };
  for (const auto& c : cases) {
    resetScene();
    addPoint(c.a, BLUE);
    Segment s = makeSegment(c.a, c.b);
    s.a.color = GREEN;
    addSegment(s, CYAN);
    EXPECT_EQ(box(), c.box) << c.b.x << ", " << c.b.y;
    EXPECT_EQ(std::tie(gPoints.back().color, gSegments.back().color, gSegments.back().a.color),
              std::make_tuple(BLUE, CYAN, GREEN));
  }
}

TEST(Scene, PolygonOutlineIsClosedAndRed) {
  resetScene();
  const Point ring[] = {{1, 1, GREEN}, {3, 1}, {1, 3}, {1, 1}};
  addPolygonOutline(ring, 0);
  addPolygonOutline(ring, 3);
  ASSERT_EQ(gSegments.size(), 3u);
  const float ends[3][4] = {{1, 1, 3, 1}, {3, 1, 1, 3}, {1, 3, 1, 1}};
  for (int i = 0; i < 3; ++i) {
    const Segment& s = gSegments[i];
    EXPECT_EQ(std::tie(s.color, s.a.color, s.a.x, s.a.y, s.b.x, s.b.y),
              std::make_tuple(RED, BLACK, ends[i][0], ends[i][1], ends[i][2], ends[i][3]));
  }
}

}  // namespace
