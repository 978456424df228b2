// The second half of the dialogue: the overlap polygon on the console and in the scene.
#pragma once

#include <cstdio>

#include "geometry/geometry.h"
#include "solver/candidates.h"

// What the report found: the candidates and the ring they form (m vertices and a closing
// copy of the first; m = 0 when there are fewer than two candidates).
struct Report {
  Point candidates[kMaxCandidates];
  int total = 0;
  Point polygon[kMaxCandidates + 1];
  int m = 0;
};

// Solves for t1 and t2, prints the counts and the polygon to out, and adds the triangles,
// the candidates and the red outline of the polygon to the scene.
Report reportOverlap(const Point t1[3], const Point t2[3], std::FILE* out);
