#include "app/report.h"

#include <cstdlib>
#include <cstring>

#include "app/output.h"
#include "scene/scene.h"
#include "solver/lesson.h"
#include "solver/polygon_order.h"

Report solveOverlap(const Point t1[3], const Point t2[3]) {
  const Candidates found = findCandidates(t1, t2);
  Report report;
  report.n = found.n;
  report.p = found.p;
  report.q = found.q;
  report.total = candidateCount(found);
  for (int k = 0; k < report.total; ++k) {
    report.candidates[k] = makePoint(found.points[k].x, found.points[k].y);
    report.origins[k] = found.origins[k];
  }
  if (report.total > 1) {
    report.m = orderConvexPolygon(report.candidates, report.polygon, report.total);
  }
  return report;
}

std::string reportText(const Report& report) {
  char lines[128 * (4 + kMaxCandidates)];
  int used = std::snprintf(lines, sizeof lines,
                           "Broj presecnih tacaka : n = %d\n"
                           "Broj temena trougla T1 u trouglu T2: p = %d\n"
                           "Broj temena trougla T2 u trouglu T1: q = %d\n",
                           report.n, report.p, report.q);
  if (report.total < 2) return lines;
  used += std::snprintf(lines + used, sizeof lines - std::size_t(used),
                        "Broj temena presecnog poligona je : %d\n", report.m);
  for (int k = 0; k < report.m; ++k) {
    used += std::snprintf(lines + used, sizeof lines - std::size_t(used), "T[%d]=( %.3f , %.3f )\n",
                          k, double(report.polygon[k].x), double(report.polygon[k].y));
  }
  return lines;
}

void printReport(const Report& report, std::FILE* out) {
  std::fputs(reportText(report).c_str(), out);
}

void showInScene(const Point t1[3], const Point t2[3], const Report& report) {
  resetScene();
  for (int i = 0; i < 3; ++i) {
    addSegment(makeSegment(t1[i], t1[(i + 1) % 3]), BLACK);
    addSegment(makeSegment(t2[i], t2[(i + 1) % 3]), BLACK);
  }
  for (int k = 0; k < report.total; ++k) addPoint(report.candidates[k], RED);
  static_assert(kMaxCandidates <= sizeof gTask.candidates / sizeof gTask.candidates[0]);
  describeTask(t1, t2, report.n, report.p, report.q, report.candidates, report.origins);
  if (report.total > 1) addPolygonOutline(report.polygon, report.m);
  // The window names the overlap: its ring, or its one point.
  static_assert(kMaxCandidates <= sizeof gTask.overlap / sizeof gTask.overlap[0]);
  describeOverlap(report.total > 1 ? report.polygon : report.candidates,
                  report.total > 1 ? report.m : report.total);
}

Report reportOverlap(const Point t1[3], const Point t2[3], std::FILE* out) {
  const Report report = solveOverlap(t1, t2);
  printReport(report, out);
  showInScene(t1, t2, report);
  return report;
}

std::string lessonText(const Point t1[3], const Point t2[3]) {
  const Lesson lesson = lessonOf(t1, t2);
  std::string text = "Koraci:\n";
  char line[16 + kStepWordsSize];
  for (int k = 0; k < lesson.count; ++k) {
    const int number = std::snprintf(line, sizeof line, "%d. ", k + 1);
    stepWords(lesson, k, line + number, sizeof line - std::size_t(number));
    text += line;
    text += '\n';
  }
  return text;
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

void retask(const Point t1[3], const Point t2[3], bool settled) {
  const Report report = solveOverlap(t1, t2);
  showInScene(t1, t2, report);
  if (settled) queueTask(taskLine(t1, t2), reportText(report));
}
