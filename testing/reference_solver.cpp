#include "testing/reference_solver.h"

#include <cstring>

#include "solver/lesson.h"
#include "solver/solve.h"

namespace {

bool same(Point a, Point b) {
  return !std::memcmp(&a, &b, sizeof a);
}

// The candidates as the counted steps find them, in the solver's order (crossings and touching
// points, vertices of T1, vertices of T2), each step's count rising by one, and the last step
// with the solver's counts.
bool stepsFind(const Lesson& lesson, const Solution& fast) {
  const int first[3] = {0, fast.n, fast.n + fast.p};
  const int end[3] = {fast.n, fast.n + fast.p, candidateTotal(fast)};
  int at[3] = {first[0], first[1], first[2]};
  for (int k = 0; k < lesson.count; ++k) {
    const LessonStep& step = lesson.steps[k];
    if (step.verdict != Verdict::kCounted) continue;
    const int group = step.tried == Tried::kT1Vertex ? 1 : step.tried == Tried::kT2Vertex ? 2 : 0;
    const int count[3] = {step.n, step.p, step.q};
    if (at[group] == end[group] || !same(fast.candidates[at[group]], step.at) ||
        fast.origins[at[group]].code != originOfStep(step).code ||
        count[group] != at[group] - first[group] + 1) {
      return false;
    }
    ++at[group];
  }
  const LessonStep& final = lesson.steps[lesson.count - 1];
  return at[0] == end[0] && at[1] == end[1] && at[2] == end[2] && final.n == fast.n &&
         final.p == fast.p && final.q == fast.q;
}

// The ring's steps name its sides in order, or say the overlap is a segment, a point, nothing.
bool ringSteps(const Lesson& lesson) {
  const int m = lesson.solution.m, total = candidateTotal(lesson.solution);
  const LessonStep& final = lesson.steps[lesson.count - 1];
  if (m < 3) {
    const Tried expected = total == 0   ? Tried::kNothing
                           : total == 1 ? Tried::kOnePoint
                                        : Tried::kRingSegment;
    return final.tried == expected;
  }
  for (int k = 0; k < m; ++k) {
    const LessonStep& step = lesson.steps[lesson.count - m + k];
    if (step.tried != Tried::kRingSide || step.ofT1 != k ||
        !same(step.at, lesson.solution.overlap[k])) {
      return false;
    }
  }
  return true;
}

}  // namespace

bool solvedAsStraightforward(const Point t1[3], const Point t2[3]) {
  const Solution fast = solveTask(t1, t2);
  const Lesson lesson = lessonOf(t1, t2);
  const Solution& slow = lesson.solution;
  const size_t total = size_t(candidateTotal(fast)), m = size_t(fast.m);
  return fast.n == slow.n && fast.p == slow.p && fast.q == slow.q && fast.m == slow.m &&
         !std::memcmp(fast.candidates, slow.candidates, sizeof(Point) * total) &&
         !std::memcmp(fast.origins, slow.origins, sizeof(Origin) * total) &&
         !std::memcmp(fast.overlap, slow.overlap, sizeof(Point) * (m + (m > 0))) &&
         stepsFind(lesson, fast) && ringSteps(lesson);
}
