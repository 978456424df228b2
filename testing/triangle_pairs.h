// Triangle pairs for testing and measuring, made to a pattern from a fixed seed.
#pragma once

#include <cstdint>
#include <vector>

#include "geometry/geometry.h"

struct TrianglePair {
  Point t1[3];
  Point t2[3];
};

// The float the console reads for the decimal thousandths / 1000.
float decimalCoordinate(std::int64_t thousandths);

// The kinds of input people type, and a few made to catch rounding.
enum class PairKind {
  kDecimals3,      // up to three decimals in [-50, 50]
  kDecimals2,      // two decimals in [-10, 10]
  kDecimals1,      // one decimal in [-10, 10]
  kSmallGrid,      // integers 0..8: shared vertices, sides on sides, flat triangles
  kVertexInward,   // a decimal vertex of T2 on a side of T1, T2 reaching into T1
  kVertexOutward,  // the same, T2 reaching away from T1
  kSharedSides,    // T2 with a side on T1's side line: the whole side or a part of it
  kFlat,           // three collinear or two equal vertices, against normal and flat ones
  kNested,         // one inside the other, sharing none, one or two vertices
  kIdentical,      // the same triangle in all six vertex orders
  kFarVertex,      // small triangles near the origin, one vertex of T2 some 1e7 away
  kMagnitudes,     // uniform in [-1, 1], scaled by powers of ten from 1e-30 to 1e17
  kCount,
};
const char* pairKindName(PairKind kind);

// count pairs of a kind: count / 4 made, each given in all four combinations of the two
// triangles' vertex orders.
std::vector<TrianglePair> makePairs(PairKind kind, int count, std::uint64_t seed);
