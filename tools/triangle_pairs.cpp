#include "tools/triangle_pairs.h"

#include <cstdio>
#include <cstdlib>
#include <random>
#include <utility>

namespace {

// A vertex in thousandths, exact until it is read as a float.
struct Milli {
  std::int64_t x, y;
};
using MilliTriangle = Milli[3];

std::int64_t twiceArea(const Milli t[3]) {
  return (t[1].x - t[0].x) * (t[2].y - t[0].y) - (t[1].y - t[0].y) * (t[2].x - t[0].x);
}

Point read(Milli m) {
  return makePoint(decimalCoordinate(m.x), decimalCoordinate(m.y));
}

TrianglePair readPair(const Milli a[3], const Milli b[3]) {
  TrianglePair pair;
  for (int i = 0; i < 3; ++i) {
    pair.t1[i] = read(a[i]);
    pair.t2[i] = read(b[i]);
  }
  return pair;
}

class Source {
 public:
  explicit Source(std::uint64_t seed) : engine_(seed) {}
  std::int64_t between(std::int64_t lo, std::int64_t hi) {
    return std::uniform_int_distribution<std::int64_t>(lo, hi)(engine_);
  }
  Milli vertex(std::int64_t lo, std::int64_t hi) { return {between(lo, hi), between(lo, hi)}; }
  // A triangle with integer coordinates in [-50, 50] and twice its area at least 100.
  void wideTriangle(Milli t[3]) {
    do {
      for (int i = 0; i < 3; ++i) t[i] = {between(-50, 50) * 1000, between(-50, 50) * 1000};
    } while (std::llabs(twiceArea(t)) < 100 * 1000 * 1000);
  }

 private:
  std::mt19937_64 engine_;
};

}  // namespace

float decimalCoordinate(std::int64_t thousandths) {
  char text[40];
  const std::int64_t magnitude = thousandths < 0 ? -thousandths : thousandths;
  std::snprintf(text, sizeof text, "%s%lld.%03lld", thousandths < 0 ? "-" : "",
                (long long)(magnitude / 1000), (long long)(magnitude % 1000));
  return std::strtof(text, nullptr);
}

std::vector<TrianglePair> randomDecimalPairs(int count, std::uint64_t seed) {
  Source source(seed);
  std::vector<TrianglePair> pairs;
  for (int k = 0; k < count; ++k) {
    Milli a[3], b[3];
    for (int i = 0; i < 3; ++i) {
      a[i] = source.vertex(-50000, 50000);
      b[i] = source.vertex(-50000, 50000);
    }
    pairs.push_back(readPair(a, b));
  }
  return pairs;
}

std::vector<TrianglePair> smallGridPairs(int count, std::uint64_t seed) {
  Source source(seed);
  std::vector<TrianglePair> pairs;
  for (int k = 0; k < count; ++k) {
    Milli a[3], b[3];
    for (int i = 0; i < 3; ++i) {
      a[i] = {source.between(0, 8) * 1000, source.between(0, 8) * 1000};
      b[i] = {source.between(0, 8) * 1000, source.between(0, 8) * 1000};
    }
    pairs.push_back(readPair(a, b));
  }
  return pairs;
}

std::vector<TrianglePair> constructedPairs(int perPattern, std::uint64_t seed) {
  Source source(seed);
  std::vector<TrianglePair> pairs;
  const int kPatterns = 6;
  for (int k = 0; k < perPattern * kPatterns; ++k) {
    Milli a[3], b[3];
    source.wideTriangle(a);
    switch (k % kPatterns) {
      case 0:    // b strictly inside a: positive barycentric weights
      case 1: {  // and a inside b
        for (int i = 0; i < 3; ++i) {
          const std::int64_t w[3] = {source.between(1, 10), source.between(1, 10),
                                     source.between(1, 10)};
          const std::int64_t sum = w[0] + w[1] + w[2];
          b[i] = {(w[0] * a[0].x + w[1] * a[1].x + w[2] * a[2].x) / sum,
                  (w[0] * a[0].y + w[1] * a[1].y + w[2] * a[2].y) / sum};
        }
        if (k % kPatterns == 1) {
          for (int i = 0; i < 3; ++i) std::swap(a[i], b[i]);
        }
        break;
      }
      case 2: {  // the same vertices in another order
        const int shift = int(source.between(0, 2));
        for (int i = 0; i < 3; ++i) b[i] = a[(i + shift) % 3];
        if (source.between(0, 1) == 1) std::swap(b[1], b[2]);
        break;
      }
      case 3: {  // mirrored across a vertical line or the diagonal y = x
        const std::int64_t mirror = source.between(-20, 20) * 1000;
        const bool diagonal = source.between(0, 1) == 1;
        for (int i = 0; i < 3; ++i) {
          b[i] = diagonal ? Milli{a[i].y, a[i].x} : Milli{2 * mirror - a[i].x, a[i].y};
        }
        break;
      }
      case 4:    // one shared vertex
      case 5: {  // two shared vertices
        const std::int64_t shared = source.between(0, 2);
        b[0] = a[shared];
        b[1] = k % kPatterns == 5 ? a[(shared + source.between(1, 2)) % 3]
                                  : source.vertex(-50000, 50000);
        b[2] = source.vertex(-50000, 50000);
        if (source.between(0, 1) == 1) std::swap(b[0], b[2]);
        break;
      }
    }
    // All four combinations of vertex order.
    for (int turn = 0; turn < 4; ++turn) {
      Milli c[3] = {a[0], a[1], a[2]};
      Milli d[3] = {b[0], b[1], b[2]};
      if (turn & 1) std::swap(c[1], c[2]);
      if (turn & 2) std::swap(d[1], d[2]);
      pairs.push_back(readPair(c, d));
    }
  }
  return pairs;
}

std::vector<TrianglePair> uniformPairs(int count, float lo, float hi, std::uint64_t seed) {
  std::mt19937_64 engine(seed);
  // 24 random bits as a fraction in [0, 1), then scaled: the same floats from any compiler
  // and standard library.
  auto coordinate = [&] { return lo + (hi - lo) * (float(engine() >> 40) * 0x1p-24f); };
  std::vector<TrianglePair> pairs(static_cast<size_t>(count));
  for (TrianglePair& pair : pairs) {
    for (Point* t : {pair.t1, pair.t2}) {
      for (int i = 0; i < 3; ++i) {
        const float x = coordinate();
        const float y = coordinate();
        t[i] = makePoint(x, y);
      }
    }
  }
  return pairs;
}
