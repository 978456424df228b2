// Where two closed segments meet.
#pragma once

#include "geometry/geometry.h"

// 1: the segments meet in one point, written to *out (coordinates only);
// 2: they lie on one line and overlap; 0: otherwise. *out is written only for 1.
int intersectSegments(Segment s1, Segment s2, Point* out);

// For two segments lying on one line: the ends of each that lie within the other, measured
// along the axis on which the first (or, if it has no length, the second) extends further.
// Writes up to four points to ends (repeats possible) and returns their number.
int collinearOverlapEnds(Segment s1, Segment s2, Point ends[4]);
