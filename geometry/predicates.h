// The two turn and containment predicates. They answer with small codes, not booleans.
#pragma once

#include "geometry/geometry.h"

// Turn of p -> q -> r: 1 clockwise (r right of p->q), 0 counter-clockwise, -1 collinear.
inline int orientation(Point p, Point q, Point r) {
  // The cross product stays in double: its sign is the turn.
  const double cross =
      (double(r.y) - p.y) * (double(q.x) - p.x) - (double(q.y) - p.y) * (double(r.x) - p.x);
  // 1 below zero, 0 above, -1 at zero (or NaN): without branching on the data.
  return int(cross < 0) - int(!(cross < 0) & !(cross > 0));
}

// Where p lies against triangle a, b, c: 1 strictly inside a counter-clockwise triangle,
// 2 on the line through one of its sides, 0 otherwise (a clockwise triangle has no inside).
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

inline int pointInTriangle(Point a, Point b, Point c, Point p) {
  const SideAreas d = sideAreas(a, b, c, p);
  if (d.onSideLine()) return 2;
  if (d.outside()) return 0;
  return 1;
}
