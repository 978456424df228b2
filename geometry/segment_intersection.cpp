#include "geometry/segment_intersection.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <utility>

#include "geometry/expansion.h"
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

// Whether a float's last significand bit is clear.
bool evenSignificand(float v) {
  std::uint32_t bits;
  std::memcpy(&bits, &v, sizeof bits);
  return (bits & 1) == 0;
}

// Whether num / den lies nearer to the neighbour than to r, a float next to it: beyond their
// midpoint, which doubles hold exactly, or on it with the neighbour's last bit clear.
bool nearerTo(float neighbour, float r, const Expansion<128>& num, const Expansion<16>& den) {
  Expansion<128> beyond = num;  // num - den * midpoint
  beyond.addScaled(den, -((double(neighbour) + r) / 2));
  const int side = beyond.sign() * den.sign(), towards = neighbour > r ? 1 : -1;
  return side == towards || (side == 0 && evenSignificand(neighbour));
}

// num / den rounded to the nearest float, ties to even. The quotient of the two sums' estimates
// lands on that float or next to it; each step towards it is decided exactly.
float roundedQuotient(const Expansion<128>& num, const Expansion<16>& den) {
  float r = float(num.estimate() / den.estimate());
  while (nearerTo(std::nextafter(r, -HUGE_VALF), r, num, den)) r = std::nextafter(r, -HUGE_VALF);
  while (nearerTo(std::nextafter(r, HUGE_VALF), r, num, den)) r = std::nextafter(r, HUGE_VALF);
  return r + 0.0f;  // no -0
}

// One coordinate of start + step * along / den, rounded to the nearest float.
float crossingCoordinate(double start, const double step[2], const Expansion<16>& den,
                         const Expansion<16>& along) {
  Expansion<128> num;
  num.addScaled(den, start);
  num.addProductOf(step, along);
  return roundedQuotient(num, den);
}

}  // namespace

Point exactCrossing(Point a, Point b, Point c, Point d) {
  // a + t (b - a) with t = ((c - a) x (d - c)) / ((b - a) x (d - c)), every difference exact.
  double ux[2], uy[2], vx[2], vy[2], wx[2], wy[2];
  exactDifference(b.x, a.x, ux);
  exactDifference(b.y, a.y, uy);
  exactDifference(d.x, c.x, vx);
  exactDifference(d.y, c.y, vy);
  exactDifference(c.x, a.x, wx);
  exactDifference(c.y, a.y, wy);
  const Expansion<16> den = exactCross(ux, uy, vx, vy);
  const Expansion<16> along = exactCross(wx, wy, vx, vy);
  return makePoint(crossingCoordinate(a.x, ux, den, along),
                   crossingCoordinate(a.y, uy, den, along));
}

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
  const bool shallow = nearlyParallel(den, f, g);
  const EndTurns turns = {turnSign(s2.a, s2.b, s1.a), turnSign(s2.a, s2.b, s1.b),
                          turnSign(s1.a, s1.b, s2.a), turnSign(s1.a, s1.b, s2.b)};
  // Nearly parallel sides that the exact turns find crossing at one point cross there.
  if (shallow && (!segmentsMeet(turns) || allOnOneLine(turns))) return parallelOverlap(f, g);
  if (!segmentsMeet(turns)) return 0;
  const Point at = meetingPoint(f, g, den, turns, shallow);
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
