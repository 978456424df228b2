// The turn and containment predicates. They answer with small codes, not booleans.
#pragma once

#include <cmath>

#include "geometry/geometry.h"

// A point widened to double precision, the form in which the predicates compute.
struct Vec {
  double x, y;
};

inline Vec widen(Point p) {
  return {double(p.x), double(p.y)};
}

// Relative error bound of the turn's double value: below it, the sign needs exact arithmetic.
constexpr double kTurnErrorBound = 3.0 * 0x1p-53 + 16.0 * 0x1p-106;

// The turn of a and b seen from o: twice the signed area of o, a, b in double precision, and
// its exact sign (+1 counter-clockwise, -1 clockwise, 0 on one line or where a value is not
// finite).
struct Turn {
  double det;
  int sign;
};

// The exact sign of (a - o) x (b - o), however close to zero.
int exactTurnSign(Vec o, Vec a, Vec b);

// Whether the double value left - right of a turn has the sign of the exact value: it lies
// beyond its rounding error.
inline bool signIsSure(double left, double right) {
  return std::fabs(left - right) > kTurnErrorBound * (std::fabs(left) + std::fabs(right));
}

// The turn whose double value is left - right, with the sign of that value.
inline Turn quickTurn(double left, double right) {
  const double det = left - right;
  return {det, int(det > 0) - int(det < 0)};
}

inline Turn turnAbout(Vec o, Vec a, Vec b) {
  const double left = (a.x - o.x) * (b.y - o.y);
  const double right = (a.y - o.y) * (b.x - o.x);
  if (signIsSure(left, right)) return quickTurn(left, right);
  return {left - right, exactTurnSign(o, a, b)};
}

// Exact sign of the turn a -> b -> c: +1 when c lies left of a->b, -1 right, 0 on the line.
inline int turnSign(Point a, Point b, Point c) {
  return turnAbout(widen(a), widen(b), widen(c)).sign;
}

// Turn of p -> q -> r: 1 clockwise (r right of p->q), 0 counter-clockwise, -1 collinear.
inline int orientation(Point p, Point q, Point r) {
  const int sign = turnSign(p, q, r);
  return int(sign < 0) - int(sign == 0);
}

// Twice the signed areas of the triangles that p makes with the sides of a, b, c, rounded as
// pointInTriangle rounds them.
struct SideAreas {
  float d1, d2, d3;
  // p lies on the line through a side.
  bool onSideLine() const { return (d1 == 0) | (d2 == 0) | (d3 == 0); }
  // p lies strictly right of a side.
  bool outside() const { return (d1 < 0) | (d2 < 0) | (d3 < 0); }
  // pointInTriangle would answer 1.
  bool inside() const { return !onSideLine() && !outside(); }
};

inline SideAreas sideAreas(Point a, Point b, Point c, Point p) {
  // Vertices seen from p; the third one is held in single precision.
  const double ax = double(a.x) - p.x;
  const double ay = double(a.y) - p.y;
  const double bx = double(b.x) - p.x;
  const double by = double(b.y) - p.y;
  const float cx = float(double(c.x) - p.x);
  const float cy = float(double(c.y) - p.y);
  return {float(ax * by - ay * bx), float(bx * cy - by * cx), float(cx * ay - cy * ax)};
}

// Where p lies against triangle a, b, c: 1 strictly inside a counter-clockwise triangle,
// 2 on the line through one of its sides, 0 otherwise (a clockwise triangle has no inside).
inline int pointInTriangle(Point a, Point b, Point c, Point p) {
  const SideAreas d = sideAreas(a, b, c, p);
  if (d.onSideLine()) return 2;
  if (d.outside()) return 0;
  return 1;
}
