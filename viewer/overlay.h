// What the window shows besides the scene: a grid under it, and words over it.
#pragma once

#include "scene/scene.h"
#include "viewer/camera.h"

// Light grid lines at a round step across the view, the axes through the origin a shade
// darker.
void drawGrid(Camera view, double aspect);

// The grid's words over the drawing: the step in the lower-left corner, each line's coordinate
// along the bottom and the left edge, and the axes' names x and y.
void drawGridWords(Camera view, int width, int height);

// What a frame's words show.
struct WordsShown {
  bool hint;       // the result line asks for f
  int grabbed;     // the vertex held (0..5, T1 then T2), which shows its coordinates; or -1
  bool keepSides;  // each name keeps the side of its point it had, where that is still clear
  int hovered;     // the candidate under the cursor, whose origin is said in words; or -1
  bool origins;    // every candidate's origin, a line each
  bool grid;       // the grid's words take the bottom row
};

// A name beside every vertex in sight, the counts and the overlap in words in the top-left
// corner, and the origins asked for in the bottom-left corner, a line each, above each other.
void drawWords(const WordsShown& shown, int width, int height);

// How candidate k was found, drawn over the scene: the two sides that make it thick (T1's
// blue, T2's green), or the vertex inside ringed and the triangle it lies in thick.
void drawOrigin(const Task& task, int k, Camera view, int height);
