// The solver's rules in their straightforward form: every side pair through
// intersectSegments, every vertex through pointInTriangle and three turns, and the ordering by
// its list of sides. The solver computes the same results faster; tests compare the two.
#pragma once

#include "solver/candidates.h"

Candidates referenceCandidates(const Point t1[3], const Point t2[3]);
int referenceOrder(const Point pts[], Point out[], int count);
