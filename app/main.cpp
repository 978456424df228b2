// presek: the overlap of two triangles, on the console and in a window.
#include <unistd.h>

#include <cstdio>

#include "app/command_line.h"
#include "app/console_input.h"
#include "app/report.h"
#include "app/task_history.h"
#include "app/terminal_lines.h"
#include "viewer/viewer.h"

int main(int argc, char** argv) {
  const char* refused = nullptr;
  switch (readCommandLine(argc, argv, &refused)) {
    case Invocation::kHelp:
      printHelp(stdout);
      return 0;
    case Invocation::kRefused:
      std::fprintf(stderr, "Neispravan argument: %s\n", refused);
      printUsage(stderr);
      return 2;
    case Invocation::kRun:
      break;
  }
  Point t1[3];
  Point t2[3];
  // At a terminal each answer is a line of its own; piped input is read as it comes, unbuffered,
  // so that what is left unread stays in the pipe, where the reading can see it.
  const bool atTerminal = isatty(fileno(stdin));
  if (!atTerminal) std::setvbuf(stdin, nullptr, _IONBF, 0);
  if (atTerminal) {
    TerminalLines lines(historyFileInHome());
    const LineSource typed = [&lines](const char* prompt, std::string* line) {
      return lines.next(prompt, line);
    };
    if (!readTrianglesAtTerminal(typed, stdout, stderr, t1, t2)) return 1;
  } else if (!readTriangles(stdin, stdout, stderr, t1, t2)) {
    // A result from coordinates that were not read is no result: it is printed as always,
    // for those who read it, but the task is not shown and the run fails.
    reportOverlap(t1, t2, stdout);
    std::fflush(stdout);
    std::fprintf(stderr, "Ulaz nije ispravan (vidi upozorenja); prozor se ne otvara.\n");
    return 2;
  }
  reportOverlap(t1, t2, stdout);
  // Every result line is out before GLUT may end the process for want of a display.
  std::fflush(stdout);
  runViewer(argc, argv, startTasks(t1, t2, stdout));
}
