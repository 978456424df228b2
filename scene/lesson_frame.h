// One step of the lesson as the window draws it: the sides and the point it looks at, what is
// found so far, and its words. app/ makes it from the solver's steps; the window only draws it.
#pragma once

#include "geometry/geometry.h"

// Room for a step's words, at any coordinates.
constexpr int kLessonWordsSize = 512;

struct LessonFrame {
  int step = 0, steps = 0;                // the step shown (from 0) of how many
  bool thickT1[3] = {}, thickT2[3] = {};  // sides drawn thick: side i from vertex i to i + 1
  bool ringed = false;                    // the point `at` is ringed in ringColor
  Point at{};
  Color ringColor = RED;
  bool ringSide = false;  // the overlap's side from `at` to `to` is drawn thick
  Point to{};
  int found = 0;            // the candidates T[0..found) found so far are drawn
  int outlineSides = 0;     // the overlap's sides 0..outlineSides-1 are drawn
  int n = 0, p = 0, q = 0;  // the counts so far
  char words[kLessonWordsSize] = {};
};

// Whether the frame is the lesson's last step, which shows the result whole.
inline bool lastStep(const LessonFrame& frame) {
  return frame.step + 1 >= frame.steps;
}
