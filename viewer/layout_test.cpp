#include "viewer/layout.h"

#include <gtest/gtest.h>

namespace {

LabelBox box(double left, double bottom, double width, double height) {
  return {0, 0, 0, 0, width, height, left, bottom};
}

// A side passes through a box, or near it within the pad; one beside it or short of it does not.
TEST(Layout, SegmentsAgainstABox) {
  const LabelBox b = box(10, 10, 20, 10);  // x 10..30, y 10..20
  const struct {
    Vec a, b;
    double pad;
    bool meets;
  } cases[] = {
      {{0, 0}, {40, 30}, 0, true},    // across it
      {{0, 15}, {5, 15}, 6, true},    // short of it, within the pad
      {{0, 25}, {40, 25}, 4, false},  // above it, beyond the pad
      {{20, 0}, {20, 40}, 0, true},   // upright through it
      {{15, 15}, {15, 15}, 0, true},  // a point inside
      {{60, 0}, {0, 60}, 0, false},   // past the corner
  };
  for (const auto& c : cases) {
    EXPECT_EQ(segmentMeetsBox(c.a, c.b, b, c.pad), c.meets) << c.a.x << " " << c.a.y;
  }
}

// The first place clear of the drawing is taken; none where every place meets it.
TEST(Layout, FirstClearPlace) {
  const LabelBox places[] = {box(0, 0, 10, 10), box(90, 0, 10, 10), box(90, 90, 10, 10)};
  const Vec across[][2] = {{{5, -5}, {5, 50}}, {{95, 50}, {95, 50}}};
  EXPECT_EQ(clearPlace(places, 3, across, 1, 0), 1);
  EXPECT_EQ(clearPlace(places, 3, across, 2, 0), 1);
  const Vec everywhere[][2] = {{{0, 0}, {100, 100}}, {{100, 0}, {95, 5}}};
  EXPECT_EQ(clearPlace(places, 3, everywhere, 2, 0), -1);
  EXPECT_TRUE(meetsAny(box(5, 5, 10, 10), places, 3));
  EXPECT_FALSE(meetsAny(box(10, 0, 80, 10), places, 3)) << "edges touch only";
}

}  // namespace
