// The program's overlap polygon against the exact overlap computed by CGAL, on 100,000+
// triangle pairs of three kinds.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <sstream>
#include <vector>

#include "tools/exact_overlap.h"
#include "tools/triangle_pairs.h"

namespace {

struct PairClass {
  const char* name;
  std::vector<TrianglePair> (*make)();
};

const char* kindName(OverlapKind kind) {
  switch (kind) {
    case OverlapKind::kEmpty:
      return "empty";
    case OverlapKind::kPoint:
      return "point";
    case OverlapKind::kSegment:
      return "segment";
    case OverlapKind::kPolygon:
      return "polygon";
  }
  return "?";
}

std::string describe(const TrianglePair& pair, const Comparison& c) {
  std::ostringstream text;
  text.precision(9);
  text << "T1 =";
  for (const Point& p : pair.t1) text << " (" << p.x << ", " << p.y << ")";
  text << ", T2 =";
  for (const Point& p : pair.t2) text << " (" << p.x << ", " << p.y << ")";
  text << ": exact " << kindName(c.exact.kind) << " of area " << c.exact.area << "; program "
       << c.total << " candidates, ring of " << c.m << " with area " << c.area << "\n";
  return text.str();
}

class ExactComparison : public ::testing::TestWithParam<PairClass> {};

TEST_P(ExactComparison, EveryPairAgrees) {
  const std::vector<TrianglePair> pairs = GetParam().make();
  int disagreements = 0;
  double worst = 0;
  int kinds[4] = {0, 0, 0, 0};
  std::string examples;
  for (const TrianglePair& pair : pairs) {
    const Comparison c = compareWithExact(pair.t1, pair.t2);
    ++kinds[int(c.exact.kind)];
    worst = std::max(worst, c.areaError);
    if (!c.agrees && ++disagreements <= 60) examples += describe(pair, c);
  }
  std::printf(
      "%s: %zu pairs (%d empty, %d point, %d segment, %d polygon), %d disagree, "
      "worst area error %.3g\n",
      GetParam().name, pairs.size(), kinds[0], kinds[1], kinds[2], kinds[3], disagreements, worst);
  EXPECT_EQ(disagreements, 0) << examples;
}

INSTANTIATE_TEST_SUITE_P(
    Classes, ExactComparison,
    ::testing::Values(PairClass{"RandomDecimal", [] { return randomDecimalPairs(40000, 1); }},
                      PairClass{"SmallGrid", [] { return smallGridPairs(40000, 2); }},
                      PairClass{"Constructed", [] { return constructedPairs(1000, 3); }}),
    [](const ::testing::TestParamInfo<PairClass>& info) { return std::string(info.param.name); });

}  // namespace
