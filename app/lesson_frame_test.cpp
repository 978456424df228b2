#include "app/lesson_frame.h"

#include <gtest/gtest.h>

#include <string>

#include "testing/triangle_pairs.h"

namespace {

// A frame in short: T1's and T2's thick sides; the point ringed in its triangle's colour (r, g,
// b), or the overlap's side drawn thick (=), or nothing (.); its ends; what is found so far and
// the ring's sides drawn before.
std::string inShort(const LessonFrame& f) {
  char text[96];
  const char mark = f.ringed ? "rgb"[f.ringColor] : f.ringSide ? '=' : '.';
  std::snprintf(text, sizeof text, "%d%d%d %d%d%d %c %g %g %g %g %d %d", f.thickT1[0], f.thickT1[1],
                f.thickT1[2], f.thickT2[0], f.thickT2[1], f.thickT2[2], mark, f.at.x, f.at.y,
                f.to.x, f.to.y, f.found, f.outlineSides);
  return text;
}

TEST(LessonFrame, TheTypicalTaskStepByStep) {
  const Point t1[3] = {{0, 0}, {4, 0}, {0, 4}}, t2[3] = {{1, 1}, {5, 1}, {1, 5}};
  const Lesson lesson = lessonOf(t1, t2);
  ASSERT_EQ(lesson.count, 18);
  const std::pair<int, const char*> steps[] = {
      {0, "100 100 . 0 0 0 0 0 0"},   // T1.1-T1.2 and T2.1-T2.2, parallel
      {3, "010 100 r 3 1 0 0 1 0"},   // T1.2-T1.3 crosses T2.1-T2.2
      {9, "000 111 b 0 0 0 0 2 0"},   // T1.1 against T2
      {10, "111 000 g 1 1 0 0 3 0"},  // T2.1 inside T1
      {16, "000 000 = 1 3 1 1 3 1"},  // the ring's side T[1]-T[2]
      {17, "000 000 = 1 1 3 1 3 2"},
  };
  for (const auto& [k, expected] : steps) {
    EXPECT_EQ(inShort(lessonFrameOf(lesson, k)), expected) << k;
    EXPECT_EQ(lastStep(lessonFrameOf(lesson, k)), k == 17) << k;
  }
}

// Over pairs of every kind, the points found so far are as many as the counts, the ring's sides
// go round the overlap, and the last step has found every candidate.
TEST(LessonFrame, FoundSoFarGrowsToTheResult) {
  for (int kind = 0; kind < kPairKinds; ++kind) {
    for (const TrianglePair& pair : makePairs(kind, 400, 17)) {
      const Lesson lesson = lessonOf(pair.t1, pair.t2);
      const Solution& s = lesson.solution;
      for (int k = 0; k < lesson.count; ++k) {
        const LessonFrame f = lessonFrameOf(lesson, k);
        ASSERT_EQ(f.found, f.n + f.p + f.q) << pairKindName(kind);
        ASSERT_TRUE(!f.ringSide || s.m < 3 ||
                    (samePlace(f.at, s.overlap[f.outlineSides]) &&
                     samePlace(f.to, s.overlap[(f.outlineSides + 1) % s.m])));
      }
      ASSERT_EQ(lessonFrameOf(lesson, lesson.count - 1).found, candidateTotal(s));
    }
  }
}

}  // namespace
