#include "viewer/viewer.h"

#include <GL/freeglut.h>
#include <GL/glu.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "scene/scene.h"
#include "viewer/camera.h"
#include "viewer/canvas.h"
#include "viewer/handout.h"
#include "viewer/overlay.h"
#include "viewer/palette.h"
#include "viewer/window_system.h"

namespace {

constexpr char kWindowTitle[] = "Geometrija - prikaz zadatka";
constexpr double kCircleStep = 0.06283185307179587;  // a hundredth of a full turn
constexpr float kLineReach = 100.0f;                 // how far a line is drawn each way
constexpr float kMarkSize = 4.0f;                    // point size in pixels
constexpr unsigned kWatchPeriod = 200;               // ms between looks whether the window is there
constexpr unsigned kFlushPeriod = 100;               // ms between writes of the tasks told
constexpr int kWheelUp = 3, kWheelDown = 4;          // the buttons GLUT gives the wheel's clicks

// The window's one state: everything the window remembers besides the scene and what GLUT keeps.
WindowState gState;

void drawCircle(Circle circle) {
  Vec points[100];
  for (int i = 0; i < 100; ++i) {
    const double a = i * kCircleStep;
    points[i] = {float(circle.center.x + circle.radius * std::cos(a)),
                 float(circle.center.y + circle.radius * std::sin(a))};
  }
  setColor(circle.color);
  drawLoop(points, 100);
}

void drawLine(Line line) {
  const Vec ends[2] = {
      {line.point.x + kLineReach * line.direction.x, line.point.y + kLineReach * line.direction.y},
      {line.point.x - kLineReach * line.direction.x, line.point.y - kLineReach * line.direction.y}};
  setColor(line.color);
  drawLines(ends, 2);
}

// A segment with both of its ends marked in its own colour.
void drawSegment(Segment segment) {
  const Vec ends[2] = {widen(segment.a), widen(segment.b)};
  setColor(segment.color);
  drawLines(ends, 2);
  drawMarks(ends, 2, kMarkSize);
}

void drawPoint(Point point) {
  const Vec at = widen(point);
  setColor(point.color);
  drawMarks(&at, 1, kMarkSize);
}

// The scene: circles, lines, segments, then points on top; without the solution, the task alone
// leaves out what the solver found (the red points and outline).
void drawScene(bool solution) {
  for (const Circle& circle : gCircles) drawCircle(circle);
  for (const Line& line : gLines) drawLine(line);
  for (const Segment& segment : gSegments) {
    if (solution || !ofSolution(segment.color)) drawSegment(segment);
  }
  for (const Point& point : gPoints) {
    if (solution || !ofSolution(point.color)) drawPoint(point);
  }
}

// The lesson's step shown, in *step; false where the lesson is not shown.
bool lessonShown(LessonFrame* step) {
  return gState.lesson >= 0 && gState.tasks.lessonStep(gState.lesson, step) > 0;
}

// What the lesson has found before its last step: the candidates so far, and the overlap's
// sides it has gone along.
void drawFoundSoFar(const Task& task, const LessonFrame& step) {
  for (int k = 0; k < step.found; ++k) {
    Point found = task.candidates[k];
    found.color = RED;
    drawPoint(found);
  }
  for (int k = 0; k < step.outlineSides; ++k) {
    Segment side = makeSegment(task.overlap[k], task.overlap[k + 1]);
    side.color = RED;
    drawSegment(side);
  }
}

// The perspective of the window, with the clip planes around the camera; the projection
// matrix stays current.
void setProjection() {
  const ClipPlanes planes = clipPlanesFor(gState.view.distance);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glViewport(0, 0, gState.width, gState.height);
  gluPerspective(kFieldOfView, aspectOf(gState), planes.nearPlane, planes.farPlane);
}

// The camera of the state: the scene moved under it, then the perspective.
void applyView() {
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glTranslatef(-gState.view.cx, -gState.view.cy, -gState.view.distance);
  setProjection();
}

bool sameView(Camera a, Camera b) {
  return a.cx == b.cx && a.cy == b.cy && a.distance == b.distance;
}

// Whether to ask for f: the view in force shows the task poorly, and f would show it otherwise
// (a task at one point is small in every view).
bool asksForF() {
  Point lo, hi;
  const double aspect = aspectOf(gState);
  return drawnBox(&lo, &hi) && showsPoorly(gState.view, aspect, lo, hi) &&
         !sameView(gState.view, fitView(gState, lo, hi));
}

// The back buffer's pixels as RGB rows from the top, as a PNG has them (OpenGL's rows start at
// the bottom).
std::vector<unsigned char> backBufferRows() {
  const std::size_t row = std::size_t(gState.width) * 3;
  std::vector<unsigned char> pixels(row * gState.height), rows(pixels.size());
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadBuffer(GL_BACK);
  glReadPixels(0, 0, gState.width, gState.height, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
  for (int y = 0; y < gState.height; ++y) {
    std::copy_n(pixels.begin() + std::ptrdiff_t(row * (gState.height - 1 - y)), row,
                rows.begin() + std::ptrdiff_t(row * y));
  }
  return rows;
}

// The frame drawn again, copied into a vector drawing as it is drawn and read back before it is
// shown, so that the PNG is the frame to the pixel; both are saved in the current folder and
// named on standard error.
void saveFrame() {
  SvgDrawing svg(gState.width, gState.height, kBackground);
  gRecording = &svg;
  drawFrame();
  gRecording = nullptr;
  const std::vector<unsigned char> rows = backBufferRows();
  glutSwapBuffers();
  std::vector<unsigned char> png;
  const std::string said = encodePng(rows.data(), gState.width, gState.height, &png)
                               ? saveHandout("", png, svg.finished())
                               : "Nije sacuvano: slika se ne moze sazeti u PNG";
  std::fprintf(stderr, "%s\n", said.c_str());
}

// What an operation changed, done: the projection set again, a frame asked for or saved, the
// cursor a hand over a vertex that can be taken, or the window closed.
void apply(unsigned changed) {
  if (changed & kQuit) std::exit(0);
  if (changed & kViewMoved) applyView();
  if (changed & kSave) saveFrame();
  if (changed & kRedraw) glutPostRedisplay();
  const int cursor = overVertex(gState) ? GLUT_CURSOR_INFO : GLUT_CURSOR_INHERIT;
  if (cursor != glutGet(GLUT_WINDOW_CURSOR)) glutSetCursor(cursor);
}

void onKey(unsigned char code, int, int) {
  apply(key(gState, code));
}

void onSpecialKey(int code, int, int) {
  const int named = code == GLUT_KEY_LEFT    ? kArrowLeft
                    : code == GLUT_KEY_RIGHT ? kArrowRight
                    : code == GLUT_KEY_UP    ? kArrowUp
                    : code == GLUT_KEY_DOWN  ? kArrowDown
                    : code == GLUT_KEY_HOME  ? kHome
                    : code == GLUT_KEY_END   ? kEnd
                                             : 0;
  if (named != 0) apply(key(gState, named));
}

void onPassiveMotion(int x, int y) {
  apply(move(gState, planePointOfPixel(gState, x, y)));
}

void onEntry(int state) {
  if (state == GLUT_LEFT) apply(leave(gState));
}

// GLUT keeps waiting for the events of a window that another client destroyed (xdotool
// windowclose, a window manager's kill): that ends the run as closing the window does.
void watchWindow(int) {
  if (windowGone()) {
    apply(closeWindow(gState));  // GLUT's clean-up of the window that is gone fails quietly too
  }
  glutTimerFunc(kWatchPeriod, watchWindow, 0);
}

// The tasks told are written as the output takes them: a pipe that nobody reads never stops the
// window.
void flushTold(int) {
  gState.tasks.flush();
  glutTimerFunc(kFlushPeriod, flushTold, 0);
}

// The display is gone, perhaps in the middle of a call of GLUT's: a vertex held is dropped and
// told, and the run ends at once.
void displayLost() {
  closeWindow(gState);
  gState.tasks.end(1);
}

// The title bar's close button: a vertex held is dropped first.
void onClose() {
  apply(closeWindow(gState));
}

}  // namespace

void onReshape(int width, int height) {
  resize(gState, width, height);
  setProjection();
}

void onDisplay() {
  drawFrame();
  glFlush();
  glutSwapBuffers();
}

void drawFrame() {
  const Task& task = gState.tasks.shown();
  LessonFrame step;
  const bool lesson = gState.showSolution && lessonShown(&step);  // not over the task alone
  const bool whole = !lesson || lastStep(step);  // the solution shown whole, or the task alone
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glPushMatrix();
  if (gState.showGrid) drawGrid(gState.view, aspectOf(gState));
  drawScene(whole && gState.showSolution);
  if (!whole) drawFoundSoFar(task, step);
  if (lesson) drawLessonStep(task, step, gState.view, gState.height);
  if (gState.hot >= 0 && whole) drawOrigin(task, gState.hot, gState.view, gState.height);
  glPopMatrix();
  // The words are placed first: the grid's numbers keep off them.
  FrameWords words;
  if (gState.showWords) {
    layOutWords(gState, task, lesson ? &step : nullptr, asksForF(), &words);
    framed(gState, words.sides, words.wordsTop);
  }
  if (gState.showGrid) {
    drawGridWords(gState.view, gState.width, gState.height, words.boxes,
                  gState.showWords ? words.all : 0);
  }
  if (gState.showWords) drawWords(words);
}

void onMouse(int button, int state, int x, int y) {
  const Vec at = planePointOfPixel(gState, x, y);
  if (button == kWheelUp || button == kWheelDown) {
    if (state == GLUT_DOWN) apply(wheel(gState, at, button == kWheelUp ? 1 : -1));
    return;
  }
  const Button which = button == GLUT_LEFT_BUTTON ? Button::kLeft : Button::kOther;
  apply(state == GLUT_DOWN ? press(gState, which, at) : release(gState, which));
}

void onMotion(int x, int y) {
  apply(move(gState, planePointOfPixel(gState, x, y)));
}

void grabVertex(int k) {
  if (k < 0 || k >= 6) return;
  const Task& task = gState.tasks.shown();
  const Point v = k < 3 ? task.t1[k] : task.t2[k - 3];
  apply(press(gState, Button::kLeft, widen(v)));
}

void waitForFrame() {
  glFinish();
  syncWindowSystem();
}

void openViewer(int argc, char** argv, TaskControl tasks) {
  // The window's size and place, unless GLUT's own options on the command line say otherwise.
  glutInitWindowSize(kWindowWidth, kWindowHeight);
  glutInitWindowPosition(100, 50);
  gState.tasks = tasks;
  onDisplayLost("Veza sa ekranom je prekinuta; program se zavrsava.\n", displayLost);
  // On Windows the GLUT header routes these two calls through its exit-aware entry points.
  glutInit(&argc, argv);
  glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
  glutCreateWindow(kWindowTitle);
  glClearColor(kBackground.r, kBackground.g, kBackground.b, 0.0f);
  std::fprintf(stderr, "Prozor: %s.\n", keysInWords(", ").c_str());

  gState = openState(firstView(gMinCorner, gMaxCorner), glutGet(GLUT_WINDOW_WIDTH),
                     glutGet(GLUT_WINDOW_HEIGHT), tasks);
  const Camera view = gState.view;
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  gluPerspective(30.0, 1.0, 1.0, 20.0);
  gluLookAt(view.cx, view.cy, view.distance, view.cx, view.cy, 0.0, 0.0, 1.0, 0.0);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glTranslatef(-view.cx, -view.cy, -view.distance);

  glutDisplayFunc(onDisplay);
  glutReshapeFunc(onReshape);
  glutKeyboardFunc(onKey);
  glutSpecialFunc(onSpecialKey);
  glutMouseFunc(onMouse);
  glutMotionFunc(onMotion);
  glutPassiveMotionFunc(onPassiveMotion);
  glutEntryFunc(onEntry);
  glutCloseFunc(onClose);
  glutTimerFunc(kWatchPeriod, watchWindow, 0);
  glutTimerFunc(kFlushPeriod, flushTold, 0);
}

void runViewer(int argc, char** argv, TaskControl tasks) {
  openViewer(argc, argv, tasks);
  glutMainLoop();
  std::exit(0);  // the main loop ends the process itself; this is never reached
}
