#include "testing/triangle_pairs.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <utility>

namespace {

// A vertex in thousandths, exact until it is read as a float.
struct Milli {
  std::int64_t x, y;
};

class Source {
 public:
  explicit Source(std::uint64_t seed) : engine_(seed) {}
  std::int64_t in(std::int64_t lo, std::int64_t hi) {
    return std::uniform_int_distribution<std::int64_t>(lo, hi)(engine_);
  }
  bool coin() { return in(0, 1) == 1; }
  // A vertex whose coordinates are multiples of step within [-reach, reach].
  Milli vertex(std::int64_t reach, std::int64_t step = 1000) {
    return {in(-reach / step, reach / step) * step, in(-reach / step, reach / step) * step};
  }
  // Three such vertices.
  void fill(Milli t[3], std::int64_t reach, std::int64_t step) {
    for (int i = 0; i < 3; ++i) t[i] = vertex(reach, step);
  }
  // A triangle with integer coordinates in [-50, 50] and twice its area at least 100.
  void wide(Milli t[3]) {
    do fill(t, 50000, 1000);
    while (std::llabs((t[1].x - t[0].x) * (t[2].y - t[0].y) -
                      (t[1].y - t[0].y) * (t[2].x - t[0].x)) < 100 * 1000 * 1000);
  }
  // A point strictly inside t (up to truncation), by positive weights.
  Milli inside(const Milli t[3]) {
    const std::int64_t w[3] = {in(1, 9), in(1, 9), in(1, 9)}, sum = w[0] + w[1] + w[2];
    return {(w[0] * t[0].x + w[1] * t[1].x + w[2] * t[2].x) / sum,
            (w[0] * t[0].y + w[1] * t[1].y + w[2] * t[2].y) / sum};
  }
  // Three points of one line, or two of them one place.
  void flat(Milli t[3]) {
    const Milli p = vertex(20000), d = {in(-5, 5) * 500, in(-5, 5) * 500};
    const std::int64_t k[3] = {0, in(-4, 4), in(-4, 4)};
    const bool repeated = in(0, 2) == 0;
    for (int i = 0; i < 3; ++i) {
      const std::int64_t step = repeated && i == 2 ? k[1] : k[i];
      t[i] = {p.x + step * d.x, p.y + step * d.y};
    }
  }
  // A float uniform in [-scale, scale] from 24 random bits: the same from any library.
  float uniform(float scale) { return (float(engine_() >> 40) * 0x1p-23f - 1) * scale; }

