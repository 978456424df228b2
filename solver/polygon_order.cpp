#include "solver/polygon_order.h"

#include "geometry/predicates.h"
#include "solver/candidates.h"

namespace {

// The exact turn of every three of the points, in every order: turn[i][j][k] is +1 when k
// lies left of i -> j, -1 right, 0 on the line. Each set of three is decided once.
struct Turns {
  signed char turn[kMaxCandidates][kMaxCandidates][kMaxCandidates];

  Turns(const Point pts[], int count) {
    Vec v[kMaxCandidates];
    for (int k = 0; k < count; ++k) v[k] = widen(pts[k]);
    for (int a = 0; a < count; ++a) {
      for (int b = a + 1; b < count; ++b) {
        for (int c = b + 1; c < count; ++c) {
          const auto s = static_cast<signed char>(turnSign(v[a], v[b], v[c]));
          const auto r = static_cast<signed char>(-s);
          turn[a][b][c] = turn[b][c][a] = turn[c][a][b] = s;
          turn[a][c][b] = turn[c][b][a] = turn[b][a][c] = r;
        }
      }
    }
  }
};

// The lowest index j for which i -> j leaves no point strictly on its right, so that it
// bounds the polygon, or -1.
int firstSideFrom(const Turns& t, int count, int i) {
  for (int j = 0; j < count; ++j) {
    if (j == i) continue;
    int k = 0;
    while (k < count && (k == i || k == j || t.turn[i][j][k] >= 0)) ++k;
    if (k == count) return j;
  }
  return -1;
}

// Whether p comes before q along a line: by x, then by y.
bool before(Point p, Point q) {
  return p.x < q.x || (p.x == q.x && p.y < q.y);
}

// Writes the ring of points a and b, closed by a copy of a.
int segmentRing(Point a, Point b, Point out[]) {
  out[0] = a;
  out[1] = b;
  out[2] = a;
  return 2;
}

// Whether direction e points into the upper half of the directions, [0, pi). The difference
// of two floats keeps its exact sign in double precision.
bool pointsUp(Vec e) {
  return e.y > 0 || (e.y == 0 && e.x > 0);
}

// Where the points are the corners of a strictly convex polygon, the walk below goes round it
// counter-clockwise from point 0. This orders them so directly and writes the ring, or returns
// 0 where it cannot show that they are such corners.
int convexRing(const Point pts[], Point out[], int count) {
  if (count == 3) {
    // Three points not on one line: counter-clockwise as they are, or with the last two
    // exchanged.
    const int turn = turnSign(pts[0], pts[1], pts[2]);
    if (turn == 0) return 0;
    out[0] = out[3] = pts[0];
    out[1] = pts[turn > 0 ? 1 : 2];
    out[2] = pts[turn > 0 ? 2 : 1];
    return 3;
  }
  Vec v[kMaxCandidates], from0[kMaxCandidates];
  for (int k = 0; k < count; ++k) {
    v[k] = widen(pts[k]);
    from0[k] = {v[k].x - v[0].x, v[k].y - v[0].y};
  }
  // Seen from point 0, a corner, the others lie within half a turn: rank them by angle, each
  // after every point it lies counter-clockwise of. Ties leave a place empty. (Without
  // branches: a little more work than an insertion sort, but faster on pairs in a new order.)
  int rank[kMaxCandidates] = {};
  for (int j = 1; j < count; ++j) {
    for (int k = j + 1; k < count; ++k) {
      const bool after = from0[j].x * from0[k].y - from0[j].y * from0[k].x > 0;
      rank[k] += after;
      rank[j] += !after;
    }
  }
  int order[kMaxCandidates + 2];
  order[0] = 0;
  unsigned placed = 0;
  for (int k = 1; k < count; ++k) {
    order[1 + rank[k]] = k;
    placed |= 1u << rank[k];
  }
  if (placed != (1u << (count - 1)) - 1) return 0;
  order[count] = 0;
  order[count + 1] = order[1];
  // The sort used rounded turns; the ring stands when every corner turns strictly left and the
  // edges go round once. With every turn left and below half a turn, the edge directions pass
  // from the lower half into the upper half once per round.
  int rounds = 0;
  Vec e = {v[order[1]].x - v[0].x, v[order[1]].y - v[0].y};
  bool eUp = pointsUp(e);
  for (int k = 0; k < count; ++k) {
    const Vec b = v[order[k + 1]], c = v[order[k + 2]];
    const Vec f = {c.x - b.x, c.y - b.y};
    const bool fUp = pointsUp(f);
    const double left = e.x * f.y;
    const double right = e.y * f.x;
    const bool turnsLeft =
        signIsSure(left, right) ? left > right : exactTurnSign(v[order[k]], b, c) > 0;
    if (!turnsLeft) return 0;
    rounds += !eUp && fUp;
    e = f;
    eUp = fUp;
  }
  if (rounds != 1) return 0;
  for (int k = 0; k <= count; ++k) out[k] = pts[order[k]];
  return count;
}

}  // namespace

int orderConvexPolygon(const Point pts[], Point out[], int count) {
  if (count < 2 || count > kMaxCandidates) return 0;
  if (count > 2) {
    const int corners = convexRing(pts, out, count);
    if (corners > 0) return corners;
  }
  const Turns t(pts, count);

  // Points on one line bound no area: the ring is the segment between the outermost two, the
  // lower index first (the first two where all are one place).
  int other = 1;
  while (other < count && samePlace(pts[other], pts[0])) ++other;
  if (other == count) return segmentRing(pts[0], pts[1], out);
  bool onOneLine = true;
  for (int k = 1; k < count; ++k) onOneLine &= k == other || t.turn[0][other][k] == 0;
  if (onOneLine) {
    int first = 0;
    int last = 0;
    for (int k = 1; k < count; ++k) {
      if (before(pts[k], pts[first])) first = k;
      if (before(pts[last], pts[k])) last = k;
    }
    return first < last ? segmentRing(pts[first], pts[last], out)
                        : segmentRing(pts[last], pts[first], out);
  }

  // The ring starts with the first side from the lowest index that has one.
  int start = 0;
  int current = -1;
  while (start < count && (current = firstSideFrom(t, count, start)) < 0) ++start;
  if (current < 0) return 0;

  // Walk from side to side until the walk comes back to its start; the walk takes at most
  // count steps, and stops where no side continues it.
  out[0] = pts[start];
  out[1] = pts[current];
  int written = 2;
  while (current != start) {
    if (written == count + 1) {
      out[count] = out[0];
      return count;
    }
    const int next = firstSideFrom(t, count, current);
    if (next < 0) {
      out[written] = out[0];
      return written;
    }
    out[written++] = pts[next];
    current = next;
  }
  return written - 1;
}
