// Dragging a triangle's vertex with the mouse: which vertex a press takes, and where the vertex
// lands on the plane.
#pragma once

#include "viewer/camera.h"

// How near, in pixels, a press must come to a vertex's mark to take it.
constexpr double kGrabRadius = 10;

// The index of the point of x[0..count), y[0..count) nearest to (px, py) and at most radius
// away, or -1; of equally near points, the first.
int nearestWithin(const double x[], const double y[], int count, double px, double py,
                  double radius);

// The step a dragged vertex moves by: the grid's step while the grid is shown, a tenth of it
// otherwise.
double dragStep(Camera view, double aspect, bool gridShown);

// The multiple of step nearest to v, as a coordinate a task can have: rounded to single
// precision, never beyond kMaxCoordinate, and never a negative zero.
float snapped(double v, double step);
