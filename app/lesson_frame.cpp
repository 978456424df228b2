#include "app/lesson_frame.h"

#include <algorithm>

namespace {

// The point the step looks at, ringed in the colour of the triangle it belongs to.
void ring(LessonFrame* frame, Point at, Color color) {
  frame->ringed = true;
  frame->at = at;
  frame->ringColor = color;
}

// Whether the step's sides meet at its point (found, found again, or crossing a flat triangle).
bool sidesMeet(Verdict verdict) {
  return verdict == Verdict::kCounted || verdict == Verdict::kFoundAlready ||
         verdict == Verdict::kT1FlatOnce || verdict == Verdict::kT2FlatOnce ||
         verdict == Verdict::kBothFlatOnce;
}

// What the step draws thick or rings on the triangles and the overlap.
void marks(const LessonStep& step, const Solution& solution, LessonFrame* frame) {
  switch (step.tried) {
    case Tried::kSides:
    case Tried::kStretchEnd:
      frame->thickT1[step.ofT1] = frame->thickT2[step.ofT2] = true;
      if (sidesMeet(step.verdict)) ring(frame, step.at, RED);
      return;
    case Tried::kT1Vertex:  // the vertex of T1 against the whole of T2
      std::fill(frame->thickT2, frame->thickT2 + 3, true);
      return ring(frame, step.at, BLUE);
    case Tried::kT2Vertex:
      std::fill(frame->thickT1, frame->thickT1 + 3, true);
      return ring(frame, step.at, GREEN);
    case Tried::kT1PointOnSide:
      frame->thickT2[step.ofT2] = true;
      return ring(frame, step.at, BLUE);
    case Tried::kT2PointOnSide:
      frame->thickT1[step.ofT1] = true;
      return ring(frame, step.at, GREEN);
    case Tried::kVerticesTouch:
    case Tried::kOnePoint:
      return ring(frame, step.at, RED);
    case Tried::kRingSide:
    case Tried::kRingSegment:
      frame->ringSide = true;
      frame->at = solution.overlap[step.ofT1];
      frame->to = solution.overlap[step.ofT2];
      return;
    case Tried::kVerticesSkipped:
    case Tried::kNothing:
      return;
  }
}

}  // namespace

LessonFrame lessonFrameOf(const Lesson& lesson, int k) {
  static_assert(kLessonWordsSize == kStepWordsSize);
  LessonFrame frame;
  frame.step = k;
  frame.steps = lesson.count;
  const LessonStep& step = lesson.steps[k];
  marks(step, lesson.solution, &frame);
  for (int i = 0; i <= k; ++i) {
    frame.found += lesson.steps[i].verdict == Verdict::kCounted;
    frame.outlineSides += i < k && lesson.steps[i].tried == Tried::kRingSide;
  }
  frame.n = step.n;
  frame.p = step.p;
  frame.q = step.q;
  stepWords(lesson, k, frame.words, sizeof frame.words);
  return frame;
}