 private:
  std::mt19937_64 engine_;
};

// The point a fraction num / den of the way from p to q (truncated).
Milli along(Milli p, Milli q, std::int64_t num, std::int64_t den) {
  return {p.x + (q.x - p.x) * num / den, p.y + (q.y - p.y) * num / den};
}

// T2's first vertex a decimal point of T1's first side, the other two towards T1's centroid
// (sign 1) or away from it (-1), on either side of that point.
void vertexOnSide(Source& s, Milli a[3], Milli b[3], std::int64_t sign) {
  s.wide(a);
  const Milli v = along(a[0], a[1], s.in(100, 900), 1000);
  const Milli c = {(a[0].x + a[1].x + a[2].x) / 3, (a[0].y + a[1].y + a[2].y) / 3};
  const Milli mid = {v.x + sign * (c.x - v.x) / 2, v.y + sign * (c.y - v.y) / 2};
  const Milli spread = {(a[1].x - a[0].x) / 5, (a[1].y - a[0].y) / 5};
  b[0] = v;
  b[1] = {mid.x + spread.x, mid.y + spread.y};
  b[2] = {mid.x - spread.x, mid.y - spread.y};
}

std::int64_t cross(Milli u, Milli v) {
  return u.x * v.y - u.y * v.x;
}

// Milli a + k b, and whole numbers as thousandths.
Milli plus(Milli a, std::int64_t k, Milli b) {
  return {a.x + k * b.x, a.y + k * b.y};
}
Milli whole(Milli a) {
  return {a.x * 1000, a.y * 1000};
}

// A side of each triangle nearly parallel to one of the other (whole coordinates, the square of
// the sine of their angle about 1e-5 or less), crossing inside both: with w x r = 1, both small,
// T1's side runs along u = v + j w from p, T2's along (l + 1) v, v = k w + r, from p + i w - l v.
// Then u x v = j, and the sides cross at i / j (0 < i < j) of T1's side.
void nearlyParallelCrossing(Source& s, Milli a[3], Milli b[3]) {
  Milli w, r;
  do w = {s.in(-3, 3), s.in(-3, 3)}, r = {s.in(-3, 3), s.in(-3, 3)};
  while (cross(w, r) != 1);
  const std::int64_t k = s.in(30, 60) / std::max(std::llabs(w.x), std::llabs(w.y));
  const std::int64_t j = s.in(2, 3), i = s.in(1, j - 1), l = s.in(0, 2);
  const Milli v = plus(r, k, w), p = {s.in(-20, 20), s.in(-20, 20)};
  const Milli q = plus(plus(p, i, w), -l, v);
  const int at = int(s.in(0, 2));
  a[at] = whole(p);
  a[(at + 1) % 3] = whole(plus(plus(p, 1, v), j, w));
  a[(at + 2) % 3] = s.vertex(50000);
  b[0] = whole(q);
  b[1] = whole(plus(q, l + 1, v));
  b[2] = s.vertex(50000);
  if (s.coin()) std::swap(a, b);
}

// T1's first side far out (whole numbers of 1e8 to 1e9 that floats hold) on a line through the
// origin, and T2's first vertex a decimal point of that line near the origin: as a float it is
// off the line by far less than the rounding error of its turn's double value. T2's other two
// lie on either side of the line, its sides crossing it at wide angles (the crossings along
// the far side come out within a few float steps of its length).
void nearOriginFarSide(Source& s, Milli a[3], Milli b[3]) {
  Milli w;
  do w = {s.in(-15, 15), s.in(-15, 15)};
  while (w.x == 0 && w.y == 0);
  const std::int64_t size = std::max(std::llabs(w.x), std::llabs(w.y));
  // k w in floats: k a multiple of the step at which k * size fits in 24 bits.
  const auto farOut = [&s, size](std::int64_t sign) {
    const std::int64_t k = s.in(100, 1000) * 1000 * 1000 / size;
    int shift = 0;
    while ((k * size) >> shift >= (1 << 24)) ++shift;
    return sign * ((k >> shift) << shift);
  };
  const std::int64_t k1 = farOut(1), k2 = farOut(-1), t = s.in(1, 200);
  a[0] = whole(plus({}, k1, w));
  a[1] = whole(plus({}, k2, w));
  a[2] = s.vertex(50000);
  const Milli across = {-w.y, w.x};
  const std::int64_t left = s.in(5, 20), right = -s.in(5, 20);
  b[0] = plus({}, t, w);
  b[1] = plus(plus(b[0], left, across), s.in(-left / 2, left / 2), w);
  b[2] = plus(plus(b[0], right, across), s.in(right / 2, -right / 2), w);
  if (s.coin()) std::swap(a, b);
}

struct Kind {
  const char* name;
  void (*make)(Source& s, Milli a[3], Milli b[3]);
};

const Kind kKinds[kPairKinds] = {
    {"three decimals",
     [](Source& s, Milli a[3], Milli b[3]) { s.fill(a, 50000, 1), s.fill(b, 50000, 1); }},
    {"two decimals",
     [](Source& s, Milli a[3], Milli b[3]) { s.fill(a, 10000, 10), s.fill(b, 10000, 10); }},
    {"one decimal",
     [](Source& s, Milli a[3], Milli b[3]) { s.fill(a, 10000, 100), s.fill(b, 10000, 100); }},
    // Integers 0..8: shared vertices, sides on sides, flat triangles.
    {"small grid",
     [](Source& s, Milli a[3], Milli b[3]) {
       for (int i = 0; i < 6; ++i) (i < 3 ? a : b)[i % 3] = {s.in(0, 8) * 1000, s.in(0, 8) * 1000};
     }},
    {"vertex on a side, pointing in",
     [](Source& s, Milli a[3], Milli b[3]) { vertexOnSide(s, a, b, 1); }},
    {"vertex on a side, pointing out",
     [](Source& s, Milli a[3], Milli b[3]) { vertexOnSide(s, a, b, -1); }},
    // Two vertices of T2 on the line of T1's first side (its ends, or tenths along it and
    // beyond), the third on either side.
    {"shared sides",
     [](Source& s, Milli a[3], Milli b[3]) {
       s.wide(a);
       b[0] = along(a[0], a[1], s.in(-3, 6), 10);
       b[1] = along(a[0], a[1], s.in(7, 13), 10);
       b[2] = s.coin() ? s.inside(a) : s.vertex(50000);
     }},
    {"flat triangles",
     [](Source& s, Milli a[3], Milli b[3]) {
       s.wide(a);
       s.flat(b);
       if (s.coin()) s.flat(a);
     }},
    // One inside the other, sharing none, one or two vertices.
    {"nested",
     [](Source& s, Milli a[3], Milli b[3]) {
       s.wide(a);
       const int shared = int(s.in(0, 3));  // 3: none
       b[0] = shared < 3 ? a[shared] : s.inside(a);
       b[1] = s.coin() ? a[(shared + 1) % 3] : s.inside(a);
       b[2] = s.coin() ? s.inside(a) : s.vertex(50000);
       if (s.coin()) std::swap(a, b);
     }},
    // The same triangle in another vertex order, or mirrored across x = m or the diagonal.
    {"identical or mirrored",
     [](Source& s, Milli a[3], Milli b[3]) {
       s.wide(a);
       const int order = int(s.in(0, 7));
       const std::int64_t m = s.in(-20, 20) * 1000;
       for (int i = 0; i < 3; ++i) {
         b[i] = order < 6    ? a[(i + order) % 3]
                : order == 6 ? Milli{a[i].y, a[i].x}
                             : Milli{2 * m - a[i].x, a[i].y};
       }
       if (order >= 3 && order < 6) std::swap(b[1], b[2]);
     }},
    // Small triangles near the origin, one vertex of T2 some 1e7 away: turns near the origin
    // far below the rounding error of turns about the far vertex.
    {"a far vertex",
     [](Source& s, Milli a[3], Milli b[3]) {
       s.fill(a, 500, 1);
       b[0] = s.coin() ? s.inside(a) : s.vertex(500, 1);
       b[1] = s.vertex(500, 1);
       const std::int64_t far = s.in(10, 30) * 1000 * 1000 * 1000;
       b[2] = {s.coin() ? far : -far, s.in(-far, far)};
       if (s.coin()) std::swap(a, b);
     }},
    {"nearly parallel sides crossing", nearlyParallelCrossing},
    {"a vertex near the origin, sides far out", nearOriginFarSide},
    {"every magnitude", [](Source&, Milli[3], Milli[3]) {}},
};

}  // namespace

