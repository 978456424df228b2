#include "viewer/drag.h"

#include <algorithm>
#include <cmath>

int nearestWithin(const double x[], const double y[], int count, double px, double py,
                  double radius) {
  int nearest = -1;
  double best = radius;
  for (int k = 0; k < count; ++k) {
    const double distance = std::hypot(x[k] - px, y[k] - py);
    if (distance < best || (nearest < 0 && distance == best)) {
      nearest = k;
      best = distance;
    }
  }
  return nearest;
}

double dragStep(Camera view, double aspect, bool gridShown) {
  const double step = gridStepOf(view, aspect);
  return gridShown ? step : step / 10;
}

float snapped(double v, double step) {
  // A step below 1 is a whole fraction of 1 (1/2, 1/5, 1/10, ...): k / whole rounds once,
  // so a multiple of 0.1 lands on the float nearest to its decimal.
  const double whole = step < 1 ? std::round(1 / step) : 0;
  const double k = std::round(whole > 0 ? v * whole : v / step);
  const double at = whole > 0 ? k / whole : k * step;
  return float(std::clamp(at, -kMaxCoordinate, kMaxCoordinate) + 0.0);
}
