#include "viewer/camera.h"

#include <algorithm>
#include <cmath>

Camera cameraFor(Point minCorner, Point maxCorner) {
  Camera camera;
  camera.cx = float((maxCorner.x + minCorner.x) * 0.5);
  camera.cy = float((maxCorner.y + minCorner.y) * 0.5);
  const float wx = std::fabs(minCorner.x) + maxCorner.x;
  const float wy = std::fabs(minCorner.y) + maxCorner.y;
  camera.distance = float(2.0 * wx > double(wy) ? wx : wy);
  return camera;
}

Camera firstView(Point minCorner, Point maxCorner) {
  Camera camera = cameraFor(minCorner, maxCorner);
  if (!(camera.distance > 0) || !std::isfinite(camera.distance)) camera.distance = 1;
  return camera;
}

ClipPlanes clipPlanesFor(float distance) {
  return {std::min(1.0, distance * 0.5), std::max(1000.0, distance * 2.0)};
}

Camera fitting(Point lo, Point hi, double aspect) {
  const double margin = 1.1;
  const double halfHeight =
      std::max((double(hi.y) - lo.y) * 0.5, (double(hi.x) - lo.x) * 0.5 / aspect) * margin;
  const double slope = std::tan(kFieldOfView * 0.5 * M_PI / 180.0);
  Camera camera;
  camera.cx = float((double(lo.x) + hi.x) * 0.5);
  camera.cy = float((double(lo.y) + hi.y) * 0.5);
  camera.distance = halfHeight > 0 ? float(halfHeight / slope) : 1.0f;
  return camera;
}

Camera zoomed(Camera camera, float factor) {
  camera.distance *= factor;
  return camera;
}

Camera panned(Camera camera, float right, float up) {
  camera.cx += right * camera.distance;
  camera.cy += up * camera.distance;
  return camera;
}
