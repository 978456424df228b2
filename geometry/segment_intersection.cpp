#include "geometry/segment_intersection.h"

#include <cmath>
#include <utility>

#include "geometry/predicates.h"

namespace {

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

}  // namespace

int collinearOverlap(Segment s1, Segment s2) {
  if (s1.a.x == s1.b.x) {
    s1 = transposed(s1);
    s2 = transposed(s2);
  }
  s1 = increasingInX(s1);
  s2 = increasingInX(s2);
  return (s1.a.x <= s2.b.x && s1.b.x > s2.a.x) ? 2 : 0;
}

int intersectSegments(Segment s1, Segment s2, Point* out) {
  const FirstSegment f = asFirst(s1);
  const SecondSegment g = asSecond(s2);
  const float den = directionCross(f, g);
  if (nearlyParallel(den, f, g)) return parallelOverlap(f, g);
  const EndTurns turns = {turnSign(s2.a, s2.b, s1.a), turnSign(s2.a, s2.b, s1.b),
                          turnSign(s1.a, s1.b, s2.a), turnSign(s1.a, s1.b, s2.b)};
  if (!segmentsMeet(turns)) return 0;
  const Point at = meetingPoint(f, g, den, turns);
  out->x = at.x;
  out->y = at.y;
  return 1;
}

int collinearOverlapEnds(Segment s1, Segment s2, Point ends[4]) {
  const Segment along = (s1.a.x == s1.b.x && s1.a.y == s1.b.y) ? s2 : s1;
  const bool alongY =
      std::fabs(double(along.b.y) - along.a.y) > std::fabs(double(along.b.x) - along.a.x);
  auto at = [alongY](Point p) { return alongY ? p.y : p.x; };
  int count = 0;
  for (Point end : {s1.a, s1.b}) {
    if (inRange(at(end), at(s2.a), at(s2.b))) ends[count++] = end;
  }
  for (Point end : {s2.a, s2.b}) {
    if (inRange(at(end), at(s1.a), at(s1.b))) ends[count++] = end;
  }
  return count;
}
