#include "solver/candidates.h"

#include <algorithm>
#include <cmath>

#include "geometry/pair.h"
#include "geometry/predicates.h"
#include "geometry/segment_intersection.h"

namespace {

int next(int i) {
  return i == 2 ? 0 : i + 1;
}

// Side i of triangle t: from vertex i to the next vertex.
Segment side(const Point t[3], int i) {
  return makeSegment(t[i], t[next(i)]);
}

// Candidates as they are collected: every new place is appended once, with how it was found,
// while there is room.
class Collection {
 public:
  Collection(Point* points, Origin* origins, int capacity)
      : points_(points), origins_(origins), capacity_(capacity) {}
  // Whether the place of p is already collected.
  bool holds(Point p) const {
    bool found = false;
    for (int k = 0; k < count_; ++k) found |= samePlace(points_[k], p);
    return found;
  }
  // Appends the coordinates of p, found as `origin`, unless its place is collected already.
  void add(Point p, Origin origin) {
    if (count_ == capacity_ || holds(p)) return;
    origins_[count_] = origin;
    points_[count_++] = makePoint(p.x, p.y);
  }
  int count() const { return count_; }

 private:
  Point* points_;
  Origin* origins_;
  int capacity_;
  int count_ = 0;
};

// Three-by-three bit tables (bit masks instead of loops over the nine pairs: fewer
// instructions). Bit 3i + j stands for row i and column j: side i of
// one triangle and side or vertex j of the other. One octal digit is one row.
int bitOf(int row, int column) {
  return 3 * row + column;
}
constexpr unsigned kAllPairs = 0777;
constexpr unsigned kFirstTwoColumns = 0333;
constexpr unsigned kLastColumn = 0444;

// Of each row, bit k set where bit next(k) is: each column moved one place back, round.
unsigned nextInRow(unsigned rows) {
  return ((rows >> 1) & kFirstTwoColumns) | ((rows << 2) & kLastColumn);
}

// With vertices as columns: bit 3i + k set where vertices k and next(k), the ends of side k, are
// both in the set.
unsigned bothEnds(unsigned rows) {
  return rows & nextInRow(rows);
}

// Bit k set where column k is set in every row.
unsigned inEveryRow(unsigned rows) {
  return rows & rows >> 3 & rows >> 6 & 7;
}

// The table with rows and columns exchanged: bit 3i + j to 3j + i.
unsigned transposed(unsigned m) {
  return (m & 0421) | (m & 0042) << 2 | (m & 0210) >> 2 | (m & 0004) << 4 | (m & 0100) >> 4;
}

// The vertices of one triangle against the side lines of the other, by exact turns: bit
// bitOf(i, k) of left (right) is set where vertex k lies strictly left (right) of side i.
struct SideTurns {
  unsigned left = 0;
  unsigned right = 0;

