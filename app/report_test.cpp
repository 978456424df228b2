#include "app/report.h"

#include <gtest/gtest.h>

#include <cstring>
#include <sstream>
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
      {"typical run",
       {{0, 0}, {4, 0}, {0, 4}, {1, 1}, {5, 1}, {1, 5}},
       counts(2, 0, 1) + ring({"3.000 , 1.000", "1.000 , 3.000", "1.000 , 1.000"})},
      {"everything at the origin", {}, counts(0, 0, 0)},
      {"one candidate: counted, no polygon",
       {{0, 0}, {2, 0}, {0, 2}, {2, 0}, {4, 0}, {3, 2}},
       counts(1, 0, 0)},
      {"a segment: the outermost two candidates",
       {{6, 5}, {4, 5}, {2, 5}, {9, 2}, {2, 2}, {1, 7}},
       counts(1, 2, 0) + ring({"4.200 , 5.000", "2.000 , 5.000"})},
  };
  for (const auto& c : cases) {
    resetScene();
    std::FILE* out = std::tmpfile();
    const Solution report = reportOverlap(c.t, c.t + 3, out);
    const int total = candidateTotal(report), ring = total > 1 ? report.m : 0;
    EXPECT_EQ(closeAndRead(out), c.console) << c.what;
    // Every candidate as a red point, in the order found; the six sides in black, then the
    // outline in red, closed on the first vertex.
    ASSERT_EQ(gPoints.size(), size_t(total)) << c.what;
    for (int k = 0; k < total; ++k) {
      EXPECT_EQ(std::make_tuple(gPoints[k].x, gPoints[k].y, gPoints[k].color),
                std::make_tuple(report.candidates[k].x, report.candidates[k].y, RED))
          << c.what << " point " << k;
    }
    ASSERT_EQ(gSegments.size(), size_t(6 + ring)) << c.what;
    for (size_t i = 0; i < gSegments.size(); ++i) {
      EXPECT_EQ(gSegments[i].color, i < 6 ? BLACK : RED) << c.what << " segment " << i;
    }
    if (ring > 0) {
      EXPECT_EQ(std::tie(gSegments.back().b.x, gSegments.back().b.y),
                std::tie(report.overlap[0].x, report.overlap[0].y));
    }
    // The overlap for the window: its ring, or its one point.
    EXPECT_EQ(report.m, total > 1 ? ring : total) << c.what;
    if (total == 1) {
      EXPECT_EQ(std::tie(report.overlap[0].x, report.overlap[0].y),
                std::tie(report.candidates[0].x, report.candidates[0].y));
    }
  }
}

// Each of the twelve numbers is the shortest decimal that reads back as the same float.
TEST(TaskLine, ReadsBackToTheSameFloats) {
  const Point t[6] = {
      {0, 4}, {0.1f, -0.0f}, {1e-7f, 1e18f}, {1.0f / 3, -2.5f}, {3e-38f, 16777216.0f}};
  const std::string line = taskLine(t, t + 3);
  EXPECT_EQ(line, "Zadatak: 0 4 0.1 -0 1e-07 1e+18 0.33333334 -2.5 3e-38 16777216 0 0");
  std::istringstream numbers(line.substr(std::strlen("Zadatak: ")));
  Point back[6];
  for (Point& v : back) numbers >> v.x >> v.y;
  EXPECT_EQ(std::memcmp(back, t, sizeof t), 0) << line;
}

}  // namespace
