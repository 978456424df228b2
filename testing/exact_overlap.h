// What the program prints against the exact overlap of two closed triangles, computed by CGAL
// in exact rational arithmetic from the very floats the program read.
#pragma once

#include <string>

#include "geometry/geometry.h"

// Empty when the program's answer is the exact overlap to the printed digit: every printed
// vertex within printed rounding of the exact overlap's boundary, every exact vertex within it
// of the printed ring, and no point printed twice unless the exact overlap has two vertices
// that close. Otherwise, what differs.
std::string disagreement(const Point t1[3], const Point t2[3]);
