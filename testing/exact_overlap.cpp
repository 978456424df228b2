#include "testing/exact_overlap.h"

#include <CGAL/Exact_predicates_exact_constructions_kernel.h>
#include <CGAL/intersections.h>

#include <algorithm>
#include <cmath>
#include <sstream>

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

XY rounded(const P2& p) {
  return {CGAL::to_double(p.x()), CGAL::to_double(p.y())};
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

// The vertices of an intersection result.
struct Vertices : boost::static_visitor<std::vector<XY>> {
  std::vector<XY> operator()(const P2& p) const { return {rounded(p)}; }
  std::vector<XY> operator()(const S2& s) const {
    if (s.is_degenerate()) return {rounded(s.source())};
    return {rounded(s.source()), rounded(s.target())};
  }
  std::vector<XY> operator()(const T2& t) const {
    return {rounded(t[0]), rounded(t[1]), rounded(t[2])};
  }
  std::vector<XY> operator()(const std::vector<P2>& ring) const {
    std::vector<XY> out;
    for (const P2& p : ring) out.push_back(rounded(p));
    return out;
  }
};

template <typename Result>
std::vector<XY> verticesOf(const Result& result) {
  if (!result) return {};
  return boost::apply_visitor(Vertices(), *result);
}

std::vector<XY> overlapOf(const Shape& s1, const Shape& s2) {
  if (s1.dimension < s2.dimension) return overlapOf(s2, s1);
  if (s2.dimension == 0) {
    bool touches = s1.a == s2.a;
    if (s1.dimension == 2) touches = !T2(s1.a, s1.b, s1.c).has_on_unbounded_side(s2.a);
    if (s1.dimension == 1) touches = S2(s1.a, s1.b).has_on(s2.a);
    return touches ? std::vector<XY>{rounded(s2.a)} : std::vector<XY>{};
  }
  if (s2.dimension == 1) {
    const S2 segment(s2.a, s2.b);
    if (s1.dimension == 2) return verticesOf(CGAL::intersection(T2(s1.a, s1.b, s1.c), segment));
    return verticesOf(CGAL::intersection(S2(s1.a, s1.b), segment));
  }
  return verticesOf(CGAL::intersection(T2(s1.a, s1.b, s1.c), T2(s2.a, s2.b, s2.c)));
}

// Distance from p to the closed segment a-b.
double distance(XY p, XY a, XY b) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double length2 = dx * dx + dy * dy;
  double t = length2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / length2 : 0;
  t = std::clamp(t, 0.0, 1.0);
  return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

// Distance from p to the boundary of the ring (a point, a segment or a polygon).
double distanceToRing(XY p, const std::vector<XY>& ring) {
  double best = INFINITY;
  for (size_t i = 0; i < ring.size(); ++i) {
    best = std::min(best, distance(p, ring[i], ring[(i + 1) % ring.size()]));
  }
  return best;
}

// Whether two vertices of the ring lie within reach of each other.
bool hasClosePair(const std::vector<XY>& ring, double reach) {
  for (size_t i = 0; i < ring.size(); ++i) {
    for (size_t j = i + 1; j < ring.size(); ++j) {
      if (std::hypot(ring[i].x - ring[j].x, ring[i].y - ring[j].y) <= reach) return true;
    }
  }
  return false;
}

// Whether p lies within reach of the closed triangle t.
bool nearTriangle(XY p, const Point t[3], double reach) {
  std::vector<XY> ring;
  for (int i = 0; i < 3; ++i) ring.push_back({t[i].x, t[i].y});
  double turns[3];
  for (int i = 0; i < 3; ++i) {
    const XY a = ring[size_t(i)], b = ring[size_t(i + 1) % 3];
    turns[i] = (b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x);
  }
  const bool inside = (turns[0] >= 0 && turns[1] >= 0 && turns[2] >= 0) ||
                      (turns[0] <= 0 && turns[1] <= 0 && turns[2] <= 0);
  return inside || distanceToRing(p, ring) <= reach;
}

std::string describe(const std::vector<XY>& ring) {
  std::ostringstream text;
  text.precision(9);
  for (const XY& p : ring) text << " (" << p.x << ", " << p.y << ")";
  return ring.empty() ? " nothing" : text.str();
}

}  // namespace

std::vector<XY> exactOverlap(const Point t1[3], const Point t2[3]) {
  return overlapOf(shapeOf(t1), shapeOf(t2));
}

bool toleranceDecides(const Point t1[3], const Point t2[3]) {
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) {
      const FT dx1 = FT(t1[(i + 1) % 3].x) - FT(t1[i].x), dy1 = FT(t1[(i + 1) % 3].y) - FT(t1[i].y);
      const FT dx2 = FT(t2[(j + 1) % 3].x) - FT(t2[j].x), dy2 = FT(t2[(j + 1) % 3].y) - FT(t2[j].y);
      const FT cross = dx1 * dy2 - dy1 * dx2;
      if (cross != 0 &&
          cross * cross <= FT(double(1e-5f)) * (dx1 * dx1 + dy1 * dy1) * (dx2 * dx2 + dy2 * dy2)) {
        return true;
      }
    }
  }
  return false;
}

std::string disagreement(const Point t1[3], const Point t2[3]) {
  const std::vector<XY> exactRing = exactOverlap(t1, t2);
  // What the program prints: the ring of two or more candidates, or the lone candidate.
  const Candidates found = findCandidates(t1, t2);
  const int total = candidateCount(found);
  Point ring[kMaxCandidates + 1];
  const int m = total > 1 ? orderConvexPolygon(found.points, ring, total) : total;
  if (total == 1) ring[0] = found.points[0];
  std::vector<XY> printed;
  for (int k = 0; k < m; ++k) printed.push_back({ring[k].x, ring[k].y});

  // Printed rounding, and a few float steps of the coordinates' scale.
  double scale = 1;
  for (int i = 0; i < 3; ++i) {
    for (float v : {t1[i].x, t1[i].y, t2[i].x, t2[i].y})
      scale = std::max(scale, std::fabs(double(v)));
  }
  const double reach = (0.0005 + 8 * 0x1p-24 * scale) * std::sqrt(2.0);
  std::string why;
  for (const XY& p : printed) {
    if (exactRing.empty() || distanceToRing(p, exactRing) > reach) why = "a printed vertex is off";
  }
  // A lone candidate is not printed, only counted: where the triangles miss each other by
  // less than printed rounding, it is as good as their touching point.
  if (exactRing.empty() && total == 1 && nearTriangle(printed[0], t1, reach) &&
      nearTriangle(printed[0], t2, reach)) {
    why.clear();
  }
  for (const XY& p : exactRing) {
    if (printed.empty() || distanceToRing(p, printed) > reach) why = "an exact vertex is missing";
  }
  if (hasClosePair(printed, reach) && !hasClosePair(exactRing, 2 * reach)) {
    why = "a point is printed twice";
  }
  if (why.empty()) return why;
  std::vector<XY> input;
  for (const Point* t : {t1, t2}) {
    for (int i = 0; i < 3; ++i) input.push_back({t[i].x, t[i].y});
  }
  return why + ": T1, T2 =" + describe(input) + "; exact" + describe(exactRing) + "; printed" +
         describe(printed);
}
