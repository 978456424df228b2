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
  Camera camera;
  camera.cx = float((double(lo.x) + hi.x) * 0.5);
  camera.cy = float((double(lo.y) + hi.y) * 0.5);
  camera.distance = 1;
  if (halfHeight > 0) camera.distance = float(halfHeight / halfHeightSeen(camera));
  return camera;
}

double halfHeightSeen(Camera camera) {
  return camera.distance * std::tan(kFieldOfView * 0.5 * kPi / 180.0);
}

Vec windowPointOf(Camera view, int width, int height, Vec plane) {
  const double halfHeight = halfHeightSeen(view), halfWidth = halfHeight * width / height;
  return {((plane.x - view.cx) / halfWidth + 1) * width / 2,
          ((plane.y - view.cy) / halfHeight + 1) * height / 2};
}

Vec planePointAt(Camera view, int width, int height, Vec window) {
  const double halfHeight = halfHeightSeen(view), halfWidth = halfHeight * width / height;
  return {view.cx + (2 * window.x / width - 1) * halfWidth,
          view.cy + (2 * window.y / height - 1) * halfHeight};
}

bool showsPoorly(Camera camera, double aspect, Point lo, Point hi) {
  const double halfHeight = halfHeightSeen(camera), halfWidth = halfHeight * aspect;
  const bool cut = lo.x < camera.cx - halfWidth || hi.x > camera.cx + halfWidth ||
                   lo.y < camera.cy - halfHeight || hi.y > camera.cy + halfHeight;
  const double tenth = 0.2 * halfHeight;  // of the window's height
  return cut || (double(hi.x) - lo.x < tenth && double(hi.y) - lo.y < tenth);
}

double gridStep(double width, double height) {
  const double lines = (width + height) / 15;
  const double power = std::pow(10.0, std::floor(std::log10(lines)));
  for (double factor : {1.0, 2.0, 5.0, 10.0}) {
    if (factor * power >= lines) return factor * power;
  }
  return 10 * power;
}

double gridStepOf(Camera view, double aspect) {
  const double halfHeight = halfHeightSeen(view);
  return gridStep(2 * halfHeight * aspect, 2 * halfHeight);
}

Camera zoomed(Camera camera, float factor) {
  camera.distance = std::clamp(camera.distance * factor, 1e-30f, 1e30f);
  return camera;
}

Camera panned(Camera camera, float right, float up) {
  camera.cx += right * camera.distance;
  camera.cy += up * camera.distance;
  return camera;
}
