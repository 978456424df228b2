#include "geometry/segment_intersection.h"

#include <utility>

namespace {

// Relative tolerance of the parallel tests, a single-precision constant.
constexpr float kParallelTolerance = 1e-5f;

// The same segment with x and y exchanged in both ends.
Segment transposed(Segment s) {
  std::swap(s.a.x, s.a.y);
  std::swap(s.b.x, s.b.y);
  return s;
}

// The same segment running from its lower to its higher x.
Segment increasingInX(Segment s) {
  if (s.a.x > s.b.x) std::swap(s.a, s.b);
  return s;
}

// Whether two segments taken as lying on one line overlap, decided along one axis: the
// first segment may end exactly where the second begins (no overlap), but not the reverse.
int collinearOverlap(Segment s1, Segment s2) {
  if (s1.a.x == s1.b.x) {
    s1 = transposed(s1);
    s2 = transposed(s2);
  }
  s1 = increasingInX(s1);
  s2 = increasingInX(s2);
  return (s1.a.x <= s2.b.x && s1.b.x > s2.a.x) ? 2 : 0;
}

}  // namespace

int intersectSegments(Segment s1, Segment s2, Point* out) {
  const float d1x = float(double(s1.b.x) - s1.a.x);
  const float d1y = float(double(s1.b.y) - s1.a.y);
  const double ex = double(s2.a.x) - s1.a.x;
  const double ey = double(s2.a.y) - s1.a.y;
  const double d2x = double(s2.b.x) - s2.a.x;
  const double d2y = double(s2.b.y) - s2.a.y;
  const float c1 = float(d1y * ex - d1x * ey);
  const float c2 = float(d2y * ex - d2x * ey);
  const float den = float(d1x * d2y - d1y * d2x);
  const float len1 = float(double(d1x) * d1x + double(d1y) * d1y);

  // The sines of the angles between the segments, squared, against the tolerance.
  if (double(den) * den > (d2x * d2x + d2y * d2y) * len1 * kParallelTolerance) {
    const double s = c1 / double(den);        // along the second segment
    const float u = float(c2 / double(den));  // along the first segment
    if (s < 0 || s > 1 || u < 0 || u > 1) return 0;
    out->x = float(double(d1x) * u + s1.a.x);
    out->y = float(double(d1y) * u + s1.a.y);
    return 1;
  }
  // Parallel: apart unless the second start lies on the first segment's line.
  if (double(c1) * c1 > (ex * ex + ey * ey) * len1 * kParallelTolerance) return 0;
  return collinearOverlap(s1, s2);
}
