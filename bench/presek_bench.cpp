// The overlap of two triangles, 4096 pairs per iteration: the program's own solver against
// the libraries one would use instead, and a plain polygon clip as the floor.
#include <CGAL/Exact_predicates_inexact_constructions_kernel.h>
#include <CGAL/intersections.h>
#include <benchmark/benchmark.h>

#include <boost/geometry.hpp>
#include <boost/geometry/geometries/point_xy.hpp>
#include <boost/geometry/geometries/polygon.hpp>
#include <vector>

#include "solver/candidates.h"
#include "solver/polygon_order.h"
#include "testing/triangle_pairs.h"

namespace {

constexpr int kPairs = 4096;

const std::vector<TrianglePair>& benchPairs() {
  static const std::vector<TrianglePair> pairs = uniformPairs(kPairs, 0.0f, 10.0f, 4096);
  return pairs;
}

void BM_Presek(benchmark::State& state) {
  const std::vector<TrianglePair>& pairs = benchPairs();
  int overlapping = 0;
  for (auto _ : state) {
    overlapping = 0;
    for (const TrianglePair& pair : pairs) {
      const Candidates found = findCandidates(pair.t1, pair.t2);
      const int total = candidateCount(found);
      Point ring[kMaxCandidates + 1];
      const int m = total > 1 ? orderConvexPolygon(found.points, ring, total) : 0;
      benchmark::DoNotOptimize(ring);
      overlapping += m > 2;
    }
  }
  state.SetItemsProcessed(state.iterations() * kPairs);
  state.counters["overlapping"] = overlapping;
}
BENCHMARK(BM_Presek);

namespace bg = boost::geometry;
using BgPoint = bg::model::d2::point_xy<double>;
using BgPolygon = bg::model::polygon<BgPoint>;

void BM_BoostGeometry(benchmark::State& state) {
  std::vector<BgPolygon> first, second;
  for (const TrianglePair& pair : benchPairs()) {
    BgPolygon a, b;
    for (int i = 0; i <= 3; ++i) {
      bg::append(a.outer(), BgPoint(pair.t1[i % 3].x, pair.t1[i % 3].y));
      bg::append(b.outer(), BgPoint(pair.t2[i % 3].x, pair.t2[i % 3].y));
    }
    bg::correct(a);
    bg::correct(b);
    first.push_back(a);
    second.push_back(b);
  }
  int overlapping = 0;
  std::vector<BgPolygon> out;
  for (auto _ : state) {
    overlapping = 0;
    for (int k = 0; k < kPairs; ++k) {
      out.clear();
      bg::intersection(first[size_t(k)], second[size_t(k)], out);
      benchmark::DoNotOptimize(out.data());
      overlapping += !out.empty();
    }
  }
  state.SetItemsProcessed(state.iterations() * kPairs);
  state.counters["overlapping"] = overlapping;
}
BENCHMARK(BM_BoostGeometry);

using Epick = CGAL::Exact_predicates_inexact_constructions_kernel;

void BM_CgalEpick(benchmark::State& state) {
  std::vector<Epick::Triangle_2> first, second;
  for (const TrianglePair& pair : benchPairs()) {
    auto triangle = [](const Point t[3]) {
      return Epick::Triangle_2(Epick::Point_2(t[0].x, t[0].y), Epick::Point_2(t[1].x, t[1].y),
                               Epick::Point_2(t[2].x, t[2].y));
    };
    first.push_back(triangle(pair.t1));
    second.push_back(triangle(pair.t2));
  }
  int overlapping = 0;
  for (auto _ : state) {
    overlapping = 0;
    for (int k = 0; k < kPairs; ++k) {
      const auto result = CGAL::intersection(first[size_t(k)], second[size_t(k)]);
      benchmark::DoNotOptimize(result);
      overlapping += bool(result);
    }
  }
  state.SetItemsProcessed(state.iterations() * kPairs);
  state.counters["overlapping"] = overlapping;
}
BENCHMARK(BM_CgalEpick);

// Sutherland-Hodgman: T1 clipped by each side of T2 in turn, in doubles, on the stack.
struct Xy {
  double x, y;
};

int clipTriangle(const TrianglePair& pair, Xy out[9]) {
  Xy clip[3];
  for (int i = 0; i < 3; ++i) clip[i] = {pair.t2[i].x, pair.t2[i].y};
  const double turn = (clip[1].x - clip[0].x) * (clip[2].y - clip[0].y) -
                      (clip[1].y - clip[0].y) * (clip[2].x - clip[0].x);
  if (turn < 0) std::swap(clip[1], clip[2]);
  Xy buffer[2][9];
  int count = 3;
  for (int i = 0; i < 3; ++i) buffer[0][i] = {pair.t1[i].x, pair.t1[i].y};
  int from = 0;
  for (int e = 0; e < 3 && count > 0; ++e) {
    const Xy a = clip[e], b = clip[(e + 1) % 3];
    auto side = [&](Xy p) { return (b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x); };
    const Xy* in = buffer[from];
    Xy* next = buffer[1 - from];
    int kept = 0;
    for (int i = 0; i < count; ++i) {
      const Xy p = in[i], q = in[(i + 1) % count];
      const double sp = side(p), sq = side(q);
      if (sp >= 0) next[kept++] = p;
      if ((sp >= 0) != (sq >= 0)) {
        const double t = sp / (sp - sq);
        next[kept++] = {p.x + t * (q.x - p.x), p.y + t * (q.y - p.y)};
      }
    }
    count = kept;
    from = 1 - from;
  }
  for (int i = 0; i < count; ++i) out[i] = buffer[from][i];
  return count;
}

void BM_Clip(benchmark::State& state) {
  const std::vector<TrianglePair>& pairs = benchPairs();
  int overlapping = 0;
  for (auto _ : state) {
    overlapping = 0;
    for (const TrianglePair& pair : pairs) {
      Xy out[9];
      const int count = clipTriangle(pair, out);
      benchmark::DoNotOptimize(out);
      overlapping += count > 2;
    }
  }
  state.SetItemsProcessed(state.iterations() * kPairs);
  state.counters["overlapping"] = overlapping;
}
BENCHMARK(BM_Clip);

}  // namespace

BENCHMARK_MAIN();
