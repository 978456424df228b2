#include "app/report.h"

#include <gtest/gtest.h>

#include <string>

#include "scene/scene.h"
#include "testing/console_texts.h"

namespace {

std::string counts(int n, int p, int q) {
  return "Broj presecnih tacaka : n = " + std::to_string(n) +
         "\nBroj temena trougla T1 u trouglu T2: p = " + std::to_string(p) +
         "\nBroj temena trougla T2 u trouglu T1: q = " + std::to_string(q) + "\n";
}

std::string ring(std::initializer_list<const char*> vertices) {
  std::string text =
      "Broj temena presecnog poligona je : " + std::to_string(vertices.size()) + "\n";
  int k = 0;
  for (const char* v : vertices) text += "T[" + std::to_string(k++) + "]=( " + v + " )\n";
  return text;
}

TEST(ReportOverlap, PrintsThePolygonAndOutlinesIt) {
  const struct {
    const char* what;
    Point t[6];  // T1, then T2
    std::string console;
  } cases[] = {
      {"typical run", {{0, 0}, {4, 0}, {0, 4}, {1, 1}, {5, 1}, {1, 5}}, kTypicalResults},
      {"everything at the origin", {}, kNoOverlapResults},
      // Overlaps that rounded decisions got wrong: each is now the exact one to the digit.
      {"a segment: the outermost two candidates",
       {{6, 5}, {4, 5}, {2, 5}, {9, 2}, {2, 2}, {1, 7}},
       counts(1, 2, 0) + ring({"4.200 , 5.000", "2.000 , 5.000"})},
      {"a vertex reached from two sides is one place",
       {{5.9f, 8.7f}, {1.1f, 6}, {7, -9}, {1.1f, 6}, {2.7f, 6.9f}, {7, -9}},
       counts(3, 0, 0) + ring({"2.700 , 6.900", "1.100 , 6.000", "7.000 , -9.000"})},
      {"no point twice where nothing overlaps",
       {{4.79f, 5.4f}, {1.4f, -1.5f}, {-5, 5.6f}, {6.8f, 7.5f}, {7.66f, -0.84f}, {2.53f, 0.8f}},
       counts(0, 0, 0)},
      {"a vertex on a side that rounding put outside",
       {{-6, 5.4f}, {-4.5f, -0.1f}, {-7.2f, 0.2f}, {-4.5f, -0.1f}, {-6, 5.4f}, {-9.9f, 0.5f}},
       counts(2, 1, 0) + ring({"-6.000 , 5.400", "-7.200 , 0.200", "-4.500 , -0.100"})},
      {"a crossing the rounded parameter missed",
       {{-1.7f, 1.2f}, {8.6f, 10}, {2.9f, -2}, {2.9f, -2}, {0.6f, -0.4f}, {8.6f, 10}},
       counts(3, 0, 0) + ring({"8.600 , 10.000", "0.600 , -0.400", "2.900 , -2.000"})},
      {"two candidates: a shared stretch",
       {{7.4f, 7.8f}, {3.2f, 6.5f}, {0.6f, 4.3f}, {3.2f, 6.5f}, {1.9f, 5.4f}, {0.6f, 4.3f}},
       counts(2, 0, 0) + ring({"3.200 , 6.500", "0.600 , 4.300"})},
  };
  for (const auto& c : cases) {
    resetScene();
    std::FILE* out = std::tmpfile();
    const Report report = reportOverlap(c.t, c.t + 3, out);
    EXPECT_EQ(closeAndRead(out), c.console) << c.what;
    // The six sides in black, then the outline in red, closed on the first vertex.
    ASSERT_EQ(gSegments.size(), size_t(6 + report.m)) << c.what;
    for (size_t i = 0; i < gSegments.size(); ++i) {
      EXPECT_EQ(gSegments[i].color, i < 6 ? BLACK : RED) << c.what << " segment " << i;
    }
    if (report.m > 0) {
      EXPECT_EQ(std::tie(gSegments.back().b.x, gSegments.back().b.y),
                std::tie(report.polygon[0].x, report.polygon[0].y));
    }
  }
}

}  // namespace
