#include "solver/polygon_order.h"

#include "solver/candidates.h"

namespace {

// The lowest index j for which i -> j leaves no candidate strictly on its right, so that it
// bounds the polygon, or -1. The turn i -> j -> k is the orientation of the three points,
// formed from their differences to pts[i].
int firstSideFrom(const Point pts[], int count, int i) {
  double dx[kMaxCandidates];
  double dy[kMaxCandidates];
  for (int k = 0; k < count; ++k) {
    dx[k] = double(pts[k].x) - pts[i].x;
    dy[k] = double(pts[k].y) - pts[i].y;
  }
  for (int j = 0; j < count; ++j) {
    if (j == i) continue;
    int k = 0;
    while (k < count && (k == i || k == j || !(dy[k] * dx[j] - dy[j] * dx[k] < 0))) ++k;
    if (k == count) return j;
  }
  return -1;
}

}  // namespace

int orderConvexPolygon(const Point pts[], Point out[], int count) {
  if (count < 2 || count > kMaxCandidates) return 0;

  // The ring starts with the first side from the lowest index that has one.
  int start = 0;
  int current = -1;
  while (start < count && (current = firstSideFrom(pts, count, start)) < 0) ++start;
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
    const int next = firstSideFrom(pts, count, current);
    if (next < 0) {
      out[written] = out[0];
      return written;
    }
    out[written++] = pts[next];
    current = next;
  }
  return written - 1;
}
