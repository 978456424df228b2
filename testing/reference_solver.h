// The solver against the lesson: the rules in their straightforward form, step by step. The
// solver computes the same results faster; tests compare the two.
#pragma once

#include "geometry/geometry.h"

// Whether the solver's counts, candidates, their origins and ring for t1 and t2 are, bit for
// bit, those the lesson's steps find.
bool solvedAsStraightforward(const Point t1[3], const Point t2[3]);
