// Puts the vertices of a convex polygon, given in any order, into boundary order.
#pragma once

#include "geometry/geometry.h"

// Orders pts[0..count) counter-clockwise into out, closed by a copy of its first vertex, and
// returns the number of vertices m. out needs room for count + 1 points; count is at most 15.
// Points on one line give the two outermost (the lower index first), m = 2; points not in
// convex position still give a ring of at most count vertices.
int orderConvexPolygon(const Point pts[], Point out[], int count);
