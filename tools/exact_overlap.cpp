#include "tools/exact_overlap.h"

#include <CGAL/Exact_predicates_exact_constructions_kernel.h>
#include <CGAL/intersections.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "solver/candidates.h"
#include "solver/polygon_order.h"

namespace {

using Kernel = CGAL::Exact_predicates_exact_constructions_kernel;
using P2 = Kernel::Point_2;
using S2 = Kernel::Segment_2;
using T2 = Kernel::Triangle_2;
using FT = Kernel::FT;

P2 exact(Point p) {
  return P2(double(p.x), double(p.y));
}

// A triangle as what it really is: a proper triangle, a segment, or a single point.
struct Shape {
  int dimension;  // 0, 1 or 2
  P2 a, b, c;
};

Shape shapeOf(const Point t[3]) {
  P2 v[3] = {exact(t[0]), exact(t[1]), exact(t[2])};
  if (CGAL::orientation(v[0], v[1], v[2]) != CGAL::COLLINEAR) return {2, v[0], v[1], v[2]};
  std::sort(v, v + 3);
  if (v[0] == v[2]) return {0, v[0], v[0], v[0]};
  return {1, v[0], v[2], v[2]};
}

FT polygonArea(const std::vector<P2>& ring) {
  FT twice = 0;
  for (size_t i = 0; i < ring.size(); ++i) {
    const P2& p = ring[i];
    const P2& q = ring[(i + 1) % ring.size()];
    twice += p.x() * q.y() - q.x() * p.y();
  }
  return twice / 2;
}

// What an intersection result is.
struct Classify : boost::static_visitor<ExactOverlap> {
  ExactOverlap operator()(const P2&) const { return {OverlapKind::kPoint, 0}; }
  ExactOverlap operator()(const S2& s) const {
    return {s.is_degenerate() ? OverlapKind::kPoint : OverlapKind::kSegment, 0};
  }
  ExactOverlap operator()(const T2& t) const {
    return {OverlapKind::kPolygon, CGAL::to_double(CGAL::abs(t.area()))};
  }
  ExactOverlap operator()(const std::vector<P2>& ring) const {
    return {OverlapKind::kPolygon, CGAL::to_double(CGAL::abs(polygonArea(ring)))};
  }
};

template <typename Result>
ExactOverlap classify(const Result& result) {
  if (!result) return {OverlapKind::kEmpty, 0};
  return boost::apply_visitor(Classify(), *result);
}

ExactOverlap overlapOf(const Shape& s1, const Shape& s2) {
  if (s1.dimension < s2.dimension) return overlapOf(s2, s1);
  if (s2.dimension == 0) {
    bool touches = false;
    if (s1.dimension == 2) {
      touches = !T2(s1.a, s1.b, s1.c).has_on_unbounded_side(s2.a);
    } else if (s1.dimension == 1) {
      touches = S2(s1.a, s1.b).has_on(s2.a);
    } else {
      touches = s1.a == s2.a;
    }
    return {touches ? OverlapKind::kPoint : OverlapKind::kEmpty, 0};
  }
  if (s2.dimension == 1) {
    const S2 segment(s2.a, s2.b);
    if (s1.dimension == 2) return classify(CGAL::intersection(T2(s1.a, s1.b, s1.c), segment));
    return classify(CGAL::intersection(S2(s1.a, s1.b), segment));
  }
  return classify(CGAL::intersection(T2(s1.a, s1.b, s1.c), T2(s2.a, s2.b, s2.c)));
}

}  // namespace

ExactOverlap exactOverlap(const Point t1[3], const Point t2[3]) {
  return overlapOf(shapeOf(t1), shapeOf(t2));
}

double exactRingArea(const Point ring[], int m) {
  std::vector<P2> points;
  for (int i = 0; i < m; ++i) points.push_back(exact(ring[i]));
  return m < 3 ? 0.0 : CGAL::to_double(polygonArea(points));
}

Comparison compareWithExact(const Point t1[3], const Point t2[3]) {
  Comparison c{};
  c.exact = exactOverlap(t1, t2);
  const Candidates found = findCandidates(t1, t2);
  c.total = candidateCount(found);
  Point ring[kMaxCandidates + 1];
  if (c.total > 1) c.m = orderConvexPolygon(found.points, ring, c.total);
  c.area = exactRingArea(ring, c.m);
  c.areaError = std::fabs(c.area - c.exact.area);

  // A few units of single-precision rounding of the products of the coordinates.
  double size = 1;
  for (int i = 0; i < 3; ++i) {
    size = std::max({size, std::fabs(double(t1[i].x)), std::fabs(double(t1[i].y)),
                     std::fabs(double(t2[i].x)), std::fabs(double(t2[i].y))});
  }
  c.tolerance = 64 * std::ldexp(1.0, -24) * size * size;
  // Two sides through one point may give it with different roundings.
  const double reach = 16 * std::ldexp(1.0, -24) * size;
  bool onePlace = true;
  for (int k = 1; k < c.total; ++k) {
    onePlace = onePlace && std::fabs(double(found.points[k].x) - found.points[0].x) <= reach &&
               std::fabs(double(found.points[k].y) - found.points[0].y) <= reach;
  }

  c.areaAgrees = c.areaError <= c.tolerance;
  switch (c.exact.kind) {
    case OverlapKind::kEmpty:
      c.agrees = c.total == 0;
      break;
    case OverlapKind::kPoint:
      c.agrees = c.total == 1 || (c.total > 1 && onePlace);
      break;
    case OverlapKind::kSegment:
      c.agrees = c.total >= 2 && (c.m == 2 || c.areaAgrees);
      break;
    case OverlapKind::kPolygon:
      c.agrees = c.total >= 3 && c.areaAgrees;
      break;
  }
  return c;
}
