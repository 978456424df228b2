// Where two closed segments meet.
#pragma once

#include "geometry/geometry.h"

// 1: the segments meet in one point, written to *out (coordinates only);
// 2: they lie on one line and overlap; 0: otherwise. *out is written only for 1.
int intersectSegments(Segment s1, Segment s2, Point* out);
