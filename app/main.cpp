// presek: the overlap of two triangles, on the console and in a window.
#include <cstdio>
#include <cstdlib>

#include "app/command_line.h"
#include "app/console_input.h"
#include "app/output.h"
#include "app/platform.h"
#include "app/report.h"
#include "app/task_history.h"
#include "app/terminal_lines.h"
#include "viewer/viewer.h"

namespace {

// The tasks the window settled are written before the run ends, or said lost.
void finishRun() {
  if (!finishOutput()) endRun(kLostOutput);
}

}  // namespace

int main(int argc, char** argv) {
  keepRunningWhenReaderGoes();
  const char* refused = nullptr;
  const Invocation invocation = readCommandLine(argc, argv, &refused);
  switch (invocation) {
    case Invocation::kHelp:
      printHelp(stdout);
      return flushStandardOutput() ? 0 : kLostOutput;
    case Invocation::kRefused:
      std::fprintf(stderr, "Neispravan argument: %s\n", refused);
      printUsage(stderr);
      return 2;
    case Invocation::kRun:
    case Invocation::kRunWithSteps:
      break;
  }
  Point t1[3];
  Point t2[3];
  // At a terminal each answer is a line of its own; piped input is read in blocks as it comes.
  if (standardInputIsTerminal()) {
    TerminalLines lines(historyFileInHome());
    const LineSource typed = [&lines](const char* prompt, std::string* line) {
      return lines.next(prompt, line);
    };
    if (!readTrianglesAtTerminal(typed, stdout, stderr, t1, t2)) return 1;
  } else if (!readTriangles(standardInputBytes(), stdout, stderr, t1, t2)) {
    // A result from coordinates that were not read is no result: it is printed as always,
    // for those who read it, but the task is not shown and the run fails.
    reportOverlap(t1, t2, stdout);
    const bool written = flushStandardOutput();
    std::fprintf(stderr, "Ulaz nije ispravan (vidi upozorenja); prozor se ne otvara.\n");
    return written ? 2 : kLostOutput;
  }
  reportOverlap(t1, t2, stdout);
  if (invocation == Invocation::kRunWithSteps) std::fputs(lessonText(t1, t2).c_str(), stdout);
  // Every result line is out before GLUT may end the process for want of a display; where the
  // output did not take them, that is said now, and the run's status says it at its end.
  flushStandardOutput();
  std::atexit(finishRun);
  runViewer(argc, argv, startTasks(t1, t2, stdout));
}
