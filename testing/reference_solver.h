// The solver's rules in their straightforward form: every side pair through
// intersectSegments, every vertex through its turns about the other triangle's sides, and the
// ordering by its list of sides. The solver computes the same results faster; tests compare the
// two.
#pragma once

#include "geometry/geometry.h"

// Whether the solver's counts, candidates, their origins and ring for t1 and t2 are, bit for
// bit, those of the straightforward rules.
bool solvedAsStraightforward(const Point t1[3], const Point t2[3]);
