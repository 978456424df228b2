#include "geometry/geometry.h"

#include <gtest/gtest.h>

namespace {

TEST(Records, StartBlackAtTheOrigin) {
  const Point p;
  EXPECT_EQ(p.x, 0.0f);
  EXPECT_EQ(p.y, 0.0f);
  EXPECT_EQ(p.color, BLACK);
  const Segment s;
  EXPECT_EQ(s.a.color, BLACK);
  EXPECT_EQ(s.b.color, BLACK);
  EXPECT_EQ(s.color, BLACK);
  EXPECT_EQ(s.b.x, 0.0f);
  EXPECT_EQ(int(BLACK), 9);
  EXPECT_EQ(int(RED), 0);
  EXPECT_EQ(int(PURPLE), 7);
}

TEST(Records, SegmentCopyKeepsEveryColour) {
  Segment s;
  s.a = {1.0f, 2.0f, GREEN};
  s.b = {3.0f, 4.0f, CYAN};
  s.color = ORANGE;
  const Segment copy = s;
  EXPECT_EQ(copy.a.color, GREEN);
  EXPECT_EQ(copy.b.color, CYAN);
  EXPECT_EQ(copy.color, ORANGE);
  EXPECT_EQ(copy.b.y, 4.0f);
}

TEST(Records, MakeSegmentTakesOnlyCoordinates) {
  const Segment s = makeSegment({1.0f, 2.0f, RED}, {3.0f, 4.0f, BLUE});
  EXPECT_EQ(s.a.color, BLACK);
  EXPECT_EQ(s.b.color, BLACK);
  EXPECT_EQ(s.a.x, 1.0f);
  EXPECT_EQ(s.b.y, 4.0f);
}

}  // namespace
