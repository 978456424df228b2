#include "geometry/segment_intersection.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

Segment seg(float ax, float ay, float bx, float by) {
  return makeSegment(makePoint(ax, ay), makePoint(bx, by));
}

struct IntersectionCase {
  const char* what;
  Segment s1, s2;
  int expected;
  Point at;  // the point written for result 1
};

TEST(IntersectSegments, ResultsAndPoints) {
  const IntersectionCase cases[] = {
      {"crossing diagonals", seg(0, 0, 2, 2), seg(0, 2, 2, 0), 1, {1, 1}},
      {"ends touch", seg(0, 0, 1, 0), seg(1, 0, 1, 1), 1, {1, 0}},
      {"lines cross beyond the first", seg(0, 0, 1, 0), seg(2, -1, 2, 1), 0, {}},
      {"lines cross beyond the second", seg(0, 0, 4, 0), seg(2, 1, 2, 3), 0, {}},
      {"parallel, distinct lines", seg(0, 0, 1, 0), seg(0, 1, 1, 1), 0, {}},
      {"collinear overlap", seg(0, 0, 2, 0), seg(1, 0, 3, 0), 2, {}},
      {"first ends where the second begins", seg(0, 0, 1, 0), seg(1, 0, 2, 0), 0, {}},
      {"second ends where the first begins", seg(1, 0, 2, 0), seg(0, 0, 1, 0), 2, {}},
      {"collinear apart", seg(0, 0, 1, 0), seg(2, 0, 3, 0), 0, {}},
      {"collinear, ends reversed", seg(2, 0, 0, 0), seg(3, 0, 1, 0), 2, {}},
      {"vertical overlap decided along y", seg(0, 0, 0, 2), seg(0, 1, 0, 3), 2, {}},
      {"vertical, apart along y", seg(0, 0, 0, 1), seg(0, 2, 0, 3), 0, {}},
      {"vertical, first ends where second begins", seg(0, 0, 0, 1), seg(0, 1, 0, 2), 0, {}},
      // A zero-length first segment is taken as vertical: the overlap is decided along y,
      // so against a horizontal segment it is 0 wherever the point lies.
      {"zero-length first segment off the line", seg(1, 1, 1, 1), seg(0, 0, 2, 0), 0, {}},
      {"zero-length first segment on the line", seg(1, 0, 1, 0), seg(0, 0, 2, 0), 0, {}},
      {"zero-length first segment on a vertical", seg(0, 1, 0, 1), seg(0, 0, 0, 2), 2, {}},
      {"zero-length second segment on the first", seg(0, 0, 2, 0), seg(1, 0, 1, 0), 2, {}},
      {"zero-length second segment off the line", seg(0, 0, 2, 0), seg(1, 1, 1, 1), 0, {}},
      // Computed from the first segment with u = 1/3 rounded to single precision; the
      // products stay double, so the point is 2^-25 above the x axis, not on it.
      {"vertical side through a vertex",
       seg(4, -1, 4, 2),
       seg(0, 0, 4, 0),
       1,
       {4, std::ldexp(1.0f, -25)}},
      {"the same, other side", seg(4, -1, 4, 2), seg(4, 0, 0, 4), 1, {4, std::ldexp(1.0f, -25)}},
  };
  for (const IntersectionCase& c : cases) {
    Point out = makePoint(-7, -7);
    out.color = MAGENTA;
    EXPECT_EQ(intersectSegments(c.s1, c.s2, &out), c.expected) << c.what;
    if (c.expected == 1) {
      EXPECT_EQ(out.x, c.at.x) << c.what;
      EXPECT_EQ(out.y, c.at.y) << c.what;
    } else {
      EXPECT_EQ(out.x, -7.0f) << c.what << ": nothing written";
      EXPECT_EQ(out.y, -7.0f) << c.what << ": nothing written";
    }
    EXPECT_EQ(out.color, MAGENTA) << c.what << ": the colour is never written";
  }
}

