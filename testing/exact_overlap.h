// The overlap of two closed triangles in exact arithmetic (CGAL's exact kernel), and whether
// what the program prints is that overlap, to the printed digit.
#pragma once

#include <string>
#include <vector>

#include "geometry/geometry.h"

// The vertices of the exact overlap of t1 and t2 (triangles with no area taken as the
// segment or point they are), rounded once to double: none when they do not meet, one for a
// point, two for a segment, the polygon's otherwise.
struct XY {
  double x, y;
};
std::vector<XY> exactOverlap(const Point t1[3], const Point t2[3]);

// Whether a side of t1 and a side of t2 are parallel within the program's tolerance (the
// square of the sine of their angle at most 1e-5) without being exactly parallel.
bool toleranceDecides(const Point t1[3], const Point t2[3]);

// The program's answer for t1 and t2 against the exact overlap: empty when they agree (every
// printed vertex within printed rounding of the exact overlap's boundary, every exact vertex
// within it of the printed ring, and no point printed twice unless the exact overlap has two
// vertices that close), otherwise what differs.
std::string disagreement(const Point t1[3], const Point t2[3]);
