// The overlap of two closed triangles in exact arithmetic (CGAL's exact kernel), and how the
// program's own answer compares with it.
#pragma once

#include "geometry/geometry.h"

enum class OverlapKind { kEmpty, kPoint, kSegment, kPolygon };

// The exact overlap of t1 and t2 (zero-area triangles taken as the segment or point they are).
struct ExactOverlap {
  OverlapKind kind;
  double area;  // exact area, rounded once; 0 unless a polygon
};
ExactOverlap exactOverlap(const Point t1[3], const Point t2[3]);

// Signed area of the ring ring[0..m), computed exactly and rounded once.
double exactRingArea(const Point ring[], int m);

// The program's candidates and ring for t1 and t2, measured against the exact overlap.
struct Comparison {
  ExactOverlap exact;
  int total;         // candidates the program found
  int m;             // vertices of its ring (0 with fewer than two candidates)
  double area;       // signed area of its ring
  double areaError;  // |area - exact area|
  double tolerance;  // what rounding in single precision may explain
  bool areaAgrees;   // areaError within tolerance
  bool agrees;       // the same kind of overlap, and areaAgrees
};
Comparison compareWithExact(const Point t1[3], const Point t2[3]);
