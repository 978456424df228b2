#include "app/report.h"

#include <cstdlib>
#include <cstring>

#include "scene/scene.h"
#include "solver/solve.h"

void printReport(const Solution& report, std::FILE* out) {
  std::fprintf(out, "Broj presecnih tacaka : n = %d\n", report.n);
  std::fprintf(out, "Broj temena trougla T1 u trouglu T2: p = %d\n", report.p);
  std::fprintf(out, "Broj temena trougla T2 u trouglu T1: q = %d\n", report.q);
  if (candidateTotal(report) < 2) return;
  std::fprintf(out, "Broj temena presecnog poligona je : %d\n", report.m);
  for (int k = 0; k < report.m; ++k) {
    std::fprintf(out, "T[%d]=( %.3f , %.3f )\n", k, double(report.overlap[k].x),
                 double(report.overlap[k].y));
  }
}

void showInScene(const Point t1[3], const Point t2[3], const Solution& solution) {
  resetScene();
  for (int i = 0; i < 3; ++i) {
    addSegment(makeSegment(t1[i], t1[(i + 1) % 3]), BLACK);
    addSegment(makeSegment(t2[i], t2[(i + 1) % 3]), BLACK);
  }
  const int total = candidateTotal(solution);
  for (int k = 0; k < total; ++k) addPoint(solution.candidates[k], RED);
  if (total > 1) addPolygonOutline(solution.overlap, solution.m);
}

Solution reportOverlap(const Point t1[3], const Point t2[3], std::FILE* out) {
  const Solution solution = solveTask(t1, t2);
  printReport(solution, out);
  showInScene(t1, t2, solution);
  return solution;
}

namespace {

// The shortest of %g's forms of v that reads back as v, sign of zero included.
void shortest(float v, char text[32]) {
  for (int digits = 1; digits <= 9; ++digits) {
    std::snprintf(text, 32, "%.*g", digits, double(v));
    const float back = std::strtof(text, nullptr);
    if (std::memcmp(&back, &v, sizeof v) == 0) return;
  }
}

}  // namespace

std::string taskLine(const Point t1[3], const Point t2[3]) {
  std::string line = "Zadatak:";
  char text[32];
  for (int k = 0; k < 6; ++k) {
    const Point v = k < 3 ? t1[k] : t2[k - 3];
    for (float c : {v.x, v.y}) {
      shortest(c, text);
      line += ' ';
      line += text;
    }
  }
  return line;
}
