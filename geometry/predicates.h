// The two turn and containment predicates. They answer with small codes, not booleans.
#pragma once

#include "geometry/geometry.h"

// Turn of p -> q -> r: 1 clockwise (r right of p->q), 0 counter-clockwise, -1 collinear.
int orientation(Point p, Point q, Point r);

// Where p lies against triangle a, b, c: 1 strictly inside a counter-clockwise triangle,
// 2 on the line through one of its sides, 0 otherwise (a clockwise triangle has no inside).
int pointInTriangle(Point a, Point b, Point c, Point p);
