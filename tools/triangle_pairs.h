// Triangle pairs for testing and measuring, made from a fixed seed.
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

// Coordinates with up to three decimals, uniform in [-50, 50].
std::vector<TrianglePair> randomDecimalPairs(int count, std::uint64_t seed);

// Integer coordinates 0..8: shared vertices, vertices on sides, collinear sides, identical and
// zero-area triangles, in either vertex order.
std::vector<TrianglePair> smallGridPairs(int count, std::uint64_t seed);

// Pairs made to a pattern: one triangle strictly inside the other (both ways), T2 a
// permutation or a reflection of T1, T2 sharing one or two vertices with T1. Each pattern is
// made `perPattern` times, and each pair is given in all four combinations of clockwise and
// counter-clockwise vertex order.
std::vector<TrianglePair> constructedPairs(int perPattern, std::uint64_t seed);

// Coordinates uniform in [lo, hi], as floats.
std::vector<TrianglePair> uniformPairs(int count, float lo, float hi, std::uint64_t seed);
