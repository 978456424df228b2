#include "solver/candidates.h"

#include "geometry/predicates.h"
#include "geometry/segment_intersection.h"
#include "scene/scene.h"

namespace {

int next(int i) {
  return i == 2 ? 0 : i + 1;
}

// Side i of triangle t: from vertex i to the next vertex.
Segment side(const Point t[3], int i) {
  return makeSegment(t[i], t[next(i)]);
}

// Candidates as they are collected: every new place is appended once, while there is room.
class Collection {
 public:
  Collection(Point* points, int capacity) : points_(points), capacity_(capacity) {}
  // Whether the place of p is already collected.
  bool holds(Point p) const {
    bool found = false;
    for (int k = 0; k < count_; ++k) found |= samePlace(points_[k], p);
    return found;
  }
  // Appends the coordinates of p unless its place is collected already.
  void add(Point p) {
    if (count_ == capacity_ || holds(p)) return;
    points_[count_].x = p.x;
    points_[count_].y = p.y;
    ++count_;
  }
  int count() const { return count_; }

 private:
  Point* points_;
  int capacity_;
  int count_ = 0;
};

// Every vertex of one triangle seen against every side line of the other: about1[i][k] is
// the turn of T2's vertex k about T1's side i, about2[j][k] that of T1's vertex k about T2's
// side j. Each is formed from the vertex, as the containment test forms its first area.
struct TurnTable {
  Turn about1[3][3];
  Turn about2[3][3];
  int turn1, turn2;  // the triangles' own turns
};

TurnTable turnTable(const Point t1[3], const Point t2[3]) {
  Vec v1[3], v2[3];
  for (int i = 0; i < 3; ++i) {
    v1[i] = widen(t1[i]);
    v2[i] = widen(t2[i]);
  }
  // From each vertex of T1 to each vertex of T2; seen from T2's vertex the same differences
  // change sign, which leaves their cross products as they are.
  Vec d[3][3];
  for (int k = 0; k < 3; ++k) {
    for (int m = 0; m < 3; ++m) d[k][m] = {v2[m].x - v1[k].x, v2[m].y - v1[k].y};
  }
  TurnTable table;
  bool sure = true;
  for (int i = 0; i < 3; ++i) {
    for (int k = 0; k < 3; ++k) {
      const Vec a = d[i][k], b = d[next(i)][k];
      table.about1[i][k] = quickTurn(a.x * b.y, a.y * b.x);
      sure &= signIsSure(a.x * b.y, a.y * b.x);
      const Vec c = d[k][i], e = d[k][next(i)];
      table.about2[i][k] = quickTurn(c.x * e.y, c.y * e.x);
      sure &= signIsSure(c.x * e.y, c.y * e.x);
    }
  }
  // Where a value is too close to zero for its sign, the turn is decided exactly.
  for (int i = 0; i < 3 && !sure; ++i) {
    for (int k = 0; k < 3; ++k) {
      table.about1[i][k] = turnAbout(v2[k], v1[i], v1[next(i)]);
      table.about2[i][k] = turnAbout(v1[k], v2[i], v2[next(i)]);
    }
  }
  table.turn1 = turnAbout(v1[0], v1[1], v1[2]).sign;
  table.turn2 = turnAbout(v2[0], v2[1], v2[2]).sign;
  return table;
}

// Whether vertex k of one triangle, p, lies inside the other, t, whose own turn is `turn` and
// whose side lines p is seen against in about[side][k]: strictly inside by the exact turns,
// or by the rounded containment test of t put counter-clockwise.
inline bool inside(const Turn about[3][3], int turn, const Point t[3], Point p, int k) {
  if (turn != 0 && about[0][k].sign == turn && about[1][k].sign == turn &&
      about[2][k].sign == turn) {
    return true;
  }
  // The rounded test's first area is the double turn of p about the first counter-clockwise
  // side (t0 -> t1, or t0 -> t2 for a clockwise t, the reverse of side 2) rounded to single
  // precision, and rounding keeps the sign: where that turn is zero or negative, the test
  // cannot answer "inside".
  const bool clockwise = turn < 0;
  const float firstArea = float(clockwise ? -about[2][k].det : about[0][k].det);
  if (firstArea <= 0) return false;
  return sideAreas(t[0], t[1 + clockwise], t[2 - clockwise], p).inside();
}

}  // namespace

