#include "scene/labels.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

Task typicalTask() {
  Task task;
  const Point t1[3] = {{0, 0}, {4, 0}, {0, 4}}, t2[3] = {{1, 1}, {5, 1}, {1, 5}};
  const Point ring[3] = {{3, 1}, {1, 3}, {1, 1}};
  std::copy(t1, t1 + 3, task.t1);
  std::copy(t2, t2 + 3, task.t2);
  std::copy(ring, ring + 3, task.overlap);
  task.n = 2, task.q = 1, task.m = 3;
  return task;
}

TEST(ResultLine, TheCountsAndTheOverlapInWords) {
  const Task typical = typicalTask();
  Task point = typical, segment = typical, empty;
  point.m = 1;
  point.overlap[0] = {4, 0};
  segment.m = 2;
  const struct {
    const Task& task;
    bool hint;
    const char* line;
  } cases[] = {
      {empty, false, "n = 0, p = 0, q = 0. Presek je prazan."},
      {point, false, "n = 2, p = 0, q = 1. Presek je tacka ( 4.000 , 0.000 )."},
      {segment, false, "n = 2, p = 0, q = 1. Presek je duz T[0] - T[1], duzine 2.828."},
      {typical, true,
       "n = 2, p = 0, q = 1. Presek je poligon sa 3 temena, povrsine 2.000. Pritisnite f za ceo "
       "zadatak."},
  };
  for (const auto& c : cases) {
    char line[160];
    resultLine(c.task, c.hint, line, sizeof line);
    EXPECT_STREQ(line, c.line);
  }
}

// Each candidate says how it was found, with the window's names; one that is no vertex of the
// printed ring is named by its coordinates.
TEST(OriginLine, HowEachCandidateWasFound) {
  Task task = typicalTask();
  const Point candidates[] = {{3, 1}, {1, 3}, {1, 1}, {0.5f, 0}, {2, 2}, {3, 1}, {1, 3}, {1, 1}};
  const Origin origins[] = {
      originOf(Found::kSidesCross, 1, 0),    originOf(Found::kStretchEnd, 2, 1),
      originOf(Found::kT2VertexIn, 0, 0),    originOf(Found::kT1VertexIn, 2, 0),
      originOf(Found::kSidesCross, 0, 2),    originOf(Found::kT1PointOnSide, 0, 2),
      originOf(Found::kT2PointOnSide, 1, 0), originOf(Found::kVerticesTouch, 2, 1)};
  std::copy(candidates, candidates + 8, task.candidates);
  std::copy(origins, origins + 8, task.origins);
  const char* expected[] = {
      "T[0] = presek stranica T1.2-T1.3 i T2.1-T2.2",
      "T[1] = kraj zajednickog dela stranica T1.3-T1.1 i T2.2-T2.3",
      "T[2] = teme T2.1, unutar trougla T1",
      "( 0.500 , 0.000 ) = teme T1.3, unutar trougla T2",
      "( 2.000 , 2.000 ) = presek stranica T1.1-T1.2 i T2.3-T2.1",
      // Where a triangle has no area: a point on a side, and two segments' shared vertex.
      "T[0] = tacka T1.1 (trougao T1 je sveden na tacku) na stranici T2.3-T2.1",
      "T[1] = tacka T2.1 (trougao T2 je sveden na tacku) na stranici T1.2-T1.3",
      "T[2] = zajednicko teme T1.3 i T2.2 (oba trougla su svedena na duzi)",
  };
  for (int k = 0; k < 8; ++k) {
    char line[128];
    originLine(task, k, line, sizeof line);
    EXPECT_STREQ(line, expected[k]);
  }
}

// Every vertex is named as the prompts and the console name it; one place, one label.
TEST(TaskLabels, NamesEveryPlaceOnce) {
  Task touching;
  const Point t1[3] = {{0, 0}, {4, 0}, {0, 4}}, t2[3] = {{4, 0}, {8, 0}, {4, 4}};
  std::copy(t1, t1 + 3, touching.t1);
  std::copy(t2, t2 + 3, touching.t2);
  touching.m = 1;  // its one point is stated in the result line, not named
  touching.overlap[0] = {4, 0};
  Task segment = typicalTask();
  segment.m = 2;
  const struct {
    Task task;
    std::vector<std::string> names;
  } cases[] = {
      {typicalTask(), {"T1.1", "T1.2", "T1.3", "T2.1 = T[2]", "T2.2", "T2.3", "T[0]", "T[1]"}},
      {segment, {"T1.1", "T1.2", "T1.3", "T2.1", "T2.2", "T2.3", "T[0]", "T[1]"}},
      {touching, {"T1.1", "T1.2 = T2.1", "T1.3", "T2.2", "T2.3"}},
  };
  for (const auto& c : cases) {
    Label labels[kMaxLabels];
    const int count = taskLabels(c.task, labels);
    std::vector<std::string> names;
    for (int k = 0; k < count; ++k) names.push_back(labels[k].text);
    EXPECT_EQ(names, c.names);
  }
  // The polygon's names are dark red, away from the polygon: T[0] = (3, 1) lies right of its
  // centre, T2.1 = T[2] = (1, 1) lower left of both its figures' centres.
  Label labels[kMaxLabels];
  taskLabels(typicalTask(), labels);
  EXPECT_TRUE(labels[6].ofPolygon && labels[3].ofPolygon && !labels[4].ofPolygon);
  EXPECT_TRUE(labels[6].awayX > 0 && labels[3].awayX < 0 && labels[3].awayY < 0);
}

// Boxes go beside their points, away from their figures, and never over a box placed before.
TEST(PlaceLabels, BesideThePointAndApart) {
  LabelBox boxes[] = {
      {100, 100, 1, 0, 40, 18, 0, 0},     // away to the right
      {100, 100, 0, -1, 40, 18, 0, 0},    // below, but the first reaches there: lower left
      {100, 104, 1, 0, 40, 18, 0, 0},     // right again, where the first one is
      {100, 100, -1, 1, 40, 18, 0, 0},    // up and left
      {990, 100, 1, 0, 40, 18, 0, 0},     // right, but the window ends there: up and left
      {500, 100, 1, 0, 40, 18, 0, 0, 2},  // right, but it keeps its side: above
      {10, 50, 1, 0, 40, 18, 0, 0, 4},    // it keeps the left, where the window ends: right
  };
  placeLabels(boxes, 0, 7, 6, 1000, 200);
  const double expected[][2] = {{106, 91},  {54, 76},   {106, 110}, {54, 106},
                                {944, 106}, {480, 106}, {16, 41}};
  for (int k = 0; k < 7; ++k) {
    EXPECT_EQ(std::make_pair(boxes[k].left, boxes[k].bottom),
              std::make_pair(expected[k][0], expected[k][1]))
        << k;
  }
}

// Near the top edge, under the result line, every side close to the point is taken: the name
// stands farther out, in the window and off the line.
TEST(PlaceLabels, FartherOutWhereTheSidesAroundAreTaken) {
  LabelBox boxes[] = {{0, 0, 0, 0, 404, 18, 8, 674}, {372, 688, 0, 1, 38, 18, 0, 0}};
  placeLabels(boxes, 1, 2, 6, 1024, 700);
  const LabelBox& name = boxes[1];
  EXPECT_TRUE(name.left >= 0 && name.bottom >= 0 && name.left + 38 <= 1024 &&
              name.bottom + 18 <= 700);
  EXPECT_TRUE(name.bottom + 18 <= 674 || name.left >= 412) << name.left << " " << name.bottom;
}

}  // namespace
