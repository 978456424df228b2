// What the window shows besides the scene: a grid under it, and words over it.
#pragma once

#include "viewer/camera.h"

// Light grid lines at a round step across the view, the axes through the origin a shade
// darker.
void drawGrid(Camera view, double aspect);

// The grid's words over the drawing: the step in the lower-left corner, each line's coordinate
// along the bottom and the left edge, and the axes' names x and y.
void drawGridWords(Camera view, int width, int height);

// A name beside every vertex in sight, and the counts and the overlap in words in the top-left
// corner, with the hint to press f where asked. The grabbed vertex (0..5, or -1) shows its
// coordinates; with keepSides, each name stays on the side of its point it had in the frame
// before, where it is still clear there.
void drawWords(bool hint, int grabbed, bool keepSides, int width, int height);
