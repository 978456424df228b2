// Where two closed segments meet.
#pragma once

#include <algorithm>

#include "geometry/geometry.h"

// Relative tolerance of the parallel tests, a single-precision constant.
constexpr float kParallelTolerance = 1e-5f;

// A segment as the first of a pair: its ends, its direction and squared length, rounded to
// single precision and held in doubles, the precision they are used in.
struct FirstSegment {
  float ax, ay, bx, by;
  double dx, dy;
  double length2;
  Point a() const { return makePoint(ax, ay); }
  Point b() const { return makePoint(bx, by); }
  Segment segment() const { return makeSegment(a(), b()); }
};

// A segment as the second of a pair: its ends, its direction and squared length, double
// precision.
struct SecondSegment {
  float ax, ay, bx, by;
  double dx, dy;
  double length2;
  Point a() const { return makePoint(ax, ay); }
  Point b() const { return makePoint(bx, by); }
  Segment segment() const { return makeSegment(a(), b()); }
};

inline FirstSegment asFirst(Segment s) {
  const double dx = float(double(s.b.x) - s.a.x);
  const double dy = float(double(s.b.y) - s.a.y);
  return {s.a.x, s.a.y, s.b.x, s.b.y, dx, dy, float(dx * dx + dy * dy)};
}

inline SecondSegment asSecond(Segment s) {
  const double dx = double(s.b.x) - s.a.x;
  const double dy = double(s.b.y) - s.a.y;
  return {s.a.x, s.a.y, s.b.x, s.b.y, dx, dy, dx * dx + dy * dy};
}

// The cross product of the two directions, rounded to single precision.
inline float directionCross(const FirstSegment& f, const SecondSegment& g) {
  return float(f.dx * g.dy - f.dy * g.dx);
}

// Whether f and g are parallel within the tolerance: the square of the sine of their angle,
// den^2 / (|f|^2 |g|^2), is at most 1e-5.
inline bool nearlyParallel(float den, const FirstSegment& f, const SecondSegment& g) {
  return !(double(den) * den > g.length2 * f.length2 * kParallelTolerance);
}

// Whether two segments taken as lying on one line overlap, decided along one axis: the
// first segment may end exactly where the second begins (no overlap), but not the reverse.
// 2 when they overlap, 0 otherwise.
int collinearOverlap(Segment s1, Segment s2);

// For nearly parallel f and g: 2 when they are taken as one line and overlap, 0 otherwise.
inline int parallelOverlap(const FirstSegment& f, const SecondSegment& g) {
  const double ex = double(g.ax) - f.ax;
  const double ey = double(g.ay) - f.ay;
  const float c1 = float(f.dy * ex - f.dx * ey);
  // Apart unless the start of g lies on the line of f, within the tolerance.
  if (double(c1) * c1 > (ex * ex + ey * ey) * f.length2 * kParallelTolerance) return 0;
  return collinearOverlap(f.segment(), g.segment());
}

// The turns of each segment's ends about the other one's line (+1 left, -1 right, 0 on it):
// f's ends about g, then g's ends about f.
struct EndTurns {
  int fa, fb, ga, gb;
};

// Whether two segments meet: unless both ends of one lie strictly on one side of the other's
// line. Where all four ends lie on one line, whether they overlap is another question.
inline bool segmentsMeet(EndTurns t) {
  return t.fa * t.fb <= 0 && t.ga * t.gb <= 0;
}

// Where the line of g crosses f: along f, with the parameter rounded to single precision and
// held within f.
inline Point crossingAlong(const FirstSegment& f, const SecondSegment& g, float den) {
  const double ex = double(g.ax) - f.ax;
  const double ey = double(g.ay) - f.ay;
  const float c2 = float(g.dy * ex - g.dx * ey);
  const float u = std::min(std::max(float(c2 / double(den)), 0.0f), 1.0f);
  return makePoint(float(f.dx * u + f.ax), float(f.dy * u + f.ay));
}

// Whether the four ends lie on one line.
inline bool allOnOneLine(EndTurns t) {
  return (t.fa | t.fb | t.ga | t.gb) == 0;
}

// Where the lines through a, b and through c, d cross, exactly, each coordinate rounded to the
// nearest float. The lines must not be parallel.
Point exactCrossing(Point a, Point b, Point c, Point d);

// Where segments that meet in one point do so: an end lying on the other's line is the point
// itself; otherwise the crossing along f, or, where f and g are nearly parallel (`shallow`) and
// that formula loses the point, the exact crossing rounded.
inline Point meetingPoint(const FirstSegment& f, const SecondSegment& g, float den, EndTurns t,
                          bool shallow) {
  if (t.fa == 0) return f.a();
  if (t.fb == 0) return f.b();
  if (t.ga == 0) return g.a();
  if (t.gb == 0) return g.b();
  if (shallow) return exactCrossing(f.a(), f.b(), g.a(), g.b());
  return crossingAlong(f, g, den);
}

// Whether v lies in the closed range between a and b.
inline bool inRange(float v, float a, float b) {
  return (a <= v && v <= b) || (b <= v && v <= a);
}

// Whether p, lying on the line of s, lies within s: between its ends on both axes.
inline bool withinSegment(Point p, Segment s) {
  return inRange(p.x, s.a.x, s.b.x) && inRange(p.y, s.a.y, s.b.y);
}

// 1: the segments meet in one point, written to *out (coordinates only);
// 2: they lie on one line and overlap; 0: otherwise. *out is written only for 1.
int intersectSegments(Segment s1, Segment s2, Point* out);

// For two segments lying on one line: the ends of each that lie within the other, measured
// along the axis on which the first (or, if it has no length, the second) extends further.
// Writes up to four points to ends (repeats possible) and returns their number.
int collinearOverlapEnds(Segment s1, Segment s2, Point ends[4]);
