#include "solver/solve.h"

#include "solver/candidates.h"
#include "solver/polygon_order.h"

Solution solveTask(const Point t1[3], const Point t2[3]) {
  const Candidates found = findCandidates(t1, t2);
  Solution solution;
  solution.n = found.n;
  solution.p = found.p;
  solution.q = found.q;
  const int total = candidateCount(found);
  for (int k = 0; k < total; ++k) {
    solution.candidates[k] = makePoint(found.points[k].x, found.points[k].y);
    solution.origins[k] = found.origins[k];
  }
  if (total > 1) {
    solution.m = orderConvexPolygon(solution.candidates, solution.overlap, total);
  } else if (total == 1) {
    solution.overlap[0] = solution.overlap[1] = solution.candidates[0];
    solution.m = 1;
  }
  return solution;
}
