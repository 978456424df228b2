// How the window draws: every line, point mark, box and word of a frame goes through these few
// calls, so that a frame being saved is copied, as it is drawn, into its vector drawing.
#pragma once

#include "geometry/predicates.h"
#include "viewer/handout.h"
#include "viewer/palette.h"

// The vector drawing of the frame being saved, or nullptr while no frame is.
extern SvgDrawing* gRecording;

// The colour of what is drawn next.
void useColor(Rgb colour);

// Lines from ends[0] to ends[1], ends[2] to ends[3], ..., plane points under the current
// matrices, width pixels wide.
void drawLines(const Vec ends[], int count, float width = 1);

// The closed line through the plane points points[0..count).
void drawLoop(const Vec points[], int count, float width = 1);

// A square mark of size pixels at each plane point.
void drawMarks(const Vec points[], int count, float size);

// A filled box, in window pixels (from the lower-left corner), whatever the camera.
void drawBox(double left, double bottom, double right, double top);

// Words in the window's font, their baseline starting at window pixel (left, baseline).
void drawText(const char* words, double left, double baseline);

// The width of the words in the window's font, in pixels.
double textWidth(const char* words);
