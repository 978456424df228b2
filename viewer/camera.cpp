#include "viewer/camera.h"

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
