// The task in words for the window: a name beside every vertex, and one line with the result.
#pragma once

#include <cstddef>

#include "scene/scene.h"

// A name at a place of the plane: the vertex names T1.1 .. T2.3 of the prompts and the polygon's
// T[0], T[1], ... as the console prints them; one label for all the names of one place.
struct Label {
  char text[64];
  Point at;
  double awayX, awayY;  // the direction away from the figures the place belongs to
  bool ofPolygon;       // it names a vertex of the overlap polygon
};
constexpr int kMaxLabels = 6 + 16;

// The labels of the task, in the order triangle T1, T2, then the polygon's new places.
int taskLabels(const Task& task, Label out[kMaxLabels]);

// The counts and the overlap in words: "n = 2, p = 0, q = 1. Presek je poligon sa 3 temena.",
// with a hint to see the whole task where the first view does not show it well.
void resultLine(const Task& task, bool hint, char* out, std::size_t size);

// Where a label goes on the screen, in pixels (y up): its point and the direction away from its
// figures in, the box of its text out.
struct LabelBox {
  double x, y;          // the point
  double awayX, awayY;  // as in Label
  double width, height;
  double left, bottom;  // the text's box, placed
};

// Places boxes[placed..count) beside their points, gap pixels off, within a window of the given
// size: away from its figures where that covers no box placed before (boxes[0..placed) are
// placed already), otherwise in the first of the other seven directions around the point that
// covers none (or away, where all do).
void placeLabels(LabelBox boxes[], int placed, int count, double gap, double width, double height);
