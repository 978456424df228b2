// What the window shows besides the scene: a grid under it, and words over it.
#pragma once

#include "viewer/camera.h"

// Light grid lines at a round step across the view, the axes through the origin a shade
// darker, and the step written in the lower-left corner.
void drawGrid(Camera view, double aspect);

// A name beside every vertex in sight, and the counts and the overlap in words in the top-left
// corner, with the hint to press f where asked. The grabbed vertex (0..5, or -1) shows its
// coordinates; with keepSides, each name stays on the side of its point it had in the frame
// before, where it is still clear there.
void drawWords(bool hint, int grabbed, bool keepSides, int width, int height);
