// Where the window's words may stand: boxes of pixels against each other and against the
// drawing, as plain arithmetic.
#pragma once

#include "geometry/predicates.h"
#include "scene/labels.h"

// Whether two boxes share more than an edge.
bool boxesMeet(const LabelBox& a, const LabelBox& b);

// Whether box meets any of boxes[0..count).
bool meetsAny(const LabelBox& box, const LabelBox boxes[], int count);

// Whether the segment a-b (window pixels) passes through the box grown by pad on every side.
bool segmentMeetsBox(Vec a, Vec b, const LabelBox& box, double pad);

// The first of places[0..count) that keeps pad pixels clear of every segment ends[k][0]-ends[k][1]
// (k < segments, a point as a segment of no length), or -1.
int clearPlace(const LabelBox places[], int count, const Vec ends[][2], int segments, double pad);

// Breaks text at blanks into lines of at most `room` wide, as measure says, a word wider than
// the room on a line of its own; returns the number of lines (at most maxLines, the last one
// holding the rest).
int wrapWords(const char* text, double room, double (*measure)(const char*), char out[][160],
              int maxLines);
