#include "testing/triangle_pairs.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <utility>

namespace {

// A vertex in thousandths, exact until it is read as a float.
struct Milli {
  std::int64_t x, y;
};

std::int64_t twiceArea(const Milli t[3]) {
  return (t[1].x - t[0].x) * (t[2].y - t[0].y) - (t[1].y - t[0].y) * (t[2].x - t[0].x);
}

class Source {
 public:
  explicit Source(std::uint64_t seed) : engine_(seed) {}
  std::int64_t between(std::int64_t lo, std::int64_t hi) {
    return std::uniform_int_distribution<std::int64_t>(lo, hi)(engine_);
  }
  // A vertex whose coordinates are multiples of step within [-reach, reach].
  Milli vertex(std::int64_t reach, std::int64_t step) {
    return {between(-reach / step, reach / step) * step,
            between(-reach / step, reach / step) * step};
  }
  // A triangle with integer coordinates in [-50, 50] and twice its area at least 100.
  void wideTriangle(Milli t[3]) {
    do {
      for (int i = 0; i < 3; ++i) t[i] = vertex(50000, 1000);
    } while (std::llabs(twiceArea(t)) < 100 * 1000 * 1000);
  }
  // The point a fraction num / den of the way from p to q, in thousandths (truncated).
  static Milli along(Milli p, Milli q, std::int64_t num, std::int64_t den) {
    return {p.x + (q.x - p.x) * num / den, p.y + (q.y - p.y) * num / den};
  }
  // A point strictly inside t (up to truncation), by positive weights.
  Milli inside(const Milli t[3]) {
    const std::int64_t w[3] = {between(1, 9), between(1, 9), between(1, 9)};
    const std::int64_t sum = w[0] + w[1] + w[2];
    return {(w[0] * t[0].x + w[1] * t[1].x + w[2] * t[2].x) / sum,
            (w[0] * t[0].y + w[1] * t[1].y + w[2] * t[2].y) / sum};
  }

 private:
  std::mt19937_64 engine_;
};

// One pair of a kind, in thousandths.
void makeOne(PairKind kind, Source& s, Milli a[3], Milli b[3]) {
  switch (kind) {
    case PairKind::kDecimals3:
    case PairKind::kDecimals2:
    case PairKind::kDecimals1: {
      const std::int64_t reach = kind == PairKind::kDecimals3 ? 50000 : 10000;
      const std::int64_t step = kind == PairKind::kDecimals3   ? 1
                                : kind == PairKind::kDecimals2 ? 10
                                                               : 100;
      for (int i = 0; i < 3; ++i) {
        a[i] = s.vertex(reach, step);
        b[i] = s.vertex(reach, step);
      }
      return;
    }
    case PairKind::kSmallGrid:
      for (int i = 0; i < 3; ++i) {
        a[i] = {s.between(0, 8) * 1000, s.between(0, 8) * 1000};
        b[i] = {s.between(0, 8) * 1000, s.between(0, 8) * 1000};
      }
      return;
    case PairKind::kVertexInward:
    case PairKind::kVertexOutward: {
      // T2's first vertex is a decimal point of T1's first side; the other two lie towards
      // T1's centroid (or away from it), on either side of that point.
      s.wideTriangle(a);
      const Milli v = Source::along(a[0], a[1], s.between(100, 900), 1000);
      const Milli c = {(a[0].x + a[1].x + a[2].x) / 3, (a[0].y + a[1].y + a[2].y) / 3};
      const std::int64_t sign = kind == PairKind::kVertexInward ? 1 : -1;
      const Milli mid = {v.x + sign * (c.x - v.x) / 2, v.y + sign * (c.y - v.y) / 2};
      const Milli spread = {(a[1].x - a[0].x) / 5, (a[1].y - a[0].y) / 5};
      b[0] = v;
      b[1] = {mid.x + spread.x, mid.y + spread.y};
      b[2] = {mid.x - spread.x, mid.y - spread.y};
      return;
    }
    case PairKind::kSharedSides: {
      // Two vertices of T2 on the line of T1's first side (its ends, or tenths along it and
      // beyond), the third on either side.
      s.wideTriangle(a);
      b[0] = Source::along(a[0], a[1], s.between(-3, 6), 10);
      b[1] = Source::along(a[0], a[1], s.between(7, 13), 10);
      b[2] = s.between(0, 1) ? s.inside(a) : s.vertex(50000, 1000);
      return;
    }
    case PairKind::kFlat: {
      // T2 flat: three points of one line, or a repeated vertex; T1 flat half of the time.
      Milli* flats[2] = {b, a};
      s.wideTriangle(a);
      const int howMany = int(s.between(1, 2));
      for (int f = 0; f < howMany; ++f) {
        Milli* t = flats[f];
        const Milli p = s.vertex(20000, 1000);
        const Milli d = {s.between(-5, 5) * 1000, s.between(-5, 5) * 1000};
        const std::int64_t k[3] = {0, s.between(-4, 4), s.between(-4, 4)};
        const bool repeated = s.between(0, 2) == 0;
        for (int i = 0; i < 3; ++i) {
          const std::int64_t step = repeated && i == 2 ? k[1] : k[i];
          t[i] = {p.x + step * d.x / 2, p.y + step * d.y / 2};
        }
      }
      return;
    }
    case PairKind::kNestedShared: {
      s.wideTriangle(a);
      const int shared = int(s.between(0, 2));
      b[0] = a[shared];
      b[1] = s.between(0, 1) ? a[(shared + 1) % 3] : s.inside(a);
      b[2] = s.inside(a);
      if (s.between(0, 1)) {
        for (int i = 0; i < 3; ++i) std::swap(a[i], b[i]);
      }
      return;
    }
    case PairKind::kIdentical: {
      s.wideTriangle(a);
      const int order = int(s.between(0, 5));
      for (int i = 0; i < 3; ++i) b[i] = a[(i + order) % 3];
      if (order >= 3) std::swap(b[1], b[2]);
      return;
    }
    case PairKind::kConstructed: {
      s.wideTriangle(a);
      switch (s.between(0, 3)) {
        case 0:  // nested
          for (int i = 0; i < 3; ++i) b[i] = s.inside(a);
          break;
        case 1: {  // mirrored across a vertical line or the diagonal
          const std::int64_t mirror = s.between(-20, 20) * 1000;
          const bool diagonal = s.between(0, 1) == 1;
          for (int i = 0; i < 3; ++i) {
            b[i] = diagonal ? Milli{a[i].y, a[i].x} : Milli{2 * mirror - a[i].x, a[i].y};
          }
          break;
        }
        default:  // one or two shared vertices
          b[0] = a[s.between(0, 2)];
          b[1] = s.between(0, 1) ? a[s.between(0, 2)] : s.vertex(50000, 1000);
          b[2] = s.vertex(50000, 1000);
      }
      return;
    }
    case PairKind::kMagnitudes:
      return;
    case PairKind::kFarVertex: {
      // Turns near the origin far below the rounding error of turns about the far vertex.
      for (int i = 0; i < 3; ++i) a[i] = s.vertex(500, 1);
      b[0] = s.between(0, 1) ? s.inside(a) : s.vertex(500, 1);
      b[1] = s.vertex(500, 1);
      const std::int64_t far = s.between(10, 30) * 1000 * 1000 * 1000;
      b[2] = {s.between(0, 1) ? far : -far, s.between(-far, far)};
      if (s.between(0, 1)) {
        for (int i = 0; i < 3; ++i) std::swap(a[i], b[i]);
      }
      return;
    }
  }
}

Point read(Milli m) {
  return makePoint(decimalCoordinate(m.x), decimalCoordinate(m.y));
}

// 24 random bits as a fraction in [0, 1), scaled: the same floats from any library.
float uniform(std::mt19937_64& engine, float lo, float hi) {
  return lo + (hi - lo) * (float(engine() >> 40) * 0x1p-24f);
}

}  // namespace

