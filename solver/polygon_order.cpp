#include "solver/polygon_order.h"

#include "geometry/predicates.h"
#include "solver/candidates.h"

namespace {

// A directed side of the polygon, from one candidate to another, by index.
struct Side {
  int start;
  int end;
};

// Every ordered pair of distinct candidates.
constexpr int kMaxSides = kMaxCandidates * (kMaxCandidates - 1);

// Whether i -> j leaves no candidate strictly on its right, so that it bounds the polygon.
bool isBoundarySide(const Point pts[], int count, int i, int j) {
  for (int k = 0; k < count; ++k) {
    if (k != i && k != j && orientation(pts[i], pts[j], pts[k]) == 1) return false;
  }
  return true;
}

}  // namespace

int orderConvexPolygon(const Point pts[], Point out[], int count) {
  if (count < 2 || count > kMaxCandidates) return 0;

  Side sides[kMaxSides];
  int sideCount = 0;
  for (int i = 0; i < count; ++i) {
    for (int j = 0; j < count; ++j) {
      if (j != i && isBoundarySide(pts, count, i, j)) sides[sideCount++] = {i, j};
    }
  }
  if (sideCount == 0) return 0;

  // Walk the sides from the first one until the walk comes back to its start; the walk takes
  // at most count steps, and stops where no side continues it.
  const int start = sides[0].start;
  out[0] = pts[start];
  out[1] = pts[sides[0].end];
  int written = 2;
  int current = sides[0].end;
  while (current != start) {
    if (written == count + 1) {
      out[count] = out[0];
      return count;
    }
    int found = -1;
    for (int k = 1; k < sideCount && found < 0; ++k) {
      if (sides[k].start == current) found = sides[k].end;
    }
    if (found < 0) {
      out[written] = out[0];
      return written;
    }
    out[written++] = pts[found];
    current = found;
  }
  return written - 1;
}
