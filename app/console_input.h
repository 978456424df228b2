// The first half of the dialogue: the prompts and the coordinates of the two triangles.
#pragma once

#include <cstdio>

#include "geometry/geometry.h"

// Largest coordinate magnitude taken: past it the products of the geometry overflow.
constexpr double kMaxCoordinate = 1e18;

// Prompts on out for the three vertices of T1 and then of T2, reads each as "%f %f" from in,
// and ends with a blank line. A coordinate that is not read, not finite or beyond
// kMaxCoordinate keeps its previous value, and the vertex is named in a warning on err.
void readTriangles(std::FILE* in, std::FILE* out, std::FILE* err, Point t1[3], Point t2[3]);
