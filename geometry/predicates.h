// Turns of three points, and where a point lies against a triangle.
//
// A turn is the sign of twice the signed area of a, b, c: +1 where c lies left of the directed
// line a -> b (counter-clockwise), -1 right of it (clockwise), 0 on it, or where a value is not
// finite. The program decides every turn exactly: the double value's sign where that is sure,
// an exact sum otherwise.
#pragma once

#include <cmath>

#include "geometry/geometry.h"

// A point widened to double precision, the form in which turns are computed.
struct Vec {
  double x, y;
};

inline Vec widen(Point p) {
  return {double(p.x), double(p.y)};
}

// Relative error bound of a turn's double value left - right, with left and right the two
// rounded products: Shewchuk's orient2d bound (3 + 16 eps) eps, eps = 2^-53 ("Adaptive Precision
// Floating-Point Arithmetic and Fast Robust Geometric Predicates", 1997, ccwerrboundA).
constexpr double kTurnErrorBound = 3.0 * 0x1p-53 + 16.0 * 0x1p-106;

// Whether the double value left - right of a turn has the exact value's sign: it lies beyond
// its rounding error.
inline bool signIsSure(double left, double right) {
  return std::fabs(left - right) > kTurnErrorBound * (std::fabs(left) + std::fabs(right));
}

// The exact turn of a, b, c, however close to zero.
int exactTurnSign(Vec a, Vec b, Vec c);

// The turn of a, b, c: from the double value where its sign is sure, exact otherwise.
inline int turnSign(Vec a, Vec b, Vec c) {
  const double left = (b.x - a.x) * (c.y - a.y);
  const double right = (b.y - a.y) * (c.x - a.x);
  if (!signIsSure(left, right)) return exactTurnSign(a, b, c);
  return int(left > right) - int(left < right);
}

inline int turnSign(Point a, Point b, Point c) {
  return turnSign(widen(a), widen(b), widen(c));
}

// The two predicates in the codes the program has always used; the solver itself works with
// turnSign.

// The turn of p, q, r as a code: 1 clockwise, 0 counter-clockwise, -1 on one line.
inline int orientation(Point p, Point q, Point r) {
  const int sign = turnSign(p, q, r);
  return int(sign < 0) - int(sign == 0);
}

// Where p lies against triangle a, b, c by the rounded areas the program has always used: 1
// strictly inside a counter-clockwise triangle, 2 on the line through one of its sides, 0
// otherwise (a clockwise triangle has no inside). Within rounding of a side it may answer 1 for
// a point outside; the solver asks exact turns instead.
inline int pointInTriangle(Point a, Point b, Point c, Point p) {
  const double ax = double(a.x) - p.x;
  const double ay = double(a.y) - p.y;
  const double bx = double(b.x) - p.x;
  const double by = double(b.y) - p.y;
  const float cx = float(double(c.x) - p.x);
  const float cy = float(double(c.y) - p.y);
  const float d1 = float(ax * by - ay * bx), d2 = float(bx * cy - by * cx),
              d3 = float(cx * ay - cy * ax);
  if (d1 == 0 || d2 == 0 || d3 == 0) return 2;
  if (d1 < 0 || d2 < 0 || d3 < 0) return 0;
  return 1;
}
