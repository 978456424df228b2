#include "testing/reference_solver.h"

#include <algorithm>
#include <utility>

#include "geometry/predicates.h"
#include "geometry/segment_intersection.h"

namespace {

Segment side(const Point t[3], int i) {
  return makeSegment(t[i], t[(i + 1) % 3]);
}

// Appends p to list[0..*count) unless its place is there already or the list is full.
void addOnce(Point list[], int* count, int capacity, Point p) {
  for (int k = 0; k < *count; ++k) {
    if (samePlace(list[k], p)) return;
  }
  if (*count < capacity) list[(*count)++] = makePoint(p.x, p.y);
}

bool holds(const Point list[], int count, Point p) {
  return std::any_of(list, list + count, [p](Point q) { return samePlace(p, q); });
}

bool onOneLine(Segment s1, Segment s2) {
  return !samePlace(s1.a, s1.b) && !samePlace(s2.a, s2.b) && orientation(s1.a, s1.b, s2.a) == -1 &&
         orientation(s1.a, s1.b, s2.b) == -1;
}

bool inside(const Point t[3], Point p) {
  const int turn = turnSign(t[0], t[1], t[2]);
  const bool exact = turn != 0 && turnSign(t[0], t[1], p) == turn &&
                     turnSign(t[1], t[2], p) == turn && turnSign(t[2], t[0], p) == turn;
  const bool swap = orientation(t[0], t[1], t[2]) == 1;
  return exact || pointInTriangle(t[0], t[1 + swap], t[2 - swap], p) == 1;
}

}  // namespace

Candidates referenceCandidates(const Point t1[3], const Point t2[3]) {
  const bool flat1 = orientation(t1[0], t1[1], t1[2]) == -1;
  const bool flat2 = orientation(t2[0], t2[1], t2[2]) == -1;
  Candidates c;
  int count = 0;
  bool crossed1[3] = {}, crossed2[3] = {};
  int crossings = 0;
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) {
      Point hit;
      const int met = intersectSegments(side(t1, i), side(t2, j), &hit);
      if (met == 1) {
        // A side crosses a flat triangle once; two flat triangles cross once.
        if (flat1 && flat2 && crossings > 0) continue;
        if ((flat2 && crossed1[i]) || (flat1 && crossed2[j])) continue;
        crossed1[i] = crossed2[j] = true;
        ++crossings;
        addOnce(c.points, &count, kMaxCandidates, hit);
      } else if (met == 2 && (flat1 || flat2) && onOneLine(side(t1, i), side(t2, j))) {
        Point ends[4];
        const int shared = collinearOverlapEnds(side(t1, i), side(t2, j), ends);
        for (int k = 0; k < shared; ++k) addOnce(c.points, &count, kMaxCandidates, ends[k]);
      }
    }
  }
  // A triangle shrunk to one point meets the other where it lies on one of its sides.
  auto shrunk = [](const Point t[3]) { return samePlace(t[0], t[1]) && samePlace(t[0], t[2]); };
  for (int j = 0; j < 3 && shrunk(t1) != shrunk(t2); ++j) {
    for (auto [point, other] : {std::pair{t1, t2}, std::pair{t2, t1}}) {
      if (shrunk(point) && orientation(other[j], other[(j + 1) % 3], point[0]) == -1 &&
          withinSegment(point[0], side(other, j))) {
        addOnce(c.points, &count, kMaxCandidates, point[0]);
      }
    }
  }
  c.n = count;
  if (c.n >= 6) return c;
  Point ofT2[3];
  int q = 0;
  for (int k = 0; k < 3; ++k) {
    if (inside(t2, t1[k]) && !holds(ofT2, q, t1[k]))
      addOnce(c.points, &count, kMaxCandidates, t1[k]);
    if (inside(t1, t2[k]) && !holds(c.points, count, t2[k])) addOnce(ofT2, &q, 3, t2[k]);
  }
  c.p = count - c.n;
  for (int k = 0; k < q; ++k) addOnce(c.points, &count, kMaxCandidates, ofT2[k]);
  c.q = count - c.n - c.p;
  return c;
}

int referenceOrder(const Point pts[], Point out[], int count) {
  if (count < 2 || count > kMaxCandidates) return 0;
  // Points on one line: the outermost two, ordered by x, then y.
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
    out[0] = pts[std::min(first, last)];
    out[1] = pts[std::max(first, last)];
    out[2] = out[0];
    return 2;
  }
  // Every ordered pair with no point strictly on its right is a side.
  int pairs[kMaxCandidates * kMaxCandidates][2];
  int accepted = 0;
  for (int i = 0; i < count; ++i) {
    for (int j = 0; j < count; ++j) {
      bool side = i != j;
      for (int k = 0; k < count && side; ++k) {
        side = k == i || k == j || orientation(pts[i], pts[j], pts[k]) != 1;
      }
      if (side) pairs[accepted][0] = i, pairs[accepted++][1] = j;
    }
  }
  if (accepted == 0) return 0;
  // Chain the sides from the first one's start back to it, in at most count steps.
  const int start = pairs[0][0];
  int current = pairs[0][1];
  out[0] = pts[start];
  out[1] = pts[current];
  int written = 2;
  while (current != start) {
    if (written == count + 1) {
      out[count] = out[0];
      return count;
    }
    int k = 1;
    while (k < accepted && pairs[k][0] != current) ++k;
    if (k == accepted) {
      out[written] = out[0];
      return written;
    }
    current = pairs[k][1];
    out[written++] = pts[current];
  }
  return written - 1;
}
