// What the window shows besides the scene: a grid under it, and words over it.
#pragma once

#include "scene/scene.h"
#include "viewer/camera.h"
#include "viewer/interaction.h"

// Light grid lines at a round step across the view, the axes through the origin a shade
// darker.
void drawGrid(Camera view, double aspect);

// The grid's words over the drawing: the step in the lower-left corner, each line's coordinate
// along the bottom and the left edge, and the axes' names x and y; a number or a name that would
// meet one of the words avoid[0..avoiding) is left out.
void drawGridWords(Camera view, int width, int height, const LabelBox avoid[], int avoiding);

// The words of one frame, placed: the fixed lines (the result line in the top-left corner, the
// origins asked for at the bottom left) and the names beside the points in sight.
constexpr int kMaxResultRows = 6;  // the rows the result line may wrap into
constexpr int kMaxStepRows = 8;    // the rows a step of the lesson may wrap into
constexpr int kMaxFixedRows = kMaxResultRows + kMaxStepRows + 1 + kMaxCandidates;
struct FrameWords {
  char lines[kMaxFixedRows][160];
  Label labels[kMaxLabels];
  LabelBox boxes[kMaxFixedRows + kMaxLabels];
  int named[kMaxFixedRows + kMaxLabels];  // each name's label
  int fixed = 0, all = 0;
  int sides[kMaxLabels];  // by the name's id, the side it took (-1: not shown)
  int wordsTop = 0;       // pixels the result line takes at the top, with the hint to press f
};

// Places the frame's words for the task shown in the state, the result line wrapped to the
// window's width; step: the lesson's step shown, or nullptr; hint: the result line asks for f.
void layOutWords(const WindowState& s, const Task& task, const LessonFrame* step, bool hint,
                 FrameWords* out);

// Draws the words placed, each on its backing.
void drawWords(const FrameWords& words);

// The lesson's step drawn over the scene: the sides it looks at thick (T1's blue, T2's green, the
// overlap's red), and its point ringed.
void drawLessonStep(const Task& task, const LessonFrame& step, Camera view, int height);

// How candidate k was found, drawn over the scene: the two sides that make it thick (T1's
// blue, T2's green), or the vertex inside ringed and the triangle it lies in thick.
void drawOrigin(const Task& task, int k, Camera view, int height);
