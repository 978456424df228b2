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

// The kinds of pairs: the first typed as people type them (decimals), the last, every
// magnitude, as raw floats.
constexpr int kPairKinds = 14;
constexpr int kEveryMagnitude = kPairKinds - 1;
const char* pairKindName(int kind);

// count pairs of a kind: count / 4 made, each given in all four combinations of the two
// triangles' vertex orders.
std::vector<TrianglePair> makePairs(int kind, int count, std::uint64_t seed);
