// Every bit of the solver's results over a few hundred thousand triangle pairs, folded into
// one digest per set: a change in any rounding, candidate, order or ring shows here. The
// digests were taken from the straightforward form of the algorithms; faster forms must
// keep them.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

#include "solver/candidates.h"
#include "solver/polygon_order.h"
#include "tools/triangle_pairs.h"

namespace {

// FNV-1a over the bytes fed to it.
class Digest {
 public:
  void add(const void* data, size_t size) {
    const auto* bytes = static_cast<const unsigned char*>(data);
    for (size_t i = 0; i < size; ++i) hash_ = (hash_ ^ bytes[i]) * 0x100000001b3ULL;
  }
  void add(int v) { add(&v, sizeof v); }
  void add(Point p) {
    add(&p.x, sizeof p.x);
    add(&p.y, sizeof p.y);
    add(int(p.color));
  }
  std::uint64_t value() const { return hash_; }

 private:
  std::uint64_t hash_ = 0xcbf29ce484222325ULL;
};

std::uint64_t digestOf(const std::vector<TrianglePair>& pairs) {
  Digest digest;
  for (const TrianglePair& pair : pairs) {
    const Candidates found = findCandidates(pair.t1, pair.t2);
    digest.add(found.n);
    digest.add(found.p);
    digest.add(found.q);
    const int total = candidateCount(found);
    for (int k = 0; k < total; ++k) digest.add(found.points[k]);
    Point ring[kMaxCandidates + 1];
    const int m = orderConvexPolygon(found.points, ring, total);
    digest.add(m);
    for (int k = 0; k <= m && m > 0; ++k) digest.add(ring[k]);
  }
  return digest.value();
}

// Small-grid pairs whose coordinates are nudged by a few units in the last place: every
// decision that rounding can tip is tipped one way or the other.
std::vector<TrianglePair> nudgedGridPairs(int count, std::uint64_t seed) {
  std::vector<TrianglePair> pairs = smallGridPairs(count, seed);
  std::mt19937_64 engine(seed);
  std::uniform_int_distribution<int> nudge(-3, 3);
  auto nudged = [&](float v) {
    for (int k = nudge(engine); k != 0; k += k > 0 ? -1 : 1) {
      v = std::nextafter(v, k > 0 ? 1e30f : -1e30f);
    }
    return v;
  };
  for (TrianglePair& pair : pairs) {
    for (Point* t : {pair.t1, pair.t2}) {
      for (int i = 0; i < 3; ++i) {
        const float x = nudged(t[i].x);
        const float y = nudged(t[i].y);
        t[i] = makePoint(x, y);
      }
    }
  }
  return pairs;
}

// Pairs at one scale, from tiny to near the largest coordinate the console takes.
std::vector<TrianglePair> scaledPairs(int count, std::uint64_t seed) {
  std::vector<TrianglePair> pairs = uniformPairs(count, -1.0f, 1.0f, seed);
  const float scales[] = {1e-30f, 1e-20f, 1e-8f, 1.0f, 1e8f, 1e17f};
  for (size_t k = 0; k < pairs.size(); ++k) {
    const float scale = scales[k % 6];
    for (Point* t : {pairs[k].t1, pairs[k].t2}) {
      for (int i = 0; i < 3; ++i) t[i] = makePoint(t[i].x * scale, t[i].y * scale);
    }
  }
  return pairs;
}

TEST(SolverDigest, EveryResultBitStaysTheSame) {
  const struct {
    const char* what;
    std::vector<TrianglePair> pairs;
    std::uint64_t digest;
  } sets[] = {
      {"random decimals", randomDecimalPairs(50000, 11), 0xcbe5c4e69cea75d5ULL},
      {"small grid", smallGridPairs(50000, 12), 0xdffbff3a3c982fc5ULL},
      {"nudged grid", nudgedGridPairs(50000, 13), 0x5eee009212755c45ULL},
      {"constructed", constructedPairs(1000, 14), 0xfecb25f7910c664fULL},
      {"uniform in [0, 10]", uniformPairs(50000, 0.0f, 10.0f, 15), 0xa9b55cf1397ca378ULL},
      {"scaled", scaledPairs(30000, 16), 0x0a707aac533fec3bULL},
  };
  for (const auto& set : sets) {
    const std::uint64_t digest = digestOf(set.pairs);
    EXPECT_EQ(digest, set.digest) << set.what;
  }
}

}  // namespace
