// The exact turn against an independent exact orientation (CGAL's exact predicates on doubles),
// on turns whose double value is too close to zero for its sign: nearly collinear points from
// 1e-30 to 1e18, of mixed magnitudes, whole numbers far out, and exact ties; and the exact
// crossing of nearly parallel sides against CGAL's exact one.
#include <CGAL/Exact_predicates_exact_constructions_kernel.h>
#include <CGAL/Exact_predicates_inexact_constructions_kernel.h>
#include <CGAL/intersections.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <numeric>
#include <random>

#include "geometry/predicates.h"
#include "geometry/segment_intersection.h"

namespace {

using Kernel = CGAL::Exact_predicates_inexact_constructions_kernel;

int cgalTurn(Point a, Point b, Point c) {
  return int(CGAL::orientation(Kernel::Point_2(a.x, a.y), Kernel::Point_2(b.x, b.y),
                               Kernel::Point_2(c.x, c.y)));
}

// Whole numbers: b and c some 1e8 to 1e9 out on a line through the origin in direction w
// (multiples of 64, which floats hold), c j steps of w past b, and a near the origin, r = -1, 0
// or 1 off that line (w x a = r): the turn, 64 j r, lies within the rounding error of its
// double value, itself a whole number. The three in any rotation.
void wholeNumbersFarOut(std::mt19937_64& engine, Point* a, Point* b, Point* c) {
  std::int64_t wx = 0, wy = 0, p = -99;  // w x (-q, p) = wx p + wy q = 1
  while (wy == 0 || std::gcd(wx, wy) != 1)
    wx = std::int64_t(engine() % 199) - 99, wy = std::int64_t(engine() % 199) - 99;
  while ((1 - wx * p) % wy != 0) ++p;
  const std::int64_t q = (1 - wx * p) / wy;
  const std::int64_t i = std::int64_t(1e8 + double(engine() % 900000000)) /
                         (64 * std::max(std::abs(wx), std::abs(wy)));
  const std::int64_t j = std::int64_t(engine() % 17) - 8, r = std::int64_t(engine() % 3) - 1;
  const std::int64_t k = std::int64_t(engine() % 7) - 3;
  const Point points[3] = {makePoint(float(-r * q + k * wx), float(r * p + k * wy)),
                           makePoint(float(64 * i * wx), float(64 * i * wy)),
                           makePoint(float(64 * (i + j) * wx), float(64 * (i + j) * wy))};
  const int first = int(engine() % 3);
  *a = points[first], *b = points[(first + 1) % 3], *c = points[(first + 2) % 3];
}

// a, b and a point of their line (rounded to floats, so off it by little or nothing); one
// time in four, three points on one line exactly (whole multiples of one step); one time in
// four, a point near the origin against a line through it far out, where the differences lose
// the near point's coordinates.
void nearlyCollinear(std::mt19937_64& engine, Point* a, Point* b, Point* c) {
  std::uniform_real_distribution<double> unit(-1, 1), magnitude(-30, 18), along(-2, 3);
  const double at = std::pow(10.0, magnitude(engine)), span = std::pow(10.0, magnitude(engine));
  *a = makePoint(float(unit(engine) * at), float(unit(engine) * at));
  const int kind = int(engine() % 5);
  if (kind == 4) {
    wholeNumbersFarOut(engine, a, b, c);
    return;
  }
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
  int exactPath = 0, ties = 0, wrongDoubleSign = 0;
  for (int k = 0; k < 200000; ++k) {
    Point a, b, c;
    nearlyCollinear(engine, &a, &b, &c);
    const Vec p = widen(a), q = widen(b), r = widen(c);
    exactPath += !signIsSure((q.x - p.x) * (r.y - p.y), (q.y - p.y) * (r.x - p.x));
    const int expected = cgalTurn(a, b, c);
    ties += expected == 0;
    const double left = (q.x - p.x) * (r.y - p.y), right = (q.y - p.y) * (r.x - p.x);
    wrongDoubleSign += (left > right) - (left < right) != expected;
    ASSERT_EQ(turnSign(a, b, c), expected) << std::hexfloat << a.x << " " << a.y << " " << b.x
                                           << " " << b.y << " " << c.x << " " << c.y;
    ASSERT_EQ(exactTurnSign(p, q, r), expected);
  }
  // Most of these turns take the exact path; about half of those are exact ties. Many double
  // values have the wrong sign.
  EXPECT_GT(exactPath, 90000);
  EXPECT_GT(ties, 30000);
  EXPECT_GT(exactPath - ties, 30000);
  EXPECT_GT(wrongDoubleSign, 10000);
}

using Exact = CGAL::Exact_predicates_exact_constructions_kernel;

// Whether r is the float nearest to v (ties to the even one).
bool nearestFloat(float r, const Exact::FT& v) {
  std::uint32_t bits;
  std::memcpy(&bits, &r, sizeof bits);
  const bool even = (bits & 1) == 0;
  const Exact::FT below = (Exact::FT(std::nextafter(r, -HUGE_VALF)) + r) / 2;
  const Exact::FT above = (Exact::FT(std::nextafter(r, HUGE_VALF)) + r) / 2;
  return (v > below || (v == below && even)) && (v < above || (v == above && even));
}

// Sides a-b and c-d that cross at a small angle, at every magnitude from 1e-30 to 1e18: c and d
// on either side of the line of a and b, close to it; half of them moved to cross next to the
// origin, where the crossing's coordinates are far smaller than the ends'.
TEST(ExactCrossing, TheNearestFloatToCgalsExactCrossing) {
  std::mt19937_64 engine(11);
  std::uniform_real_distribution<double> unit(-1, 1), magnitude(-30, 18), closeness(-9, -2);
  int checked = 0;
  for (int k = 0; k < 20000; ++k) {
    const double at = std::pow(10.0, magnitude(engine)), span = std::pow(10.0, magnitude(engine));
    const double ax = unit(engine) * at, ay = unit(engine) * at;
    const double ux = unit(engine) * span, uy = unit(engine) * span;
    const double off = std::pow(10.0, closeness(engine)), t1 = unit(engine), t2 = unit(engine);
    const double near = k % 2, mid = 0.5 + (t1 + t2) / 4;
    const double ox = near * (ax + mid * ux), oy = near * (ay + mid * uy);
    // The point t of the way along a-b, `side` times off off its line.
    const auto point = [&](double t, double side) {
      return makePoint(float(ax + t * ux - side * off * uy - ox),
                       float(ay + t * uy + side * off * ux - oy));
    };
    const Point a = point(0, 0), b = point(1, 0), c = point(0.5 + t1 / 2, 1),
                d = point(0.5 + t2 / 2, -1);
    const Exact::Segment_2 s1({a.x, a.y}, {b.x, b.y}), s2({c.x, c.y}, {d.x, d.y});
    if (s1.is_degenerate() || s2.is_degenerate() || !CGAL::do_intersect(s1, s2) ||
        CGAL::parallel(s1.supporting_line(), s2.supporting_line())) {
      continue;
    }
    const auto crossing = CGAL::intersection(s1.supporting_line(), s2.supporting_line());
    const Exact::Point_2* exact = boost::get<Exact::Point_2>(&*crossing);
    const Point found = exactCrossing(a, b, c, d);
    ASSERT_TRUE(exact && nearestFloat(found.x, exact->x()) && nearestFloat(found.y, exact->y()))
        << std::hexfloat << a.x << " " << a.y << " " << b.x << " " << b.y << " " << c.x << " "
        << c.y << " " << d.x << " " << d.y;
    ++checked;
  }
  EXPECT_GT(checked, 10000);
}

}  // namespace