float decimalCoordinate(std::int64_t thousandths) {
  char text[40];
  const std::int64_t magnitude = thousandths < 0 ? -thousandths : thousandths;
  std::snprintf(text, sizeof text, "%s%lld.%03lld", thousandths < 0 ? "-" : "",
                (long long)(magnitude / 1000), (long long)(magnitude % 1000));
  return std::strtof(text, nullptr);
}

const char* pairKindName(PairKind kind) {
  static const char* const kNames[] = {
      "three decimals",
      "two decimals",
      "one decimal",
      "small grid",
      "vertex on a side, pointing in",
      "vertex on a side, pointing out",
      "shared sides",
      "flat triangles",
      "nested, shared vertices",
      "identical",
      "constructed",
      "every magnitude",
      "a far vertex",
  };
  return kNames[int(kind)];
}

std::vector<TrianglePair> makePairs(PairKind kind, int count, std::uint64_t seed) {
  Source source(seed);
  std::mt19937_64 engine(seed);
  const float scales[] = {1e-30f, 1e-20f, 1e-8f, 1e-3f, 1.0f, 1e3f, 1e8f, 1e17f};
  std::vector<TrianglePair> pairs;
  for (int made = 0; made < count / 4; ++made) {
    TrianglePair pair;
    if (kind == PairKind::kMagnitudes) {
      const float scale = scales[made % 8];
      for (Point* t : {pair.t1, pair.t2}) {
        for (int i = 0; i < 3; ++i) {
          const float x = uniform(engine, -1, 1) * scale;
          t[i] = makePoint(x, uniform(engine, -1, 1) * scale);
        }
      }
    } else {
      Milli a[3], b[3];
      makeOne(kind, source, a, b);
      for (int i = 0; i < 3; ++i) {
        pair.t1[i] = read(a[i]);
        pair.t2[i] = read(b[i]);
      }
    }
    for (int order = 0; order < 4; ++order) {
      TrianglePair turned = pair;
      if (order & 1) std::swap(turned.t1[1], turned.t1[2]);
      if (order & 2) std::swap(turned.t2[1], turned.t2[2]);
      pairs.push_back(turned);
    }
  }
  return pairs;
}

std::vector<TrianglePair> uniformPairs(int count, float lo, float hi, std::uint64_t seed) {
  std::mt19937_64 engine(seed);
  std::vector<TrianglePair> pairs(static_cast<size_t>(count));
  for (TrianglePair& pair : pairs) {
    for (Point* t : {pair.t1, pair.t2}) {
      for (int i = 0; i < 3; ++i) {
        const float x = uniform(engine, lo, hi);
        t[i] = makePoint(x, uniform(engine, lo, hi));
      }
    }
  }
  return pairs;
}