  // The turn of vertex k about side i.
  int sign(int i, int k) const {
    return int(left >> bitOf(i, k) & 1) - int(right >> bitOf(i, k) & 1);
  }
  // Bit bitOf(i, j) set where side j of the other triangle has both ends strictly on one side
  // of the line of side i.
  unsigned apart() const { return bothEnds(left) | bothEnds(right); }
  // Whether some vertex lies on a side line.
  bool anyOnLine() const { return (left | right) != kAllPairs; }
  // Bit k set where vertex k lies strictly inside: on the side `turn` of every side line.
  unsigned inside(int turn) const { return inEveryRow(turn > 0 ? left : turn < 0 ? right : 0); }
};

struct TurnTable {
  SideTurns about1;  // T2's vertices against T1's sides
  SideTurns about2;  // T1's vertices against T2's sides
  int turn1, turn2;  // the triangles' own turns
};

// The turn of triangle t, widened to p: its sign from the double value where that lies beyond
// threshold (see turnTable), exact otherwise.
int ownTurn(const Point t[3], const Pair p[3], double threshold) {
  const Pair a = p[1] - p[0], b = p[2] - p[0];
  const double det = a[0] * b[1] - a[1] * b[0];
  if (std::fabs(det) > threshold) return det > 0 ? 1 : -1;
  return exactTurnSign(widen(t[0]), widen(t[1]), widen(t[2]));
}

// The cross products a0 x b0 and a1 x b1, side by side in the two lanes.
Pair crossLanes(Pair a0, Pair b0, Pair a1, Pair b1) {
  return Pair{a0[0], a1[0]} * Pair{b0[1], b1[1]} - Pair{a0[1], a1[1]} * Pair{b0[0], b1[0]};
}

// Every sign decided exactly, where some double value is too close to zero for its own.
void exactSigns(const Point t1[3], const Point t2[3], TurnTable* table) {
  Vec v1[3], v2[3];
  for (int i = 0; i < 3; ++i) {
    v1[i] = widen(t1[i]);
    v2[i] = widen(t2[i]);
  }
  for (int i = 0; i < 3; ++i) {
    for (int k = 0; k < 3; ++k) {
      const int n = bitOf(i, k);
      const int sign1 = exactTurnSign(v1[i], v1[next(i)], v2[k]);
      const int sign2 = exactTurnSign(v2[i], v2[next(i)], v1[k]);
      table->about1.left |= unsigned(sign1 > 0) << n;
      table->about1.right |= unsigned(sign1 < 0) << n;
      table->about2.left |= unsigned(sign2 > 0) << n;
      table->about2.right |= unsigned(sign2 < 0) << n;
    }
  }
}

TurnTable turnTable(const Point t1[3], const Point t2[3]) {
  Pair p1[3], p2[3];
  for (int i = 0; i < 3; ++i) {
    p1[i] = widenPair(t1[i]);
    p2[i] = widenPair(t2[i]);
  }
  // d[k][m]: from T1's vertex k to T2's vertex m. Seen from T2's vertex the same differences
  // change sign, which leaves their cross products as they are. (Each loop unrolled: fewer
  // instructions.)
  Pair d[3][3];
#pragma GCC unroll 3
  for (int k = 0; k < 3; ++k) {
#pragma GCC unroll 3
    for (int m = 0; m < 3; ++m) d[k][m] = p2[m] - p1[k];
  }
  // Two turns at a time, one in each lane (fewer instructions than single turns): T2's vertex
  // k about T1's side i, from d[i][k] and d[next(i)][k], and T1's vertex k about T2's side i,
  // from d[k][i] and d[k][next(i)].
  TurnTable table;
  Pair smallest = {HUGE_VAL, HUGE_VAL};
  unsigned below1 = 0, below2 = 0;
#pragma GCC unroll 3
  for (int i = 0; i < 3; ++i) {
#pragma GCC unroll 3
    for (int k = 0; k < 3; ++k) {
      const int n = bitOf(i, k);
      const Pair det = crossLanes(d[i][k], d[next(i)][k], d[k][i], d[k][next(i)]);
      smallest = smaller(smallest, sizes(det));
      const unsigned negative = signBits(det);
      below1 |= (negative & 1) << n;
      below2 |= (negative >> 1) << n;
    }
  }
  // Let s be the sum of the sizes of the twelve coordinates. No difference exceeds s, nor a
  // product of two s^2, so a turn's double value is off its exact value by less than
  // kTurnErrorBound * 2s^2: beyond twice that (the slack covers the roundings of s and of the
  // threshold) it has the exact sign, which is then never zero. Where a coordinate is not
  // finite, neither is s, and no value passes.
  Pair coordinateSizes = sizes(p1[0]) + sizes(p2[0]);
  for (int k = 1; k < 3; ++k) coordinateSizes += sizes(p1[k]) + sizes(p2[k]);
  const double s = coordinateSizes[0] + coordinateSizes[1];
  const double threshold = 4 * kTurnErrorBound * (s * s);
  if (std::min(smallest[0], smallest[1]) > threshold) {
    // No value is zero: a sign bit is a value below zero.
    table.about1.right = below1;
    table.about2.right = below2;
    table.about1.left = ~below1 & kAllPairs;
    table.about2.left = ~below2 & kAllPairs;
  } else {
    exactSigns(t1, t2, &table);
  }
  table.turn1 = ownTurn(t1, p1, threshold);
  table.turn2 = ownTurn(t2, p2, threshold);
  return table;
}

// The sides of both triangles, as the segment intersection takes them.
struct Sides {
  FirstSegment of1[3];
  SecondSegment of2[3];
};

Sides sidesOf(const Point t1[3], const Point t2[3]) {
  Sides sides;
#pragma GCC unroll 3
  for (int i = 0; i < 3; ++i) {
    sides.of1[i] = asFirst(side(t1, i));
    sides.of2[i] = asSecond(side(t2, i));
  }
  return sides;
}

// A triangle with no area is a segment: a side crosses it at most once, and two such cross at
// most once. Whether the crossing of sides i and j is one more such crossing; marks it.
struct FlatCrossings {
  bool flat1, flat2;
  bool crossed1[3] = {false, false, false};
  bool crossed2[3] = {false, false, false};
  bool crossedAny = false;

