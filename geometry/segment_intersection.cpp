#include "geometry/segment_intersection.h"

#include <cmath>
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
    // The parameter along the second segment, c1 / den, must lie in [0, 1]; the quotient of
    // two floats is decided by their signs and magnitudes without dividing.
    if ((c1 < 0 && den > 0) || (c1 > 0 && den < 0) || std::fabs(c1) > std::fabs(den)) return 0;
    const float u = float(c2 / double(den));  // along the first segment
    if (u < 0 || u > 1) return 0;
    out->x = float(double(d1x) * u + s1.a.x);
    out->y = float(double(d1y) * u + s1.a.y);
    return 1;
  }
  // Parallel: apart unless the second start lies on the first segment's line.
  if (double(c1) * c1 > (ex * ex + ey * ey) * len1 * kParallelTolerance) return 0;
  return collinearOverlap(s1, s2);
}

namespace {

// Whether v lies in the closed range between a and b.
bool within(float v, float a, float b) {
  return (a <= v && v <= b) || (b <= v && v <= a);
}

}  // namespace

int collinearOverlapEnds(Segment s1, Segment s2, Point ends[4]) {
  const Segment along = (s1.a.x == s1.b.x && s1.a.y == s1.b.y) ? s2 : s1;
  const bool alongY =
      std::fabs(double(along.b.y) - along.a.y) > std::fabs(double(along.b.x) - along.a.x);
  auto at = [alongY](Point p) { return alongY ? p.y : p.x; };
  int count = 0;
  for (Point end : {s1.a, s1.b}) {
    if (within(at(end), at(s2.a), at(s2.b))) ends[count++] = end;
  }
  for (Point end : {s2.a, s2.b}) {
    if (within(at(end), at(s1.a), at(s1.b))) ends[count++] = end;
  }
  return count;
}
