// Where two closed segments meet.
#pragma once

#include <cmath>

#include "geometry/geometry.h"

// Relative tolerance of the parallel tests, a single-precision constant.
constexpr float kParallelTolerance = 1e-5f;

// A segment as the first of a pair: its direction and squared length, single precision.
struct FirstSegment {
  Segment segment;
  float dx, dy;
  float length2;
};

// A segment as the second of a pair: its direction and squared length, double precision.
struct SecondSegment {
  Segment segment;
  double dx, dy;
  double length2;
};

inline FirstSegment asFirst(Segment s) {
  const float dx = float(double(s.b.x) - s.a.x);
  const float dy = float(double(s.b.y) - s.a.y);
  return {s, dx, dy, float(double(dx) * dx + double(dy) * dy)};
}

inline SecondSegment asSecond(Segment s) {
  const double dx = double(s.b.x) - s.a.x;
  const double dy = double(s.b.y) - s.a.y;
  return {s, dx, dy, dx * dx + dy * dy};
}

// Whether two segments taken as lying on one line overlap, decided along one axis: the
// first segment may end exactly where the second begins (no overlap), but not the reverse.
// 2 when they overlap, 0 otherwise.
int collinearOverlap(Segment s1, Segment s2);

// Where segments f and g meet; see intersectSegments.
inline int intersectPrepared(const FirstSegment& f, const SecondSegment& g, Point* out) {
  const double ex = double(g.segment.a.x) - f.segment.a.x;
  const double ey = double(g.segment.a.y) - f.segment.a.y;
  const float c1 = float(f.dy * ex - f.dx * ey);
  const float c2 = float(g.dy * ex - g.dx * ey);
  const float den = float(f.dx * g.dy - f.dy * g.dx);

  // The sines of the angles between the segments, squared, against the tolerance.
  if (!(double(den) * den > g.length2 * f.length2 * kParallelTolerance)) {
    // Parallel: apart unless the start of g lies on the line of f.
    if (double(c1) * c1 > (ex * ex + ey * ey) * f.length2 * kParallelTolerance) return 0;
    return collinearOverlap(f.segment, g.segment);
  }
  // The parameters along g, c1 / den, and along f, u, must both lie in [0, 1]. The first is
  // decided by the signs and magnitudes of the two floats, without dividing.
  const bool onG =
      !((c1 < 0) & (den > 0)) & !((c1 > 0) & (den < 0)) & !(std::fabs(c1) > std::fabs(den));
  const float u = float(c2 / double(den));
  const bool onF = !(u < 0) & !(u > 1);
  if (!(onG & onF)) return 0;
  out->x = float(double(f.dx) * u + f.segment.a.x);
  out->y = float(double(f.dy) * u + f.segment.a.y);
  return 1;
}

// 1: the segments meet in one point, written to *out (coordinates only);
// 2: they lie on one line and overlap; 0: otherwise. *out is written only for 1.
inline int intersectSegments(Segment s1, Segment s2, Point* out) {
  return intersectPrepared(asFirst(s1), asSecond(s2), out);
}

// For two segments lying on one line: the ends of each that lie within the other, measured
// along the axis on which the first (or, if it has no length, the second) extends further.
// Writes up to four points to ends (repeats possible) and returns their number.
int collinearOverlapEnds(Segment s1, Segment s2, Point ends[4]);
