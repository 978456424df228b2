// Two doubles computed side by side, in one register where the machine has them (SSE2): the x
// and y of a point or a difference, or two turns at once. Each value is rounded exactly as the
// same operation on a lone double rounds it.
#pragma once

#include <algorithm>
#include <cmath>
#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include "geometry/geometry.h"

using Pair = double __attribute__((vector_size(16)));

// The coordinates of p widened to double precision.
inline Pair widenPair(Point p) {
  return Pair{double(p.x), double(p.y)};
}

// The sizes of both values.
inline Pair sizes(Pair v) {
#ifdef __SSE2__
  return _mm_andnot_pd(_mm_set1_pd(-0.0), v);
#else
  return Pair{std::fabs(v[0]), std::fabs(v[1])};
#endif
}

// The smaller value in each place. Where a value is NaN the two forms differ (SSE2 gives b, the
// other a or b by std::min's rule); the solver passes only sizes, whose NaN means a coordinate
// that is not finite, and which then fail every bound either way.
inline Pair smaller(Pair a, Pair b) {
#ifdef __SSE2__
  return _mm_min_pd(a, b);
#else
  return Pair{std::min(a[0], b[0]), std::min(a[1], b[1])};
#endif
}

// Bit 0 set where the first value's sign bit is, bit 1 where the second's is.
inline unsigned signBits(Pair v) {
#ifdef __SSE2__
  return unsigned(_mm_movemask_pd(v));
#else
  return unsigned(std::signbit(v[0])) | unsigned(std::signbit(v[1])) << 1;
#endif
}
