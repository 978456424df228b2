// Where the viewer's camera looks from, given the scene's bounding box.
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
