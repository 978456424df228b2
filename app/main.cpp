// presek: the overlap of two triangles, on the console and in a window.
#include <unistd.h>

#include <cstdio>

#include "app/console_input.h"
#include "app/report.h"
#include "viewer/viewer.h"

int main(int argc, char** argv) {
  Point t1[3];
  Point t2[3];
  // At a terminal each answer is a line of its own; piped input is read as it comes.
  if (isatty(fileno(stdin))) {
    if (!readTrianglesAtTerminal(stdin, stdout, stderr, t1, t2)) return 1;
  } else {
    readTriangles(stdin, stdout, stderr, t1, t2);
  }
  reportOverlap(t1, t2, stdout);
  // Every result line is out before GLUT may end the process for want of a display.
  std::fflush(stdout);
  runViewer(argc, argv);
}