// The second segment runs from (-500, -t) to (500, t) through the origin, across the first,
// (0, 0)-(1, 0). Their angle is taken as parallel when sin^2 <= 1e-5 (in single precision),
// here when t <= 1.58115 or so; nearly parallel lines that close are taken as one line.
TEST(IntersectSegments, RelativeParallelTestAtItsThreshold) {
  struct Case {
    float t;
    int expected;
  };
  const Case cases[] = {{1.0f, 2}, {1.5811f, 2},  {1.5812f, 1},
                        {2.0f, 1}, {-1.5811f, 2}, {-1.5812f, 1}};
  for (const Case& c : cases) {
    Point out = makePoint(-7, -7);
    EXPECT_EQ(intersectSegments(seg(0, 0, 1, 0), seg(-500, -c.t, 500, c.t), &out), c.expected)
        << "t = " << c.t;
    if (c.expected == 1) {
      EXPECT_EQ(out.x, 0.0f);
      EXPECT_EQ(out.y, 0.0f);
    }
  }
}

// Scaling every coordinate alike does not change a decision of the parallel tests.
TEST(IntersectSegments, ParallelTestIsScaleFree) {
  for (float scale : {1e-6f, 1e-3f, 1.0f, 1e3f, 1e6f, 1e9f}) {
    Point out;
    EXPECT_EQ(
        intersectSegments(seg(0, 0, scale, 0),
                          seg(-500 * scale, -1.5811f * scale, 500 * scale, 1.5811f * scale), &out),
        2)
        << scale;
    EXPECT_EQ(
        intersectSegments(seg(0, 0, scale, 0),
                          seg(-500 * scale, -1.5812f * scale, 500 * scale, 1.5812f * scale), &out),
        1)
        << scale;
  }
}

// Near-parallel segments on distinct lines are apart, not overlapping.
TEST(IntersectSegments, NearlyParallelDistinctLines) {
  Point out;
  EXPECT_EQ(intersectSegments(seg(0, 0, 10, 0), seg(0, 1, 10, 1.001f), &out), 0);
  EXPECT_EQ(intersectSegments(seg(0, 0, 10, 0), seg(-5, 0.0001f, 15, 0.0002f), &out), 2);
}

// The ends of each segment that lie within the other, for segments on one line.
TEST(CollinearOverlapEnds, EndsWithinTheOther) {
  struct Case {
    const char* what;
    Segment s1, s2;
    std::vector<Point> ends;
  };
  const Case cases[] = {
      {"partial overlap", seg(0, 0, 2, 0), seg(1, 0, 3, 0), {{2, 0}, {1, 0}}},
      {"second inside the first", seg(0, 0, 4, 0), seg(3, 0, 1, 0), {{3, 0}, {1, 0}}},
      {"touching ends", seg(0, 0, 1, 0), seg(1, 0, 2, 0), {{1, 0}, {1, 0}}},
      {"apart", seg(0, 0, 1, 0), seg(2, 0, 3, 0), {}},
      {"vertical, measured along y", seg(4, 8, 4, 5), seg(4, 3, 4, 7), {{4, 5}, {4, 7}}},
      {"steep diagonal", seg(0, 0, 1, 3), seg(2, 6, 0.5f, 1.5f), {{1, 3}, {0.5f, 1.5f}}},
      {"first of no length", seg(1, 0, 1, 0), seg(0, 0, 2, 0), {{1, 0}, {1, 0}}},
  };
  for (const Case& c : cases) {
    Point ends[4];
    const int count = collinearOverlapEnds(c.s1, c.s2, ends);
    ASSERT_EQ(count, int(c.ends.size())) << c.what;
    for (int k = 0; k < count; ++k) {
      EXPECT_EQ(ends[k].x, c.ends[k].x) << c.what << " #" << k;
      EXPECT_EQ(ends[k].y, c.ends[k].y) << c.what << " #" << k;
    }
  }
}

}  // namespace
