#include "solver/polygon_order.h"

#include "geometry/predicates.h"
#include "solver/candidates.h"

namespace {

// Whether i -> j leaves no candidate strictly on its right, so that it bounds the polygon.
bool isBoundarySide(const Point pts[], int count, int i, int j) {
  for (int k = 0; k < count; ++k) {
    if (k != i && k != j && orientation(pts[i], pts[j], pts[k]) == 1) return false;
  }
  return true;
}

// The lowest index j for which i -> j bounds the polygon, or -1.
int firstSideFrom(const Point pts[], int count, int i) {
  for (int j = 0; j < count; ++j) {
    if (j != i && isBoundarySide(pts, count, i, j)) return j;
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
