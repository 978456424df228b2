#include "testing/reference_solver.h"

#include <cstring>

#include "solver/candidates.h"
#include "solver/lesson.h"
#include "solver/polygon_order.h"

namespace {

bool same(Point a, Point b) {
  return !std::memcmp(&a, &b, sizeof a);
}

// The candidates as the counted steps find them, in the solver's order (crossings and touching
// points, vertices of T1, vertices of T2), each step's count rising by one, and the last step
// with the solver's counts.
bool stepsFind(const Lesson& lesson, const Candidates& fast) {
  const int first[3] = {0, fast.n, fast.n + fast.p};
  const int end[3] = {fast.n, fast.n + fast.p, candidateCount(fast)};
  int at[3] = {first[0], first[1], first[2]};
  for (int k = 0; k < lesson.count; ++k) {
    const LessonStep& step = lesson.steps[k];
    if (step.verdict != Verdict::kCounted) continue;
    const int group = step.tried == Tried::kT1Vertex ? 1 : step.tried == Tried::kT2Vertex ? 2 : 0;
    const int count[3] = {step.n, step.p, step.q};
    if (at[group] == end[group] || !same(fast.points[at[group]], step.at) ||
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
bool ringSteps(const Lesson& lesson, int m, int total) {
  const LessonStep& final = lesson.steps[lesson.count - 1];
  if (m < 3) {
    const Tried expected = total == 0   ? Tried::kNothing
                           : total == 1 ? Tried::kOnePoint
                                        : Tried::kRingSegment;
    return final.tried == expected;
  }
  for (int k = 0; k < m; ++k) {
    const LessonStep& step = lesson.steps[lesson.count - m + k];
    if (step.tried != Tried::kRingSide || step.ofT1 != k || !same(step.at, lesson.ring[k])) {
      return false;
    }
  }
  return true;
}

}  // namespace

bool solvedAsStraightforward(const Point t1[3], const Point t2[3]) {
  const Candidates fast = findCandidates(t1, t2);
  const Lesson lesson = lessonOf(t1, t2);
  const Candidates& slow = lesson.found;
  const int total = candidateCount(fast);
  Point ring[kMaxCandidates + 1];
  const int m = orderConvexPolygon(fast.points, ring, total);
  return fast.n == slow.n && fast.p == slow.p && fast.q == slow.q &&
         !std::memcmp(fast.points, slow.points, sizeof(Point) * size_t(total)) &&
         !std::memcmp(fast.origins, slow.origins, sizeof(Origin) * size_t(total)) &&
         m == lesson.m && !std::memcmp(ring, lesson.ring, sizeof(Point) * size_t(m + (m > 0))) &&
         stepsFind(lesson, fast) && ringSteps(lesson, m, total);
}
