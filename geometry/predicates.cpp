#include "geometry/predicates.h"

#include <cmath>
#include <initializer_list>

#include "geometry/expansion.h"

int exactTurnSign(Vec o, Vec a, Vec b) {
  for (double v : {o.x, o.y, a.x, a.y, b.x, b.y}) {
    if (!std::isfinite(v)) return 0;
  }
  // (a - o) x (b - o), each difference exactly as a rounded value and its error.
  double ax[2], ay[2], bx[2], by[2];
  exactDifference(a.x, o.x, ax);
  exactDifference(a.y, o.y, ay);
  exactDifference(b.x, o.x, bx);
  exactDifference(b.y, o.y, by);
  return exactCross(ax, ay, bx, by).sign();
}
