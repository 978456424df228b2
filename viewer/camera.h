// Where the viewer's camera looks from, and how the user moves it.
#pragma once

#include "geometry/geometry.h"

// The camera looks straight down at (cx, cy) from the given distance above the plane.
struct Camera {
  float cx;
  float cy;
  float distance;
};

// The camera over the box minCorner..maxCorner. The width is taken as |min| + max on each
// axis, and the height above the plane is the width in x unless the box is more than twice
// as tall as that.
Camera cameraFor(Point minCorner, Point maxCorner);

// The first view of a scene: the camera over its box, or one unit above a scene that has no
// extent (where the camera would stand in the plane itself).
Camera firstView(Point minCorner, Point maxCorner);

// The nearest and farthest distances the perspective draws: 1 to 1000, widened around the
// camera's distance so that a scene at any scale lies between them.
struct ClipPlanes {
  double nearPlane;
  double farPlane;
};
ClipPlanes clipPlanesFor(float distance);

// Vertical field of view of the window, in degrees.
constexpr double kFieldOfView = 45.0;

// The camera that shows the whole box lo..hi, centred, with a margin, in a window whose width
// is aspect times its height.
Camera fitting(Point lo, Point hi, double aspect);

// The camera moved closer (factor < 1) or farther, over the same point.
Camera zoomed(Camera camera, float factor);

// The camera moved across the plane by the given fractions of its distance.
Camera panned(Camera camera, float right, float up);
