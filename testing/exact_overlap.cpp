#include "testing/exact_overlap.h"

#include <CGAL/Exact_predicates_exact_constructions_kernel.h>
#include <CGAL/intersections.h>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <vector>

#include "solver/candidates.h"
#include "solver/polygon_order.h"

namespace {

using Kernel = CGAL::Exact_predicates_exact_constructions_kernel;
using P2 = Kernel::Point_2;
using S2 = Kernel::Segment_2;
using T2 = Kernel::Triangle_2;
using FT = Kernel::FT;

struct XY {
  double x, y;
};
using Ring = std::vector<XY>;

XY rounded(const P2& p) {
  return {CGAL::to_double(p.x()), CGAL::to_double(p.y())};
}

Ring verticesOf(const P2& p) {
  return {rounded(p)};
}
Ring verticesOf(const S2& s) {
  return {rounded(s[0]), rounded(s[1])};
}
Ring verticesOf(const T2& t) {
  return {rounded(t[0]), rounded(t[1]), rounded(t[2])};
}
Ring verticesOf(const std::vector<P2>& polygon) {
  Ring ring;
  for (const P2& p : polygon) ring.push_back(rounded(p));
  return ring;
}
template <typename Result>
Ring verticesOf(const boost::optional<Result>& result) {
  if (!result) return {};
  return boost::apply_visitor([](const auto& shape) { return verticesOf(shape); }, *result);
}

// A triangle as what it is: a proper triangle, the segment of collinear vertices, or a point.
boost::variant<P2, S2, T2> shapeOf(const Point t[3]) {
  P2 v[3];
  for (int i = 0; i < 3; ++i) v[i] = P2(t[i].x, t[i].y);
  if (!CGAL::collinear(v[0], v[1], v[2])) return T2(v[0], v[1], v[2]);
  std::sort(v, v + 3);
  if (v[0] == v[2]) return v[0];
  return S2(v[0], v[2]);
}

Ring exactOverlap(const Point t1[3], const Point t2[3]) {
  return boost::apply_visitor(
      [](const auto& a, const auto& b) { return verticesOf(CGAL::intersection(a, b)); },
      shapeOf(t1), shapeOf(t2));
}

// Distance from p to the boundary of the ring (a point, a segment or a polygon).
double distanceToRing(XY p, const Ring& ring) {
  double best = INFINITY;
  for (size_t i = 0; i < ring.size(); ++i) {
    const XY a = ring[i], b = ring[(i + 1) % ring.size()];
    const double dx = b.x - a.x, dy = b.y - a.y, length2 = dx * dx + dy * dy;
    const double t = length2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / length2 : 0;
    const double u = std::clamp(t, 0.0, 1.0);
    best = std::min(best, std::hypot(p.x - (a.x + u * dx), p.y - (a.y + u * dy)));
  }
  return best;
}

bool hasClosePair(const Ring& ring, double reach) {
  for (size_t i = 0; i < ring.size(); ++i) {
    for (size_t j = i + 1; j < ring.size(); ++j) {
      if (std::hypot(ring[i].x - ring[j].x, ring[i].y - ring[j].y) <= reach) return true;
    }
  }
  return false;
}

// Whether p lies within reach of the closed triangle t.
bool nearTriangle(XY p, const Point t[3], double reach) {
  const P2 at(p.x, p.y);
  const FT distance2 = boost::apply_visitor(
      [&at](const auto& shape) { return CGAL::squared_distance(at, shape); }, shapeOf(t));
  return distance2 <= FT(reach * reach);
}

std::string describe(const Ring& ring) {
  std::ostringstream text;
  text.precision(9);
  for (const XY& p : ring) text << " (" << p.x << ", " << p.y << ")";
  return ring.empty() ? " nothing" : text.str();
}

}  // namespace

std::string disagreement(const Point t1[3], const Point t2[3]) {
  const Ring exact = exactOverlap(t1, t2);
  // What the program prints: the ring of two or more candidates, or the lone candidate.
  const Candidates found = findCandidates(t1, t2);
  const int total = candidateCount(found);
  Point ring[kMaxCandidates + 1];
  const int m = total > 1 ? orderConvexPolygon(found.points, ring, total) : total;
  if (total == 1) ring[0] = found.points[0];
  Ring printed;
  for (int k = 0; k < m; ++k) printed.push_back({ring[k].x, ring[k].y});

  // Printed rounding, and a few float steps of the coordinates' scale.
  double scale = 1;
  for (int i = 0; i < 6; ++i) {
    const Point p = i < 3 ? t1[i] : t2[i - 3];
    scale = std::max({scale, std::fabs(double(p.x)), std::fabs(double(p.y))});
  }
  const double reach = (0.0005 + 8 * 0x1p-24 * scale) * std::sqrt(2.0);
  std::string why;
  for (const XY& p : printed) {
    if (exact.empty() || distanceToRing(p, exact) > reach) why = "a printed vertex is off";
  }
  // A lone candidate is not printed, only counted: where the triangles miss each other by
  // less than printed rounding, it is as good as their touching point.
  if (exact.empty() && total == 1 && nearTriangle(printed[0], t1, reach) &&
      nearTriangle(printed[0], t2, reach)) {
    why.clear();
  }
  for (const XY& p : exact) {
    if (printed.empty() || distanceToRing(p, printed) > reach) why = "an exact vertex is missing";
  }
  if (hasClosePair(printed, reach) && !hasClosePair(exact, 2 * reach)) {
    why = "a point is printed twice";
  }
  if (why.empty()) return why;
  const Ring input = {{t1[0].x, t1[0].y}, {t1[1].x, t1[1].y}, {t1[2].x, t1[2].y},
                      {t2[0].x, t2[0].y}, {t2[1].x, t2[1].y}, {t2[2].x, t2[2].y}};
  return why + ": T1, T2 =" + describe(input) + "; exact" + describe(exact) + "; printed" +
         describe(printed);
}
