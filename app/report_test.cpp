#include "app/report.h"

#include <gtest/gtest.h>

#include <string>

#include "scene/scene.h"
#include "tools/console_texts.h"
#include "tools/memory_stream.h"

namespace {

struct ReportCase {
  const char* what;
  Point t1[3];
  Point t2[3];
  const char* console;
  size_t redSegments;
};

TEST(ReportOverlap, PrintsThePolygonAndOutlinesIt) {
  const ReportCase cases[] = {
      {"typical run", {{0, 0}, {4, 0}, {0, 4}}, {{1, 1}, {5, 1}, {1, 5}}, kTypicalResults, 3},
      {"nested", {{0, 0}, {10, 0}, {0, 10}}, {{1, 1}, {3, 1}, {1, 3}}, kNestedResults, 3},
      {"disjoint", {{0, 0}, {1, 0}, {0, 1}}, {{5, 5}, {6, 5}, {5, 6}}, kNoOverlapResults, 0},
      {"empty input: everything at the origin", {}, {}, kNoOverlapResults, 0},
      {"touching at one vertex: a single point, no polygon",
       {{0, 0}, {2, 0}, {0, 2}},
       {{2, 0}, {4, 0}, {3, 2}},
       "Broj presecnih tacaka : n = 1\n"
       "Broj temena trougla T1 u trouglu T2: p = 0\n"
       "Broj temena trougla T2 u trouglu T1: q = 0\n",
       0},
      {"six-pointed star",
       {{0, 0}, {6, 0}, {3, 6}},
       {{0, 4}, {3, -2}, {6, 4}},
       "Broj presecnih tacaka : n = 6\n"
       "Broj temena trougla T1 u trouglu T2: p = 0\n"
       "Broj temena trougla T2 u trouglu T1: q = 0\n"
       "Broj temena presecnog poligona je : 6\n"
       "T[0]=( 2.000 , 0.000 )\n"
       "T[1]=( 4.000 , 0.000 )\n"
       "T[2]=( 5.000 , 2.000 )\n"
       "T[3]=( 4.000 , 4.000 )\n"
       "T[4]=( 2.000 , 4.000 )\n"
       "T[5]=( 1.000 , 2.000 )\n",
       6},
  };
  for (const ReportCase& c : cases) {
    resetScene();
    OutputCapture console;
    const Report report = reportOverlap(c.t1, c.t2, console.stream());
    EXPECT_EQ(console.text(), c.console) << c.what;
    ASSERT_EQ(gSegments.size(), 6 + c.redSegments) << c.what;
    for (size_t i = 0; i < gSegments.size(); ++i) {
      EXPECT_EQ(gSegments[i].color, i < 6 ? BLACK : RED) << c.what << " segment " << i;
    }
    EXPECT_EQ(gPoints.size(), size_t(report.total)) << c.what;
    if (report.m > 0) {
      // The outline closes on the first vertex.
      EXPECT_EQ(gSegments.back().b.x, report.polygon[0].x) << c.what;
      EXPECT_EQ(gSegments.back().b.y, report.polygon[0].y) << c.what;
    }
  }
}

}  // namespace
