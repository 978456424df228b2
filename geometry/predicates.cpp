#include "geometry/predicates.h"

int orientation(Point p, Point q, Point r) {
  // The cross product stays in double: its sign is the turn.
  const double cross =
      (double(r.y) - p.y) * (double(q.x) - p.x) - (double(q.y) - p.y) * (double(r.x) - p.x);
  if (cross < 0) return 1;
  if (cross > 0) return 0;
  return -1;
}

int pointInTriangle(Point a, Point b, Point c, Point p) {
  // Vertices seen from p; the third one is held in single precision.
  const double ax = double(a.x) - p.x;
  const double ay = double(a.y) - p.y;
  const double bx = double(b.x) - p.x;
  const double by = double(b.y) - p.y;
  const float cx = float(double(c.x) - p.x);
  const float cy = float(double(c.y) - p.y);
  // Twice the signed areas of the three triangles that p makes with the sides.
  const float d1 = float(ax * by - ay * bx);
  const float d2 = float(bx * cy - by * cx);
  const float d3 = float(cx * ay - cy * ax);
  if (d1 == 0 || d2 == 0 || d3 == 0) return 2;
  if (d1 < 0 || d2 < 0 || d3 < 0) return 0;
  return 1;
}
