#include "solver/candidates.h"

#include <algorithm>
#include <cmath>

#include "geometry/pair.h"
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
    points_[count_++] = makePoint(p.x, p.y);
  }
  int count() const { return count_; }

 private:
  Point* points_;
  int capacity_;
  int count_ = 0;
};

// Of each row of three bits (side i's bits k = 0, 1, 2), bit k set where bits k and next(k)
// both are: side k of the other triangle has both ends in the set.
unsigned bothEnds(unsigned rows) {
  return rows & (((rows >> 1) & 0333) | ((rows << 2) & 0444));
}

// The three-by-three bit matrix with rows and columns exchanged: bit 3i + j to 3j + i.
unsigned transposed(unsigned m) {
  return (m & 0421) | (m & 0042) << 2 | (m & 0210) >> 2 | (m & 0004) << 4 | (m & 0100) >> 4;
}

// The vertices of one triangle seen against the side lines of the other, by exact turns: bit
// 3i + k of left (right) is set where vertex k lies strictly left (right) of side i.
struct SideTurns {
  unsigned left = 0;
  unsigned right = 0;
  unsigned below = 0;  // where the double value is below zero
  unsigned above = 0;  // where it is zero or above

  // +1 where vertex k lies left of side i, -1 right, 0 on its line.
  int sign(int i, int k) const {
    return int(left >> (3 * i + k) & 1) - int(right >> (3 * i + k) & 1);
  }
  // Bit 3i + j set where side j of the other triangle has both ends strictly on one side of
  // the line of side i.
  unsigned apart() const { return bothEnds(left) | bothEnds(right); }
  // Whether some vertex lies on a side line.
  bool anyOnLine() const { return (left | right) != 0777; }
  // Bit k set where vertex k lies strictly inside, on the side `turn` of every side line.
  unsigned inside(int turn) const {
    const unsigned on = turn > 0 ? left : turn < 0 ? right : 0;
    return on & on >> 3 & on >> 6 & 7;
  }
};

struct TurnTable {
  SideTurns about1;  // T2's vertices against T1's sides
  SideTurns about2;  // T1's vertices against T2's sides
  // The double values of turn 3i + k in each: vertex k about side i, formed from the vertex as
  // the containment test forms its first area.
  Pair det[9];
  int turn1, turn2;  // the triangles' own turns
  double size2;      // the square of the sum of the sizes of the coordinates
  double smallest;   // the smallest size of a turn's double value
};

// The turn of triangle t, widened to p: its sign from the double value where that lies beyond
// threshold (see turnTable), exact otherwise.
int ownTurn(const Point t[3], const Pair p[3], double threshold) {
  const Pair a = p[1] - p[0], b = p[2] - p[0];
  const double det = a[0] * b[1] - a[1] * b[0];
  if (std::fabs(det) > threshold) return det > 0 ? 1 : -1;
  return exactTurnSign(widen(t[0]), widen(t[1]), widen(t[2]));
}

