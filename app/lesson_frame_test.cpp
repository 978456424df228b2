#include "app/lesson_frame.h"

#include <gtest/gtest.h>

#include "testing/triangle_pairs.h"

namespace {

bool operator==(Point a, Point b) {
  return samePlace(a, b);
}

// The typical task's steps as the window draws them: the sides looked at, the point ringed in
// its triangle's colour, what is found so far, and the ring's sides.
TEST(LessonFrame, TheTypicalTaskStepByStep) {
  const Point t1[3] = {{0, 0}, {4, 0}, {0, 4}}, t2[3] = {{1, 1}, {5, 1}, {1, 5}};
  const Lesson lesson = lessonOf(t1, t2);
  ASSERT_EQ(lesson.count, 18);
  struct Row {
    int step;
    bool thick1[3], thick2[3];
    bool ringed, ringSide;
    Point at, to;
    Color color;
    int found, outline;
  } rows[] = {
      {0, {1, 0, 0}, {1, 0, 0}, false, false, {}, {}, RED, 0, 0},  // parallel sides
      {3, {0, 1, 0}, {1, 0, 0}, true, false, {3, 1}, {}, RED, 1, 0},
      {9, {0, 0, 0}, {1, 1, 1}, true, false, {0, 0}, {}, BLUE, 2, 0},  // T1.1 against T2
      {10, {1, 1, 1}, {0, 0, 0}, true, false, {1, 1}, {}, GREEN, 3, 0},
      {16, {0, 0, 0}, {0, 0, 0}, false, true, {1, 3}, {1, 1}, RED, 3, 1},
      {17, {0, 0, 0}, {0, 0, 0}, false, true, {1, 1}, {3, 1}, RED, 3, 2},
  };
  for (const Row& row : rows) {
    const LessonFrame frame = lessonFrameOf(lesson, row.step);
    SCOPED_TRACE(frame.words);
    for (int i = 0; i < 3; ++i) {
      EXPECT_EQ(frame.thickT1[i], row.thick1[i]) << i;
      EXPECT_EQ(frame.thickT2[i], row.thick2[i]) << i;
    }
    EXPECT_EQ(frame.ringed, row.ringed);
    EXPECT_EQ(frame.ringSide, row.ringSide);
    EXPECT_TRUE(frame.at == row.at && frame.to == row.to);
    EXPECT_EQ(frame.ringColor, row.color);
    EXPECT_EQ(frame.found, row.found);
    EXPECT_EQ(frame.outlineSides, row.outline);
    EXPECT_EQ(lastStep(frame), row.step == 17);
  }
}

// Over pairs of every kind, the found points are the candidates so far (their counts), and the
// ring's sides go round the overlap: the last step has found them all.
TEST(LessonFrame, FoundSoFarGrowsToTheResult) {
  for (int kind = 0; kind < kPairKinds; ++kind) {
    for (const TrianglePair& pair : makePairs(kind, 400, 17)) {
      const Lesson lesson = lessonOf(pair.t1, pair.t2);
      const Solution& s = lesson.solution;
      for (int k = 0; k < lesson.count; ++k) {
        const LessonFrame frame = lessonFrameOf(lesson, k);
        ASSERT_EQ(frame.found, frame.n + frame.p + frame.q) << pairKindName(kind);
        if (frame.ringSide && s.m > 2) {
          ASSERT_TRUE(frame.at == s.overlap[frame.outlineSides]);
          ASSERT_TRUE(frame.to == s.overlap[(frame.outlineSides + 1) % s.m]);
        }
      }
      ASSERT_EQ(lessonFrameOf(lesson, lesson.count - 1).found, candidateTotal(s));
    }
  }
}

}  // namespace
