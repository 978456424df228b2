#include "solver/candidates.h"

#include "geometry/predicates.h"
#include "geometry/segment_intersection.h"
#include "scene/scene.h"

namespace {

// Side i of triangle t: from vertex i to the next vertex.
Segment side(const Point t[3], int i) {
  return makeSegment(t[i], t[(i + 1) % 3]);
}

// Whether two segments of some length lie on one line.
bool onOneLine(Segment s1, Segment s2) {
  return !samePlace(s1.a, s1.b) && !samePlace(s2.a, s2.b) && orientation(s1.a, s1.b, s2.a) == -1 &&
         orientation(s1.a, s1.b, s2.b) == -1;
}

// Candidates as they are collected: every new place is appended once.
class Collection {
 public:
  // Whether the place of p is already collected.
  bool holds(Point p) const {
    bool found = false;
    for (int k = 0; k < count_; ++k) found |= samePlace(points_[k], p);
    return found;
  }
  // Appends the coordinates of p unless its place is collected already.
  void add(Point p) {
    if (holds(p)) return;
    points_[count_].x = p.x;
    points_[count_].y = p.y;
    ++count_;
  }
  int count() const { return count_; }

  // Collects into points, which has room for every point that can be added.
  explicit Collection(Point* points) : points_(points) {}

 private:
  Point* points_;
  int count_ = 0;
};

// Where each side of t1 crosses each side of t2, in the order of the sides of t1 and, for
// each, of t2. Where a triangle has no area, the ends of sides that overlap on one line too.
void collectCrossings(const Point t1[3], const Point t2[3], bool flatPair, Collection* found) {
  FirstSegment sides1[3];
  SecondSegment sides2[3];
  for (int i = 0; i < 3; ++i) {
    sides1[i] = asFirst(side(t1, i));
    sides2[i] = asSecond(side(t2, i));
  }
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) {
      Point hit;
      const int met = intersectPrepared(sides1[i], sides2[j], &hit);
      if (met == 1) {
        found->add(hit);
      } else if (met == 2 && flatPair && onOneLine(sides1[i].segment, sides2[j].segment)) {
        Point ends[4];
        const int count = collinearOverlapEnds(sides1[i].segment, sides2[j].segment, ends);
        for (int k = 0; k < count; ++k) found->add(ends[k]);
      }
    }
  }
}

// The vertices of t in counter-clockwise order: turn is orientation(t[0], t[1], t[2]), and 1
// (clockwise) exchanges the last two.
struct Triangle {
  Point a, b, c;
};
Triangle counterClockwise(const Point t[3], int turn) {
  const int swap = turn == 1;
  return {t[0], t[1 + swap], t[2 - swap]};
}

// Whether p lies strictly inside the counter-clockwise triangle t.
bool strictlyInside(Triangle t, Point p) {
  return sideAreas(t.a, t.b, t.c, p).inside();
}

}  // namespace

Candidates findCandidates(const Point t1[3], const Point t2[3]) {
  const int turn1 = orientation(t1[0], t1[1], t1[2]);
  const int turn2 = orientation(t2[0], t2[1], t2[2]);
  Candidates result;
  Collection found(result.points);
  // A triangle with no area is a segment: where it lies along a side of the other, the ends
  // of the shared stretch are vertices of the overlap that no crossing gives.
  collectCrossings(t1, t2, turn1 == -1 || turn2 == -1, &found);
  result.n = found.count();
  if (result.n >= 6) return result;

  // Vertices strictly inside the other triangle, each place once, found in the order T1[0],
  // T2[0], T1[1], ...; those of T2 follow those of T1.
  const Triangle ccw1 = counterClockwise(t1, turn1);
  const Triangle ccw2 = counterClockwise(t2, turn2);
  Point ofT2[3];
  Collection insideT1(ofT2);
  for (int k = 0; k < 3; ++k) {
    if (strictlyInside(ccw2, t1[k]) && !insideT1.holds(t1[k])) found.add(t1[k]);
    if (strictlyInside(ccw1, t2[k]) && !found.holds(t2[k])) insideT1.add(t2[k]);
  }
  result.p = found.count() - result.n;
  for (int k = 0; k < insideT1.count(); ++k) found.add(ofT2[k]);
  result.q = found.count() - result.n - result.p;
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
