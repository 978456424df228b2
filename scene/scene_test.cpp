#include "scene/scene.h"

#include <gtest/gtest.h>

namespace {

class SceneTest : public ::testing::Test {
 protected:
  void SetUp() override { resetScene(); }
};

struct BoxCase {
  const char* what;
  Point added;
  Point min, max;
};

// The box starts at (1024, 700)-(0, 0), not empty: it spans from the smaller of the start
// value and the least coordinate to the larger of 0 and the greatest coordinate.
TEST_F(SceneTest, BoxGrowsFromItsStartCorners) {
  const BoxCase cases[] = {
      {"a point inside the start box", {10, 20}, {10, 20}, {10, 20}},
      {"a point beyond the window size", {2000, 900}, {1024, 700}, {2000, 900}},
      {"a point below the origin", {-5, -3}, {-5, -3}, {0, 0}},
      {"the origin", {0, 0}, {0, 0}, {0, 0}},
      {"the start corner itself", {1024, 700}, {1024, 700}, {1024, 700}},
  };
  for (const BoxCase& c : cases) {
    resetScene();
    EXPECT_EQ(gMinCorner.x, 1024.0f);
    EXPECT_EQ(gMinCorner.y, 700.0f);
    EXPECT_EQ(gMaxCorner.x, 0.0f);
    EXPECT_EQ(gMaxCorner.y, 0.0f);
    addPoint(c.added, RED);
    EXPECT_EQ(gMinCorner.x, c.min.x) << c.what;
    EXPECT_EQ(gMinCorner.y, c.min.y) << c.what;
    EXPECT_EQ(gMaxCorner.x, c.max.x) << c.what;
    EXPECT_EQ(gMaxCorner.y, c.max.y) << c.what;
  }
}

TEST_F(SceneTest, PointTakesTheGivenColour) {
  addPoint({3, 4, BLUE}, RED);
  ASSERT_EQ(gPoints.size(), 1u);
  EXPECT_EQ(gPoints[0].color, RED);
  EXPECT_EQ(gPoints[0].x, 3.0f);
}

TEST_F(SceneTest, SegmentTakesTheGivenColourAndKeepsItsEnds) {
  Segment s = makeSegment({-2, 5}, {7, -9});
  s.a.color = GREEN;
  addSegment(s, CYAN);
  ASSERT_EQ(gSegments.size(), 1u);
  EXPECT_EQ(gSegments[0].color, CYAN);
  EXPECT_EQ(gSegments[0].a.color, GREEN);
  EXPECT_EQ(gSegments[0].b.color, BLACK);
  EXPECT_EQ(gMinCorner.x, -2.0f);
  EXPECT_EQ(gMinCorner.y, -9.0f);
  EXPECT_EQ(gMaxCorner.x, 7.0f);
  EXPECT_EQ(gMaxCorner.y, 5.0f);
}

TEST_F(SceneTest, PolygonOutlineIsClosedAndRed) {
  const Point ring[] = {{1, 1, GREEN}, {3, 1}, {1, 3}, {1, 1}};
  addPolygonOutline(ring, 3);
  ASSERT_EQ(gSegments.size(), 3u);
  const float ends[3][4] = {{1, 1, 3, 1}, {3, 1, 1, 3}, {1, 3, 1, 1}};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(gSegments[i].color, RED);
    EXPECT_EQ(gSegments[i].a.color, BLACK) << "only coordinates are taken";
    EXPECT_EQ(gSegments[i].a.x, ends[i][0]);
    EXPECT_EQ(gSegments[i].a.y, ends[i][1]);
    EXPECT_EQ(gSegments[i].b.x, ends[i][2]);
    EXPECT_EQ(gSegments[i].b.y, ends[i][3]);
  }
  addPolygonOutline(ring, 0);
  addPolygonOutline(ring, -1);
  EXPECT_EQ(gSegments.size(), 3u);
}

TEST_F(SceneTest, ListsKeepInsertionOrder) {
  for (int i = 0; i < 5; ++i) addPoint(makePoint(float(i), 0), BLACK);
  ASSERT_EQ(gPoints.size(), 5u);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(gPoints[i].x, float(i));
  EXPECT_TRUE(gLines.empty());
  EXPECT_TRUE(gCircles.empty());
}

}  // namespace
