// What the solver finds for two triangles, as plain data: the capacities, and the one record
// that travels from the solver to the console and the window. Header only, so that the scene
// can hold a solved task without calling the solver.
#pragma once

#include "geometry/geometry.h"
#include "solver/origin.h"

// At most one crossing for each pair of sides, and, where a triangle has no area, the six
// vertices as ends of sides that overlap on one line. The collection never holds more.
constexpr int kMaxCrossings = 9 + 6;
// Vertices inside the other triangle are looked for only below six crossings.
constexpr int kMaxCandidates = kMaxCrossings > 5 + 3 + 3 ? kMaxCrossings : 5 + 3 + 3;

// The candidates (n crossings, p vertices of T1 inside T2, q of T2 inside T1) with how each was
// found, and the overlap's m vertices: none, its one point, or its ring in boundary order,
// closed by a copy of the first.
struct Solution {
  int n = 0, p = 0, q = 0;
  Point candidates[kMaxCandidates];
  Origin origins[kMaxCandidates];
  Point overlap[kMaxCandidates + 1];
  int m = 0;
};

// The number of candidates.
inline int candidateTotal(const Solution& s) {
  return s.n + s.p + s.q;
}
