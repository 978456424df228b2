// The candidate vertices of the overlap of two triangles: where their sides cross, and the
// vertices of each triangle that lie strictly inside the other.
#pragma once

#include "geometry/geometry.h"
#include "solver/solution.h"

// The candidates in the order crossings (n), vertices of T1 inside T2 (p), vertices of T2
// inside T1 (q); no two of them are the same place. Where a triangle has no area (its
// vertices on one line), the ends of sides that overlap on one line count as crossings.
struct Candidates {
  // The points are written as they are found; those past the count are never read, so they
  // are left unset (fewer instructions than zero-filled).
  Candidates() {}
  union {
    Point points[kMaxCandidates];
  };
  union {
    Origin origins[kMaxCandidates];  // how each point was found: the first way that finds it
  };
  int n = 0;
  int p = 0;
  int q = 0;
};

// Number of candidates in c.
inline int candidateCount(const Candidates& c) {
  return c.n + c.p + c.q;
}

// Finds the candidates of triangles t1 and t2; prints nothing and touches no scene.
Candidates findCandidates(const Point t1[3], const Point t2[3]);