  bool repeats(int i, int j) {
    if (!flat1 && !flat2) return false;
    if (flat1 && flat2 && crossedAny) return true;
    if (!(flat1 && flat2) && ((flat2 && crossed1[i]) || (flat1 && crossed2[j]))) return true;
    crossed1[i] = crossed2[j] = crossedAny = true;
    return false;
  }
};

// Where a flat triangle lies along a side of the other, on one line, the ends of the shared
// stretch are vertices of the overlap.
void addSharedStretch(const FirstSegment& f, const SecondSegment& g, const SideTurns& about1, int i,
                      int j, Collection* found) {
  const bool onOneLine = about1.sign(i, j) == 0 && about1.sign(i, next(j)) == 0 &&
                         !samePlace(f.a(), f.b()) && !samePlace(g.a(), g.b());
  if (!onOneLine || parallelOverlap(f, g) != 2) return;
  Point shared[4];
  const int count = collinearOverlapEnds(f.segment(), g.segment(), shared);
  for (int k = 0; k < count; ++k) found->add(shared[k], originOf(Found::kStretchEnd, i, j));
}

// Where the sides of T1 meet the sides of T2, pair by pair in the order side i of T1, side j
// of T2: sides with both ends of one strictly on one side of the other's line never meet.
void addCrossings(const TurnTable& turns, const Sides& sides, Collection* found) {
  const unsigned meets = ~(turns.about1.apart() | transposed(turns.about2.apart())) & kAllPairs;
  const bool endOnLine = turns.about1.anyOnLine() || turns.about2.anyOnLine();
  FlatCrossings flat = {turns.turn1 == 0, turns.turn2 == 0};
  for (unsigned pairs = meets; pairs != 0; pairs &= pairs - 1) {
    const int i = __builtin_ctz(pairs) / 3, j = __builtin_ctz(pairs) % 3;
    const FirstSegment& f = sides.of1[i];
    const SecondSegment& g = sides.of2[j];
    const float den = directionCross(f, g);
    const bool shallow = nearlyParallel(den, f, g);
    // Most pairs: no end on the other's line, not nearly parallel, so no turns to look up.
    if (!shallow && !endOnLine) {
      if (!flat.repeats(i, j)) {
        found->add(crossingAlong(f, g, den), originOf(Found::kSidesCross, i, j));
      }
      continue;
    }
    // Nearly parallel sides on one line share a stretch; otherwise they cross at one point.
    const EndTurns ends = {turns.about2.sign(j, i), turns.about2.sign(j, next(i)),
                           turns.about1.sign(i, j), turns.about1.sign(i, next(j))};
    if (shallow && allOnOneLine(ends)) {
      if (flat.flat1 || flat.flat2) addSharedStretch(f, g, turns.about1, i, j, found);
      continue;
    }
    if (flat.repeats(i, j)) continue;
    found->add(meetingPoint(f, g, den, ends, shallow), originOf(Found::kSidesCross, i, j));
  }
}

// A triangle shrunk to one point meets the other where it lies on one of its sides (two
// points, such as an empty input's, give no candidate); two segments that nothing else joins
// (on one line, ends meeting) touch at a shared vertex.
void addTouchingPoints(const Point t1[3], const Point t2[3], const TurnTable& turns,
                       Collection* found) {
  const bool flat1 = turns.turn1 == 0, flat2 = turns.turn2 == 0;
  if (!flat1 && !flat2) return;
  const bool point1 = flat1 && samePlace(t1[0], t1[1]) && samePlace(t1[0], t1[2]);
  const bool point2 = flat2 && samePlace(t2[0], t2[1]) && samePlace(t2[0], t2[2]);
  for (int j = 0; j < 3 && point1 != point2; ++j) {
    if (point1 && turns.about2.sign(j, 0) == 0 && withinSegment(t1[0], side(t2, j))) {
      found->add(t1[0], originOf(Found::kT1PointOnSide, 0, j));
    }
    if (point2 && turns.about1.sign(j, 0) == 0 && withinSegment(t2[0], side(t1, j))) {
      found->add(t2[0], originOf(Found::kT2PointOnSide, j, 0));
    }
  }
  if (flat1 && flat2 && !point1 && !point2 && found->count() == 0) {
    for (int k = 0; k < 9; ++k) {
      if (samePlace(t1[k / 3], t2[k % 3])) {
        found->add(t1[k / 3], originOf(Found::kVerticesTouch, k / 3, k % 3));
      }
    }
  }
}

// The vertices of each triangle strictly inside the other by the exact turns, each place once,
// found in the order T1[0], T2[0], T1[1], ...; those of T2 follow those of T1.
void addInsideVertices(const Point t1[3], const Point t2[3], const TurnTable& turns,
                       Collection* found, Candidates* result) {
  const unsigned inside2 = turns.about2.inside(turns.turn2);
  const unsigned inside1 = turns.about1.inside(turns.turn1);
  if ((inside1 | inside2) == 0) return;
  Point ofT2[3];
  Origin ofT2Origins[3];
  Collection insideT1(ofT2, ofT2Origins, 3);
  for (int k = 0; k < 3; ++k) {
    if ((inside2 >> k & 1) && !insideT1.holds(t1[k])) {
      found->add(t1[k], originOf(Found::kT1VertexIn, k, 0));
    }
    if ((inside1 >> k & 1) && !found->holds(t2[k])) {
      insideT1.add(t2[k], originOf(Found::kT2VertexIn, 0, k));
    }
  }
  result->p = found->count() - result->n;
  for (int k = 0; k < insideT1.count(); ++k) found->add(ofT2[k], ofT2Origins[k]);
  result->q = found->count() - result->n - result->p;
}

}  // namespace

Candidates findCandidates(const Point t1[3], const Point t2[3]) {
  const TurnTable turns = turnTable(t1, t2);
  Candidates result;
  Collection found(result.points, result.origins, kMaxCandidates);
  addCrossings(turns, sidesOf(t1, t2), &found);
  addTouchingPoints(t1, t2, turns, &found);
  result.n = found.count();
  if (result.n < 6) addInsideVertices(t1, t2, turns, &found, &result);
  return result;
}