TurnTable turnTable(const Point t1[3], const Point t2[3]) {
  Pair p1[3], p2[3];
  for (int i = 0; i < 3; ++i) {
    p1[i] = widenPair(t1[i]);
    p2[i] = widenPair(t2[i]);
  }
  // From each vertex of T1 to each vertex of T2; seen from T2's vertex the same differences
  // change sign, which leaves their cross products as they are.
  Pair d[3][3];
#pragma GCC unroll 3
  for (int k = 0; k < 3; ++k) {
#pragma GCC unroll 3
    for (int m = 0; m < 3; ++m) d[k][m] = p2[m] - p1[k];
  }
  // Turn 3i + k of T2's vertex k about T1's side i beside that of T1's vertex k about T2's
  // side i: the cross products of d[i][k] with d[next(i)][k] and of d[k][i] with d[k][next(i)].
  TurnTable table;
  Pair smallest = {HUGE_VAL, HUGE_VAL};
  unsigned below1 = 0, below2 = 0;
#pragma GCC unroll 3
  for (int i = 0; i < 3; ++i) {
#pragma GCC unroll 3
    for (int k = 0; k < 3; ++k) {
      const int n = 3 * i + k;
      const Pair a = d[i][k], b = d[next(i)][k], c = d[k][i], e = d[k][next(i)];
      const Pair det = Pair{a[0], c[0]} * Pair{b[1], e[1]} - Pair{a[1], c[1]} * Pair{b[0], e[0]};
      table.det[n] = det;
      smallest = smaller(smallest, sizes(det));
      const unsigned negative = signBits(det);
      below1 |= (negative & 1) << n;
      below2 |= (negative & 2) << n;  // one place up
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
  table.size2 = s * s;
  const double threshold = 4 * kTurnErrorBound * table.size2;
  table.smallest = std::min(smallest[0], smallest[1]);
  const bool sure = table.smallest > threshold;
  below2 >>= 1;
  if (sure) {
    // No value is zero: a sign bit is a value below zero.
    table.about1.below = table.about1.right = below1;
    table.about2.below = table.about2.right = below2;
    table.about1.above = table.about1.left = ~below1 & 0777;
    table.about2.above = table.about2.left = ~below2 & 0777;
  } else {
    // Some value is too close to zero for its sign: every sign is decided exactly.
    Vec v1[3], v2[3];
    for (int i = 0; i < 3; ++i) {
      v1[i] = widen(t1[i]);
      v2[i] = widen(t2[i]);
    }
    for (int i = 0; i < 3; ++i) {
      for (int k = 0; k < 3; ++k) {
        const int n = 3 * i + k;
        table.about1.below |= unsigned(table.det[n][0] < 0) << n;
        table.about2.below |= unsigned(table.det[n][1] < 0) << n;
        table.about1.above |= unsigned(table.det[n][0] >= 0) << n;
        table.about2.above |= unsigned(table.det[n][1] >= 0) << n;
        const int sign1 = exactTurnSign(v2[k], v1[i], v1[next(i)]);
        const int sign2 = exactTurnSign(v1[k], v2[i], v2[next(i)]);
        table.about1.left |= unsigned(sign1 > 0) << n;
        table.about1.right |= unsigned(sign1 < 0) << n;
        table.about2.left |= unsigned(sign2 > 0) << n;
        table.about2.right |= unsigned(sign2 < 0) << n;
      }
    }
  }
  table.turn1 = ownTurn(t1, p1, threshold);
  table.turn2 = ownTurn(t2, p2, threshold);
  return table;
}

// The rounded containment test's areas hold the third vertex seen from the tested point in
// single precision. That moves each from the exact turn by less than 2^-24 (1 + 2^-26) of the
// sum of the sizes of its two products, each at most s^2 (s: the sum of the sizes of the
// coordinates), so with the double values' own error by less than 2^-22 s^2. Beyond twice
// that from zero, an area has the sign of the exact turn.
constexpr double kRoundedAreaError = 0x1p-21;

// The vertices of one triangle inside the other, t, as bits: strictly inside by the exact
// turns, or inside by the rounded containment test of t put counter-clockwise. Lane 0 takes
// T2's vertices in T1, lane 1 T1's in T2.
unsigned insideOf(const TurnTable& turns, int lane, const Point t[3], const Point vertices[3]) {
  const SideTurns& about = lane == 0 ? turns.about1 : turns.about2;
  const int turn = lane == 0 ? turns.turn1 : turns.turn2;
  const unsigned strictly = about.inside(turn);
  // The rounded test's areas are the turns of a vertex about the sides of t put
  // counter-clockwise: sides 0, 1, 2, or for a clockwise t the reverse of sides 2, 1, 0. The
  // first is the double value rounded to single precision, which keeps the sign: where that
  // value is negative or zero, the test cannot answer "inside".
  const bool clockwise = turn < 0;
  const unsigned firstAtMostZero = clockwise ? about.above >> 6 : about.below;
  unsigned found = strictly;
  for (unsigned maybe = ~(strictly | firstAtMostZero) & 7; maybe != 0; maybe &= maybe - 1) {
    const int k = __builtin_ctz(maybe);
    const double orientation = clockwise ? -1 : 1;
    const double side1 = orientation * turns.det[clockwise ? 6 + k : k][lane];
    const double side2 = orientation * turns.det[3 + k][lane];
    const double side3 = orientation * turns.det[clockwise ? k : 6 + k][lane];
    const double margin = kRoundedAreaError * turns.size2;
    if (float(side1) <= 0 || side2 < -margin || side3 < -margin) continue;
    if (sideAreas(t[0], t[1 + clockwise], t[2 - clockwise], vertices[k]).inside()) {
      found |= 1u << k;
    }
  }
  return found;
}

}  // namespace

Candidates findCandidates(const Point t1[3], const Point t2[3]) {
  const TurnTable turns = turnTable(t1, t2);
  const bool flat1 = turns.turn1 == 0;
  const bool flat2 = turns.turn2 == 0;
  FirstSegment sides1[3];
  SecondSegment sides2[3];
#pragma GCC unroll 3
  for (int i = 0; i < 3; ++i) {
    sides1[i] = asFirst(side(t1, i));
    sides2[i] = asSecond(side(t2, i));
  }

  Candidates result;
  Collection found(result.points, kMaxCandidates);
  // Where side i of T1 meets side j of T2 (bit 3i + j), in that order. Sides with both ends
  // of one strictly on one side of the other's line never meet, nor lie on one line. A
  // triangle with no area is a segment: a side crosses it at most once, and where it lies
  // along a side of the other triangle, the ends of the shared stretch are vertices of the
  // overlap.
  const unsigned meets = ~(turns.about1.apart() | transposed(turns.about2.apart())) & 0777;
  const bool endOnLine = turns.about1.anyOnLine() || turns.about2.anyOnLine();
  bool crossed1[3] = {false, false, false};
  bool crossed2[3] = {false, false, false};
  bool crossedAny = false;
  for (unsigned pairs = meets; pairs != 0; pairs &= pairs - 1) {
    const int i = __builtin_ctz(pairs) / 3;
    const int j = __builtin_ctz(pairs) % 3;
    const FirstSegment& f = sides1[i];
    const SecondSegment& g = sides2[j];
    const float den = directionCross(f, g);
    if (nearlyParallel(den, f, g)) {
      const bool onOneLine = turns.about1.sign(i, j) == 0 && turns.about1.sign(i, next(j)) == 0 &&
                             !samePlace(f.a(), f.b()) && !samePlace(g.a(), g.b());
      if ((flat1 || flat2) && onOneLine && parallelOverlap(f, g) == 2) {
        Point shared[4];
        const int count = collinearOverlapEnds(f.segment(), g.segment(), shared);
        for (int k = 0; k < count; ++k) found.add(shared[k]);
      }
      continue;
    }
    if (flat1 || flat2) {
      if (flat1 && flat2 ? crossedAny : (flat2 && crossed1[i]) || (flat1 && crossed2[j])) {
        continue;
      }
      crossed1[i] = crossed2[j] = crossedAny = true;
    }
    if (!endOnLine) {
      found.add(crossingAlong(f, g, den));
      continue;
    }
    const EndTurns ends = {turns.about2.sign(j, i), turns.about2.sign(j, next(i)),
                           turns.about1.sign(i, j), turns.about1.sign(i, next(j))};
    found.add(meetingPoint(f, g, den, ends));
  }
  // A triangle shrunk to one point meets the other where it lies on one of its sides (two
  // points, such as an empty input's, give no candidate).
  const bool point1 = flat1 && samePlace(t1[0], t1[1]) && samePlace(t1[0], t1[2]);
  const bool point2 = flat2 && samePlace(t2[0], t2[1]) && samePlace(t2[0], t2[2]);
  for (int j = 0; j < 3 && point1 != point2; ++j) {
    if (point1 && turns.about2.sign(j, 0) == 0 && withinSegment(t1[0], sides2[j].segment())) {
      found.add(t1[0]);
    }
    if (point2 && turns.about1.sign(j, 0) == 0 && withinSegment(t2[0], sides1[j].segment())) {
      found.add(t2[0]);
    }
  }
  // Two segments that nothing else joins (on one line, ends meeting) touch at a shared vertex.
  if (flat1 && flat2 && !point1 && !point2 && found.count() == 0) {
    for (int k = 0; k < 9; ++k) {
      if (samePlace(t1[k / 3], t2[k % 3])) found.add(t1[k / 3]);
    }
  }
  result.n = found.count();
  if (result.n >= 6) return result;

  // Where every turn lies beyond the rounded test's error, its areas have the signs of the
  // exact turns, and it answers "inside" exactly where they do.
  const bool nearLine = !(turns.smallest > kRoundedAreaError * turns.size2);
  const unsigned inside2 = nearLine ? insideOf(turns, 1, t2, t1) : turns.about2.inside(turns.turn2);
  const unsigned inside1 = nearLine ? insideOf(turns, 0, t1, t2) : turns.about1.inside(turns.turn1);
  if ((inside1 | inside2) == 0) return result;

  // Vertices inside the other triangle, each place once, found in the order T1[0], T2[0],
  // T1[1], ...; those of T2 follow those of T1.
  Point ofT2[3];
  Collection insideT1(ofT2, 3);
  for (int k = 0; k < 3; ++k) {
    if ((inside2 >> k & 1) && !insideT1.holds(t1[k])) found.add(t1[k]);
    if ((inside1 >> k & 1) && !found.holds(t2[k])) insideT1.add(t2[k]);
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
  describeTask(t1, t2, found.n, found.p, found.q);

  const int total = candidateCount(found);
  for (int k = 0; k < total; ++k) {
    out[k].x = found.points[k].x;
    out[k].y = found.points[k].y;
  }
  return total;
}
