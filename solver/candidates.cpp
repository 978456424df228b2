#include "solver/candidates.h"

#include "geometry/predicates.h"
#include "geometry/segment_intersection.h"
#include "scene/scene.h"

namespace {

// A small list of distinct places, used for each kind of candidate.
template <int kCapacity>
struct PointList {
  Point points[kCapacity];
  int count = 0;
};

// True when list holds a point at the place p.
template <int kCapacity>
bool holds(const PointList<kCapacity>& list, Point p) {
  for (int i = 0; i < list.count; ++i) {
    if (samePlace(list.points[i], p)) return true;
  }
  return false;
}

// Appends the coordinates of p.
template <int kCapacity>
void append(PointList<kCapacity>* list, Point p) {
  list->points[list->count++] = makePoint(p.x, p.y);
}

// Side i of triangle t: from vertex i to the next vertex.
Segment side(const Point t[3], int i) {
  return makeSegment(t[i], t[(i + 1) % 3]);
}

// The three vertices of t, in counter-clockwise order when t is clockwise.
struct Triangle {
  Point a, b, c;
};
Triangle counterClockwise(const Point t[3], int turn) {
  if (turn == 1) return {t[0], t[2], t[1]};
  return {t[0], t[1], t[2]};
}

// Whether p lies strictly inside triangle t.
bool strictlyInside(Triangle t, Point p) {
  return pointInTriangle(t.a, t.b, t.c, p) == 1;
}

// Whether two segments of some length lie on one line.
bool onOneLine(Segment s1, Segment s2) {
  return !samePlace(s1.a, s1.b) && !samePlace(s2.a, s2.b) && orientation(s1.a, s1.b, s2.a) == -1 &&
         orientation(s1.a, s1.b, s2.b) == -1;
}

}  // namespace

Candidates findCandidates(const Point t1[3], const Point t2[3]) {
  // A triangle with no area is a segment: where it lies along a side of the other, the ends
  // of the shared stretch are vertices of the overlap that no crossing gives.
  const int turn1 = orientation(t1[0], t1[1], t1[2]);
  const int turn2 = orientation(t2[0], t2[1], t2[2]);
  const bool flatPair = turn1 == -1 || turn2 == -1;
  Segment sides1[3], sides2[3];
  for (int i = 0; i < 3; ++i) {
    sides1[i] = side(t1, i);
    sides2[i] = side(t2, i);
  }
  PointList<kMaxCrossings> crossings;
  auto record = [&crossings](Point p) {
    if (!holds(crossings, p)) append(&crossings, p);
  };
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) {
      Point hit;
      const int met = intersectSegments(sides1[i], sides2[j], &hit);
      if (met == 1) record(hit);
      if (met == 2 && flatPair && onOneLine(sides1[i], sides2[j])) {
        Point ends[4];
        const int count = collinearOverlapEnds(sides1[i], sides2[j], ends);
        for (int k = 0; k < count; ++k) record(ends[k]);
      }
    }
  }

  PointList<3> insideT2;
  PointList<3> insideT1;
  if (crossings.count < 6) {
    const Triangle ccw1 = counterClockwise(t1, turn1);
    const Triangle ccw2 = counterClockwise(t2, turn2);
    auto isNew = [&](Point v) {
      return !holds(crossings, v) && !holds(insideT2, v) && !holds(insideT1, v);
    };
    for (int k = 0; k < 3; ++k) {
      if (strictlyInside(ccw2, t1[k]) && isNew(t1[k])) append(&insideT2, t1[k]);
      if (strictlyInside(ccw1, t2[k]) && isNew(t2[k])) append(&insideT1, t2[k]);
    }
  }

  Candidates result;
  int next = 0;
  for (int k = 0; k < crossings.count; ++k) result.points[next++] = crossings.points[k];
  for (int k = 0; k < insideT2.count; ++k) result.points[next++] = insideT2.points[k];
  for (int k = 0; k < insideT1.count; ++k) result.points[next++] = insideT1.points[k];
  result.n = crossings.count;
  result.p = insideT2.count;
  result.q = insideT1.count;
  return result;
}

int findIntersectionCandidates(const Point t1[3], const Point t2[3], Point out[],
                               std::FILE* stream) {
  const Candidates found = findCandidates(t1, t2);
  for (int i = 0; i < 3; ++i) {
    addSegment(side(t1, i), BLACK);
    addSegment(side(t2, i), BLACK);
  }

  // Each kind of candidate is published, then counted on the console.
  const Point* next = found.points;
  for (int k = 0; k < found.n; ++k) addPoint(*next++, RED);
  std::fprintf(stream, "Broj presecnih tacaka : n = %d\n", found.n);
  for (int k = 0; k < found.p; ++k) addPoint(*next++, RED);
  std::fprintf(stream, "Broj temena trougla T1 u trouglu T2: p = %d\n", found.p);
  for (int k = 0; k < found.q; ++k) addPoint(*next++, RED);
  std::fprintf(stream, "Broj temena trougla T2 u trouglu T1: q = %d\n", found.q);

  const int total = candidateCount(found);
  for (int k = 0; k < total; ++k) {
    out[k].x = found.points[k].x;
    out[k].y = found.points[k].y;
  }
  return total;
}
