// The overlap of two triangles, 4096 pairs per iteration: the program's own solver against
// the libraries one would use instead, and a plain polygon clip as the floor. Each runs on the
// same pairs in a fixed order (argument 0), where the processor learns every branch, and in
// a new order every iteration (argument 1, shuffled in place outside the timing).
#include <CGAL/Exact_predicates_inexact_constructions_kernel.h>
#include <CGAL/intersections.h>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <boost/geometry.hpp>
#include <boost/geometry/geometries/point_xy.hpp>
#include <boost/geometry/geometries/polygon.hpp>
#include <random>
#include <vector>

#include "bench/clip.h"
#include "bench/uniform_pairs.h"
#include "solver/candidates.h"
#include "solver/polygon_order.h"

namespace {

constexpr int kPairs = 4096;

// Runs solve on every input per iteration, in a new order each time when the argument is 1,
// and reports nanoseconds per pair and how many pairs overlap.
template <typename Input, typename Solve>
void runPairs(benchmark::State& state, std::vector<Input> inputs, Solve solve) {
  std::mt19937_64 engine(1);
  const bool shuffled = state.range(0) == 1;
  int overlapping = 0;
  for (auto _ : state) {
    if (shuffled) {
      state.PauseTiming();
      std::shuffle(inputs.begin(), inputs.end(), engine);
      state.ResumeTiming();
    }
    overlapping = 0;
    for (const Input& input : inputs) overlapping += solve(input);
  }
  state.counters["ns_per_pair"] =
      benchmark::Counter(double(kPairs) * double(state.iterations()),
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
  state.counters["overlapping"] = overlapping;
}

const std::vector<TrianglePair>& benchPairs() {
  static const std::vector<TrianglePair> pairs = uniformPairs(kPairs, 0.0f, 10.0f, 4096);
  return pairs;
}

void BM_Presek(benchmark::State& state) {
  Point ring[kMaxCandidates + 1];
  runPairs(state, benchPairs(), [&ring](const TrianglePair& pair) {
    const Candidates found = findCandidates(pair.t1, pair.t2);
    const int total = candidateCount(found);
    const int m = total > 1 ? orderConvexPolygon(found.points, ring, total) : 0;
    benchmark::DoNotOptimize(ring);
    return m > 2;
  });
}
BENCHMARK(BM_Presek)->Arg(0)->Arg(1);

void BM_Clip(benchmark::State& state) {
  runPairs(state, benchPairs(), [](const TrianglePair& pair) {
    Xy out[9];
    const int count = clipTriangle(pair, out);
    benchmark::DoNotOptimize(out);
    return count > 2;
  });
}
BENCHMARK(BM_Clip)->Arg(0)->Arg(1);

using Epick = CGAL::Exact_predicates_inexact_constructions_kernel;

void BM_CgalEpick(benchmark::State& state) {
  auto triangle = [](const Point t[3]) {
    return Epick::Triangle_2(Epick::Point_2(t[0].x, t[0].y), Epick::Point_2(t[1].x, t[1].y),
                             Epick::Point_2(t[2].x, t[2].y));
  };
  std::vector<std::pair<Epick::Triangle_2, Epick::Triangle_2>> inputs;
  for (const TrianglePair& pair : benchPairs())
    inputs.emplace_back(triangle(pair.t1), triangle(pair.t2));
  runPairs(state, inputs, [](const auto& input) {
    const auto result = CGAL::intersection(input.first, input.second);
    benchmark::DoNotOptimize(result);
    return bool(result);
  });
}
BENCHMARK(BM_CgalEpick)->Arg(0)->Arg(1);

namespace bg = boost::geometry;
using BgPoint = bg::model::d2::point_xy<double>;
using BgPolygon = bg::model::polygon<BgPoint>;

void BM_BoostGeometry(benchmark::State& state) {
  std::vector<std::pair<BgPolygon, BgPolygon>> inputs;
  for (const TrianglePair& pair : benchPairs()) {
    BgPolygon a, b;
    for (int i = 0; i <= 3; ++i) {
      bg::append(a.outer(), BgPoint(pair.t1[i % 3].x, pair.t1[i % 3].y));
      bg::append(b.outer(), BgPoint(pair.t2[i % 3].x, pair.t2[i % 3].y));
    }
    bg::correct(a);
    bg::correct(b);
    inputs.emplace_back(a, b);
  }
  std::vector<BgPolygon> out;
  runPairs(state, inputs, [&out](const auto& input) {
    out.clear();
    bg::intersection(input.first, input.second, out);
    benchmark::DoNotOptimize(out.data());
    return !out.empty();
  });
}
BENCHMARK(BM_BoostGeometry)->Arg(0)->Arg(1);

}  // namespace

BENCHMARK_MAIN();
