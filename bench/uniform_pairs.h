// The benchmarks' pairs: coordinates uniform in [lo, hi], as floats.
#pragma once

#include <cstdint>
#include <random>
#include <vector>

#include "testing/triangle_pairs.h"

// 24 random bits as a fraction in [0, 1), scaled: the same floats from any compiler and library.
inline std::vector<TrianglePair> uniformPairs(int count, float lo, float hi, std::uint64_t seed) {
  std::mt19937_64 engine(seed);
  auto uniform = [&] { return lo + (hi - lo) * (float(engine() >> 40) * 0x1p-24f); };
  std::vector<TrianglePair> pairs(static_cast<size_t>(count));
  for (TrianglePair& pair : pairs) {
    for (Point* t : {pair.t1, pair.t2}) {
      for (int i = 0; i < 3; ++i) {
        const float x = uniform();
        t[i] = makePoint(x, uniform());
      }
    }
  }
  return pairs;
}
