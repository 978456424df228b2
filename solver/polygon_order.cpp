#include "solver/polygon_order.h"

#include "geometry/predicates.h"
#include "solver/candidates.h"

namespace {

// The lowest index j for which i -> j leaves no point strictly on its right, so that it
// bounds the polygon, or -1. The turns are formed from the differences to point i.
int firstSideFrom(const Vec v[], int count, int i) {
  Vec d[kMaxCandidates];
  for (int k = 0; k < count; ++k) d[k] = {v[k].x - v[i].x, v[k].y - v[i].y};
  for (int j = 0; j < count; ++j) {
    if (j == i) continue;
    int k = 0;
    for (; k < count; ++k) {
      if (k == i || k == j) continue;
      const double left = d[j].x * d[k].y;
      const double right = d[j].y * d[k].x;
      const int sign =
          signIsSure(left, right) ? quickTurn(left, right).sign : exactTurnSign(v[i], v[j], v[k]);
      if (sign < 0) break;
    }
    if (k == count) return j;
  }
  return -1;
}

// Whether p comes before q along a line: by x, then by y.
bool before(Vec p, Vec q) {
  return p.x < q.x || (p.x == q.x && p.y < q.y);
}

// When all points lie on one line, writes the indices of the two outermost along it to *lo
// and *hi (lo < hi) and returns true.
bool outermostOnOneLine(const Vec v[], int count, int* lo, int* hi) {
  int other = 1;
  while (other < count && v[other].x == v[0].x && v[other].y == v[0].y) ++other;
  if (other == count) {
    *lo = 0;
    *hi = 1;
    return true;
  }
  int first = 0;
  int last = 0;
  for (int k = 1; k < count; ++k) {
    if (k != other && turnAbout(v[0], v[other], v[k]).sign != 0) return false;
    if (before(v[k], v[first])) first = k;
    if (before(v[last], v[k])) last = k;
  }
  *lo = first < last ? first : last;
  *hi = first < last ? last : first;
  return true;
}

}  // namespace

int orderConvexPolygon(const Point pts[], Point out[], int count) {
  if (count < 2 || count > kMaxCandidates) return 0;
  Vec v[kMaxCandidates];
  for (int k = 0; k < count; ++k) v[k] = widen(pts[k]);

  // Points on one line bound no area: the ring is the segment between the outermost two.
  int lo = 0;
  int hi = 0;
  if (outermostOnOneLine(v, count, &lo, &hi)) {
    out[0] = pts[lo];
    out[1] = pts[hi];
    out[2] = out[0];
    return 2;
  }

  // Three points off one line: the ring runs from the first counter-clockwise.
  if (count == 3) {
    const bool counterClockwise = turnAbout(v[0], v[1], v[2]).sign > 0;
    out[0] = pts[0];
    out[1] = pts[counterClockwise ? 1 : 2];
    out[2] = pts[counterClockwise ? 2 : 1];
    out[3] = out[0];
    return 3;
  }

  // The ring starts with the first side from the lowest index that has one.
  int start = 0;
  int current = -1;
  while (start < count && (current = firstSideFrom(v, count, start)) < 0) ++start;
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
    const int next = firstSideFrom(v, count, current);
    if (next < 0) {
      out[written] = out[0];
      return written;
    }
    out[written++] = pts[next];
    current = next;
  }
  return written - 1;
}
