#include "app/report.h"

#include <cstdlib>
#include <cstring>

#include "scene/scene.h"
#include "solver/lesson.h"
#include "solver/solve.h"

std::string reportText(const Solution& solution) {
  char lines[128 * (4 + kMaxCandidates)];
  int used = std::snprintf(lines, sizeof lines,
                           "Broj presecnih tacaka : n = %d\n"
                           "Broj temena trougla T1 u trouglu T2: p = %d\n"
                           "Broj temena trougla T2 u trouglu T1: q = %d\n",
                           solution.n, solution.p, solution.q);
  if (candidateTotal(solution) < 2) return lines;
  used += std::snprintf(lines + used, sizeof lines - std::size_t(used),
                        "Broj temena presecnog poligona je : %d\n", solution.m);
  for (int k = 0; k < solution.m; ++k) {
    used += std::snprintf(lines + used, sizeof lines - std::size_t(used), "T[%d]=( %.3f , %.3f )\n",
                          k, double(solution.overlap[k].x), double(solution.overlap[k].y));
  }
  return lines;
}

void printReport(const Solution& solution, std::FILE* out) {
  std::fputs(reportText(solution).c_str(), out);
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
