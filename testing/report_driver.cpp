// Prints, for many generated pairs of every kind, what the program makes of them: the task
// line, its numbers read back as a terminal answer and as piped input, and the report. Builds
// for two systems print the same bytes, line ends aside.
//   report_driver [pairs of each kind]
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/console_input.h"
#include "app/report.h"
#include "solver/solve.h"
#include "testing/triangle_pairs.h"

namespace {

constexpr int kLineWidth = 512;  // every task written at one width overwrites the one before

void printAnswer(const std::string& numbers) {
  const Answer answer = parseAnswer(numbers.c_str(), 6);
  std::printf("%d %d", int(answer.kind), answer.vertices);
  for (int i = 0; i < answer.vertices; ++i) {
    std::printf(" %.9g %.9g", answer.points[i].x, answer.points[i].y);
  }
  std::printf("\n");
}

// The prompts, any warnings and the blank line, as a piped run prints them.
void readPiped(std::FILE* file, const std::string& numbers, Point t1[3], Point t2[3]) {
  std::rewind(file);
  std::fprintf(file, "%-*s\n", kLineWidth, numbers.c_str());
  std::rewind(file);
  readTriangles(file, stdout, stdout, t1, t2);
}

}  // namespace

int main(int argc, char** argv) {
  const int count = argc > 1 ? std::atoi(argv[1]) : 1000;
  std::FILE* file = std::tmpfile();
  if (file == nullptr) return 1;
  for (int kind = 0; kind < kPairKinds; ++kind) {
    std::printf("%s\n", pairKindName(kind));
    for (const TrianglePair& pair : makePairs(kind, count, 27)) {
      const std::string line = taskLine(pair.t1, pair.t2);
      const std::string numbers = line.substr(line.find(' ') + 1);
      std::printf("%s\n", line.c_str());
      printAnswer(numbers);
      Point t1[3], t2[3];
      readPiped(file, numbers, t1, t2);
      printReport(solveTask(t1, t2), stdout);
    }
  }
  return 0;
}
