#include "geometry/segment_intersection.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

Segment seg(float ax, float ay, float bx, float by) {
  return makeSegment(makePoint(ax, ay), makePoint(bx, by));
}

TEST(IntersectSegments, ResultsAndPoints) {
  const struct {
    const char* what;
    Segment s1, s2;
    int expected;
    Point at;  // the point written for result 1
  } cases[] = {
      {"ends touch", seg(0, 0, 1, 0), seg(1, 0, 1, 1), 1, {1, 0}},
      {"lines cross beyond the first", seg(0, 0, 1, 0), seg(2, -1, 2, 1), 0, {}},
      {"lines cross beyond the second", seg(0, 0, 4, 0), seg(2, 1, 2, 3), 0, {}},
      {"parallel, distinct lines", seg(0, 0, 1, 0), seg(0, 1, 1, 1), 0, {}},
      {"collinear overlap", seg(0, 0, 2, 0), seg(1, 0, 3, 0), 2, {}},
      {"first ends where the second begins", seg(0, 0, 1, 0), seg(1, 0, 2, 0), 0, {}},
      {"second ends where the first begins", seg(1, 0, 2, 0), seg(0, 0, 1, 0), 2, {}},
      {"vertical overlap decided along y", seg(0, 0, 0, 2), seg(0, 1, 0, 3), 2, {}},
      {"zero-length first, taken as vertical", seg(1, 0, 1, 0), seg(0, 0, 2, 0), 0, {}},
      // Within the parallel tolerance, but crossing exactly: the exact crossing, rounded.
      {"nearly parallel, crossing off the float grid",
       seg(3, -2, 60, 41),
       seg(2, -3, 56, 38),
       1,
       {52.4f, 0x1.1a2222p+5f}},
      {"nearly parallel, lines crossing beyond the first",
       seg(0, 0, 20, 19),
       seg(0, 1, 19, 19),
       0,
       {}},
      {"nearly parallel, taken as one line", seg(0, 0, 1000, 1), seg(1, 0, 2000, 2), 2, {}},
      // The vertex (4, 0) lies on the first side's line: the crossing is that vertex, not the
      // point computed along the first side with u = 1/3 in single precision, (4, 2^-25).
      {"a side through a vertex", seg(4, -1, 4, 2), seg(0, 0, 4, 0), 1, {4, 0}},
      {"an end of the first on the second", seg(1, 1, 5, 3), seg(0, 2, 2, 0), 1, {1, 1}},
      // Computed along the first, its end would come out as 3.2999997.
      {"the first's end on the second's line",
       seg(1.1f, 0, 3.3f, 0),
       seg(3.3f, -1, 3.3f, 1),
       1,
       {3.3f, 0}},
      {"rounded along the first",
       seg(0, -1, 3, 2),
       seg(0, 0, 4, 0),
       1,
       {1, float(double(3.0f) * float(1.0 / 3) - 1)}},
      // The second begins far away: its offset from the first's start is held in double.
      {"far from the second's start",
       seg(-1.048f, 0.177f, -0.52f, 0.416f),
       seg(251.4f, -868.9f, -253, 869.5f),
       1,
       {-0x1.98314p-1f, 0x1.29795ep-2f}},
  };
  for (const auto& c : cases) {
    Point out = {-7, -7, MAGENTA};
    EXPECT_EQ(intersectSegments(c.s1, c.s2, &out), c.expected) << c.what;
    const Point want = c.expected == 1 ? Point{c.at.x, c.at.y, MAGENTA} : Point{-7, -7, MAGENTA};
    EXPECT_EQ(std::tie(out.x, out.y, out.color), std::tie(want.x, want.y, want.color)) << c.what;
  }
}

}  // namespace