Candidates findCandidates(const Point t1[3], const Point t2[3]) {
  const TurnTable turns = turnTable(t1, t2);
  const bool flat1 = turns.turn1 == 0;
  const bool flat2 = turns.turn2 == 0;
  FirstSegment sides1[3];
  SecondSegment sides2[3];
  for (int i = 0; i < 3; ++i) {
    sides1[i] = asFirst(side(t1, i));
    sides2[i] = asSecond(side(t2, i));
  }

  Candidates result;
  Collection found(result.points, kMaxCandidates);
  // Where side i of T1 meets side j of T2, in that order. A triangle with no area is a
  // segment: a side crosses it at most once, and where it lies along a side of the other
  // triangle, the ends of the shared stretch are vertices of the overlap.
  bool crossed1[3] = {false, false, false};
  bool crossed2[3] = {false, false, false};
  bool crossedAny = false;
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) {
      // Sides with both ends of one strictly on one side of the other's line never meet,
      // nor lie on one line.
      const EndTurns ends = {turns.about2[j][i].sign, turns.about2[j][next(i)].sign,
                             turns.about1[i][j].sign, turns.about1[i][next(j)].sign};
      if (!segmentsMeet(ends)) continue;
      const FirstSegment& f = sides1[i];
      const SecondSegment& g = sides2[j];
      const float den = directionCross(f, g);
      if (nearlyParallel(den, f, g)) {
        const bool onOneLine = ends.ga == 0 && ends.gb == 0 &&
                               !samePlace(f.segment.a, f.segment.b) &&
                               !samePlace(g.segment.a, g.segment.b);
        if ((flat1 || flat2) && onOneLine && parallelOverlap(f, g) == 2) {
          Point shared[4];
          const int count = collinearOverlapEnds(f.segment, g.segment, shared);
          for (int k = 0; k < count; ++k) found.add(shared[k]);
        }
        continue;
      }
      if (flat1 && flat2 ? crossedAny : (flat2 && crossed1[i]) || (flat1 && crossed2[j])) {
        continue;
      }
      crossed1[i] = crossed2[j] = crossedAny = true;
      found.add(meetingPoint(f, g, den, ends));
    }
  }
  // A triangle shrunk to one point meets the other where it lies on one of its sides (two
  // points, such as an empty input's, give no candidate).
  const bool point1 = samePlace(t1[0], t1[1]) && samePlace(t1[0], t1[2]);
  const bool point2 = samePlace(t2[0], t2[1]) && samePlace(t2[0], t2[2]);
  for (int j = 0; j < 3 && point1 != point2; ++j) {
    if (point1 && turns.about2[j][0].sign == 0 && withinSegment(t1[0], sides2[j].segment)) {
      found.add(t1[0]);
    }
    if (point2 && turns.about1[j][0].sign == 0 && withinSegment(t2[0], sides1[j].segment)) {
      found.add(t2[0]);
    }
  }
  result.n = found.count();
  if (result.n >= 6) return result;

  // Vertices inside the other triangle, each place once, found in the order T1[0], T2[0],
  // T1[1], ...; those of T2 follow those of T1.
  Point ofT2[3];
  Collection insideT1(ofT2, 3);
  for (int k = 0; k < 3; ++k) {
    if (inside(turns.about2, turns.turn2, t2, t1[k], k) && !insideT1.holds(t1[k])) {
      found.add(t1[k]);
    }
    if (inside(turns.about1, turns.turn1, t1, t2[k], k) && !found.holds(t2[k])) {
      insideT1.add(t2[k]);
    }
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
