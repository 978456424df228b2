#include "testing/reference_solver.h"

#include <algorithm>
#include <cstring>

#include "geometry/predicates.h"
#include "geometry/segment_intersection.h"
#include "solver/candidates.h"
#include "solver/polygon_order.h"

namespace {

Segment side(const Point t[3], int i) {
  return makeSegment(t[i], t[(i + 1) % 3]);
}

bool holds(const Point list[], int count, Point p) {
  return std::any_of(list, list + count, [p](Point q) { return samePlace(p, q); });
}

// Appends p, found as `origin`, to list[0..*count) unless its place is there already or the
// list is full.
void addOnce(Point list[], Origin origins[], int* count, int capacity, Point p, Origin origin) {
  if (holds(list, *count, p) || *count == capacity) return;
  origins[*count] = origin;
  list[(*count)++] = makePoint(p.x, p.y);
}

bool flat(const Point t[3]) {
  return orientation(t[0], t[1], t[2]) == -1;
}

bool shrunk(const Point t[3]) {
  return samePlace(t[0], t[1]) && samePlace(t[0], t[2]);
}

// Strictly inside t, taken counter-clockwise, by exact turns.
bool inside(const Point t[3], Point p) {
  const int turn = turnSign(t[0], t[1], t[2]);
  bool exact = turn != 0;
  for (int i = 0; i < 3; ++i) exact &= turnSign(t[i], t[(i + 1) % 3], p) == turn;
  return exact;
}

Candidates referenceCandidates(const Point t1[3], const Point t2[3]) {
  Candidates c;
  int count = 0, crossings = 0;
  bool crossed1[3] = {}, crossed2[3] = {};
  for (int i = 0; i < 9; ++i) {
    const Segment s1 = side(t1, i / 3), s2 = side(t2, i % 3);
    Point hit;
    const int met = intersectSegments(s1, s2, &hit);
    if (met == 1) {
      // A side crosses a flat triangle once; two flat triangles cross once.
      if ((flat(t1) && flat(t2) && crossings > 0) || (flat(t2) && crossed1[i / 3]) ||
          (flat(t1) && crossed2[i % 3])) {
        continue;
      }
      crossed1[i / 3] = crossed2[i % 3] = true;
      ++crossings;
      addOnce(c.points, c.origins, &count, kMaxCandidates, hit,
              originOf(Found::kSidesCross, i / 3, i % 3));
    } else if (met == 2 && (flat(t1) || flat(t2)) && !samePlace(s1.a, s1.b) &&
               !samePlace(s2.a, s2.b) && orientation(s1.a, s1.b, s2.a) == -1 &&
               orientation(s1.a, s1.b, s2.b) == -1) {
      // Along a flat triangle: the ends of the shared stretch.
      Point ends[4];
      const int shared = collinearOverlapEnds(s1, s2, ends);
      for (int k = 0; k < shared; ++k) {
        addOnce(c.points, c.origins, &count, kMaxCandidates, ends[k],
                originOf(Found::kStretchEnd, i / 3, i % 3));
      }
    }
  }
  // A triangle shrunk to one point meets the other where it lies on one of its sides.
  for (int j = 0; j < 3 && shrunk(t1) != shrunk(t2); ++j) {
    const Point* point = shrunk(t1) ? t1 : t2;
    const Point* other = shrunk(t1) ? t2 : t1;
    if (orientation(other[j], other[(j + 1) % 3], point[0]) == -1 &&
        withinSegment(point[0], side(other, j))) {
      addOnce(c.points, c.origins, &count, kMaxCandidates, point[0],
              shrunk(t1) ? originOf(Found::kT1PointOnSide, 0, j)
                         : originOf(Found::kT2PointOnSide, j, 0));
    }
  }
  // Two flat triangles that nothing else joins touch where they share a vertex.
  for (int k = 0; k < 9 && flat(t1) && flat(t2) && !shrunk(t1) && !shrunk(t2) && !count; ++k) {
    if (samePlace(t1[k / 3], t2[k % 3])) {
      addOnce(c.points, c.origins, &count, kMaxCandidates, t1[k / 3],
              originOf(Found::kVerticesTouch, k / 3, k % 3));
    }
  }
  c.n = count;
  if (c.n >= 6) return c;
  Point ofT2[3];
  Origin ofT2Origins[3];
  int q = 0;
  for (int k = 0; k < 3; ++k) {
    if (inside(t2, t1[k]) && !holds(ofT2, q, t1[k])) {
      addOnce(c.points, c.origins, &count, kMaxCandidates, t1[k],
              originOf(Found::kT1VertexIn, k, 0));
    }
    if (inside(t1, t2[k]) && !holds(c.points, count, t2[k])) {
      addOnce(ofT2, ofT2Origins, &q, 3, t2[k], originOf(Found::kT2VertexIn, 0, k));
    }
  }
  c.p = count - c.n;
  for (int k = 0; k < q; ++k) {
    addOnce(c.points, c.origins, &count, kMaxCandidates, ofT2[k], ofT2Origins[k]);
  }
  c.q = count - c.n - c.p;
  return c;
}

int referenceOrder(const Point pts[], Point out[], int count) {
  if (count < 2 || count > kMaxCandidates) return 0;
  // Points on one line: the outermost two, ordered by x, then y, the lower index first.
  int other = 1;
  while (other < count && samePlace(pts[other], pts[0])) ++other;
  bool line = true;
  for (int k = 0; k < count && other < count; ++k)
    line &= orientation(pts[0], pts[other], pts[k]) == -1;
  if (line) {
    auto before = [](Point a, Point b) { return a.x < b.x || (a.x == b.x && a.y < b.y); };
    int first = 0, last = 0;
    for (int k = 0; k < count; ++k) {
      if (before(pts[k], pts[first])) first = k;
      if (before(pts[last], pts[k])) last = k;
    }
    if (other == count) first = 0, last = 1;
    out[0] = out[2] = pts[std::min(first, last)];
    out[1] = pts[std::max(first, last)];
    return 2;
  }
  // Every ordered pair with no point strictly on its right is a side.
  int pairs[kMaxCandidates * kMaxCandidates][2];
  int accepted = 0;
  for (int i = 0; i < count * count; ++i) {
    const int a = i / count, b = i % count;
    bool side = a != b;
    for (int k = 0; k < count && side; ++k) {
      side = k == a || k == b || orientation(pts[a], pts[b], pts[k]) != 1;
    }
    if (side) pairs[accepted][0] = a, pairs[accepted++][1] = b;
  }
  if (accepted == 0) return 0;
  // Chain the sides from the first one's start back to it, in at most count steps.
  const int start = pairs[0][0];
  int current = pairs[0][1], written = 2;
  out[0] = pts[start];
  out[1] = pts[current];
  while (current != start) {
    int k = 1;
    while (k < accepted && pairs[k][0] != current) ++k;
    if (written == count + 1 || k == accepted) {
      out[written == count + 1 ? count : written] = out[0];
      return written == count + 1 ? count : written;
    }
    current = pairs[k][1];
    out[written++] = pts[current];
  }
  return written - 1;
}

}  // namespace

bool solvedAsStraightforward(const Point t1[3], const Point t2[3]) {
  const Candidates fast = findCandidates(t1, t2);
  const Candidates slow = referenceCandidates(t1, t2);
  const int total = candidateCount(fast);
  Point ring[kMaxCandidates + 1], expected[kMaxCandidates + 1];
  const int m = orderConvexPolygon(fast.points, ring, total);
  return fast.n == slow.n && fast.p == slow.p && fast.q == slow.q &&
         !std::memcmp(fast.points, slow.points, sizeof(Point) * size_t(total)) &&
         !std::memcmp(fast.origins, slow.origins, sizeof(Origin) * size_t(total)) &&
         m == referenceOrder(fast.points, expected, total) &&
         !std::memcmp(ring, expected, sizeof(Point) * size_t(m + (m > 0)));
}
