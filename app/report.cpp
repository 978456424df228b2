#include "app/report.h"

#include "scene/scene.h"
#include "solver/polygon_order.h"

Report reportOverlap(const Point t1[3], const Point t2[3], std::FILE* out) {
  Report report;
  report.total = findIntersectionCandidates(t1, t2, report.candidates, out);
  if (report.total > 1) {
    report.m = orderConvexPolygon(report.candidates, report.polygon, report.total);
    std::fprintf(out, "Broj temena presecnog poligona je : %d\n", report.m);
    for (int k = 0; k < report.m; ++k) {
      std::fprintf(out, "T[%d]=( %.3f , %.3f )\n", k, double(report.polygon[k].x),
                   double(report.polygon[k].y));
    }
    addPolygonOutline(report.polygon, report.m);
  }
  // The window names the overlap: its ring, or its one point.
  static_assert(kMaxCandidates <= sizeof gTask.overlap / sizeof gTask.overlap[0]);
  describeOverlap(report.total > 1 ? report.polygon : report.candidates,
                  report.total > 1 ? report.m : report.total);
  return report;
}
