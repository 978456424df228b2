// The exact turn against an independent exact orientation (CGAL's exact predicates on doubles),
// on turns whose double value is too close to zero for its sign: nearly collinear points from
// 1e-30 to 1e18, of mixed magnitudes, and exact ties.
#include <CGAL/Exact_predicates_inexact_constructions_kernel.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "geometry/predicates.h"

namespace {

using Kernel = CGAL::Exact_predicates_inexact_constructions_kernel;

int cgalTurn(Point a, Point b, Point c) {
  return int(CGAL::orientation(Kernel::Point_2(a.x, a.y), Kernel::Point_2(b.x, b.y),
                               Kernel::Point_2(c.x, c.y)));
}

// a, b and a point of their line (rounded to floats, so off it by little or nothing); one
// time in four, three points on one line exactly (whole multiples of one step); one time in
// four, a point near the origin against a line through it far out, where the differences lose
// the near point's coordinates.
void nearlyCollinear(std::mt19937_64& engine, Point* a, Point* b, Point* c) {
  std::uniform_real_distribution<double> unit(-1, 1), magnitude(-30, 18), along(-2, 3);
  const double at = std::pow(10.0, magnitude(engine)), span = std::pow(10.0, magnitude(engine));
  *a = makePoint(float(unit(engine) * at), float(unit(engine) * at));
  const int kind = int(engine() % 4);
  if (kind == 1) {
    const double far = std::max(at, span) * 1e12;
    *b = makePoint(float(unit(engine) * far), float(unit(engine) * far));
    const float scale = float(std::ldexp(1.0, int(engine() % 5) - 2)) * (engine() % 2 ? 1 : -1);
    *c = makePoint(b->x * scale, b->y * scale);
    *a = makePoint(float(unit(engine) * std::min(at, span)),
                   float(unit(engine) * std::min(at, span)));
    return;
  }
  if (kind == 0) {
    // A step that floats hold exactly at every multiple below 2^10.
    const double step = std::ldexp(1.0, std::ilogb(span) - 10);
    const int dx = int(engine() % 1024) - 512, dy = int(engine() % 1024) - 512;
    const int k = int(engine() % 3) - 1;
    *a = makePoint(float(std::ldexp(std::round(std::ldexp(a->x, -std::ilogb(span) + 10)),
                                    std::ilogb(span) - 10)),
                   float(std::ldexp(std::round(std::ldexp(a->y, -std::ilogb(span) + 10)),
                                    std::ilogb(span) - 10)));
    *b = makePoint(float(a->x + dx * step), float(a->y + dy * step));
    *c = makePoint(float(a->x + k * dx * step), float(a->y + k * dy * step));
    return;
  }
  *b = makePoint(float(a->x + unit(engine) * span), float(a->y + unit(engine) * span));
  const double t = along(engine);
  *c = makePoint(float(a->x + t * (double(b->x) - a->x)), float(a->y + t * (double(b->y) - a->y)));
}

TEST(ExactTurn, AsCgalsExactOrientation) {
  std::mt19937_64 engine(5);
  int exactPath = 0, ties = 0;
  for (int k = 0; k < 200000; ++k) {
    Point a, b, c;
    nearlyCollinear(engine, &a, &b, &c);
    const Vec p = widen(a), q = widen(b), r = widen(c);
    exactPath += !signIsSure((q.x - p.x) * (r.y - p.y), (q.y - p.y) * (r.x - p.x));
    const int expected = cgalTurn(a, b, c);
    ties += expected == 0;
    ASSERT_EQ(turnSign(a, b, c), expected) << std::hexfloat << a.x << " " << a.y << " " << b.x
                                           << " " << b.y << " " << c.x << " " << c.y;
    ASSERT_EQ(exactTurnSign(p, q, r), expected);
  }
  // Most of these turns take the exact path; about half of those are exact ties.
  EXPECT_GT(exactPath, 90000);
  EXPECT_GT(ties, 30000);
  EXPECT_GT(exactPath - ties, 30000);
}

}  // namespace