float decimalCoordinate(std::int64_t thousandths) {
  char text[40];
  const std::int64_t size = std::llabs(thousandths);
  std::snprintf(text, sizeof text, "%s%lld.%03lld", thousandths < 0 ? "-" : "",
                (long long)(size / 1000), (long long)(size % 1000));
  return std::strtof(text, nullptr);
}

const char* pairKindName(int kind) {
  return kKinds[kind].name;
}

std::vector<TrianglePair> makePairs(int kind, int count, std::uint64_t seed) {
  Source s(seed);
  const float scales[] = {1e-30f, 1e-20f, 1e-8f, 1e-3f, 1.0f, 1e3f, 1e8f, 1e17f};
  std::vector<TrianglePair> pairs;
  for (int made = 0; made < count / 4; ++made) {
    TrianglePair pair;
    Milli a[3] = {}, b[3] = {};
    kKinds[kind].make(s, a, b);
    for (int i = 0; i < 6; ++i) {
      const Milli m = (i < 3 ? a : b)[i % 3];
      const float scale = scales[made % 8];
      (i < 3 ? pair.t1 : pair.t2)[i % 3] =
          kind == kEveryMagnitude ? makePoint(s.uniform(scale), s.uniform(scale))
                                  : makePoint(decimalCoordinate(m.x), decimalCoordinate(m.y));
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
