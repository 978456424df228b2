// The whole solver in one call: the candidates, then the overlap they make.
#pragma once

#include "geometry/geometry.h"
#include "solver/solution.h"

// Solves for triangles t1 and t2: the candidates, and the overlap as its ring (two or more
// candidates), its one point, or nothing. Prints nothing and touches no scene.
Solution solveTask(const Point t1[3], const Point t2[3]);
