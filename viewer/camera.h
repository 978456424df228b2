// Where the viewer's camera looks from, and how the user moves it.
#pragma once

#include "geometry/geometry.h"
#include "geometry/predicates.h"

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

// Half a turn, in radians.
constexpr double kPi = 3.14159265358979323846;

// Vertical field of view of the window, in degrees.
constexpr double kFieldOfView = 45.0;

// The camera that shows the whole box lo..hi, centred, with a margin, in a window whose width
// is aspect times its height.
Camera fitting(Point lo, Point hi, double aspect);

// The plane's half-height that the camera sees: its distance times the tangent of half the
// field of view.
double halfHeightSeen(Camera camera);

// Whether the view shows the box lo..hi badly, in a window whose width is aspect times its
// height: part of it outside, or all of it smaller than a tenth of the window's height.
bool showsPoorly(Camera camera, double aspect, Point lo, Point hi);

// Where plane point (x, y) appears in a window of width x height pixels under the camera: in
// window coordinates (pixels from the lower-left corner, a pixel's centre at + 0.5).
Vec windowPointOf(Camera view, int width, int height, Vec plane);

// The plane point that appears at window coordinates (wx, wy): the inverse of windowPointOf.
Vec planePointAt(Camera view, int width, int height, Vec window);

// The step of a grid over a view width x height of the plane: 1, 2 or 5 times a power of ten,
// the smallest for which at most 15 grid lines cross the view (so at least 6 do).
double gridStep(double width, double height);

// The grid's step over what the camera sees in a window whose width is aspect times its height.
double gridStepOf(Camera view, double aspect);

// The camera moved closer (factor < 1) or farther, over the same point, within distances from
// 1e-30 to 1e30, where the view of the plane still has a size.
Camera zoomed(Camera camera, float factor);

// The camera moved across the plane by the given fractions of its distance.
Camera panned(Camera camera, float right, float up);
