#include "viewer/viewer.h"

#include <GL/freeglut.h>
#include <GL/glu.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "scene/scene.h"
#include "viewer/camera.h"
#include "viewer/drag.h"
#include "viewer/overlay.h"
#include "viewer/palette.h"
#include "viewer/window_system.h"

namespace {

constexpr char kWindowTitle[] = "Geometrija - prikaz zadatka";
constexpr double kCircleStep = 0.06283185307179587;  // a hundredth of a full turn
constexpr float kLineReach = 100.0f;                 // how far a line is drawn each way
constexpr float kMarkSize = 4.0f;                    // point size in pixels
constexpr float kZoomStep = 0.8f;                    // + brings the camera this much closer
constexpr float kPanStep = 0.1f;                     // an arrow moves by this much of the distance
constexpr unsigned kWatchPeriod = 200;               // ms between looks whether the window is there

// The view the window opened with, the one in force, and the window's size.
Camera gFirstView;
Camera gView;
int gWidth = kWindowWidth;
int gHeight = kWindowHeight;
// The names and the result line (l), and the grid (g).
bool gShowWords = true;
bool gShowGrid = false;

// A task as the window changes it: T1's vertices, then T2's.
struct Vertices {
  Point v[6];
};
// Who solves a task the window makes; the vertex taken (0..5, -1 for none) and the task before
// it was taken; the tasks before each drop, the last on top; whether the names keep their sides.
TaskChanged gTaskChanged = nullptr;
int gGrabbed = -1;
Vertices gBeforeGrab;
std::vector<Vertices> gEarlierTasks;
bool gKeepSides = false;
int gCursor = GLUT_CURSOR_INHERIT;
// Where the pointer was last seen (GLUT's pixel; far away while outside the window), the
// candidate under it (-1 for none), and whether every origin is said (o).
constexpr int kAway = -100000;
int gPointerX = kAway, gPointerY = kAway;
int gHovered = -1;
bool gShowOrigins = false;

void drawCircle(Circle circle) {
  setColor(circle.color);
  glBegin(GL_LINE_LOOP);
  for (int i = 0; i < 100; ++i) {
    const double a = i * kCircleStep;
    glVertex2f(float(circle.center.x + circle.radius * std::cos(a)),
               float(circle.center.y + circle.radius * std::sin(a)));
  }
  glEnd();
}

void drawLine(Line line) {
  setColor(line.color);
  glBegin(GL_LINES);
  glVertex2f(line.point.x + kLineReach * line.direction.x,
             line.point.y + kLineReach * line.direction.y);
  glVertex2f(line.point.x - kLineReach * line.direction.x,
             line.point.y - kLineReach * line.direction.y);
  glEnd();
}

// A segment with both of its ends marked in its own colour.
void drawSegment(Segment segment) {
  glPointSize(kMarkSize);
  setColor(segment.color);
  glBegin(GL_LINES);
  glVertex2f(segment.a.x, segment.a.y);
  glVertex2f(segment.b.x, segment.b.y);
  glEnd();
  glBegin(GL_POINTS);
  glVertex2f(segment.a.x, segment.a.y);
  glVertex2f(segment.b.x, segment.b.y);
  glEnd();
}

void drawPoint(Point point) {
  setColor(point.color);
  glPointSize(kMarkSize);
  glBegin(GL_POINTS);
  glVertex2f(point.x, point.y);
  glEnd();
}

// The perspective of the window, with the clip planes around the camera; the projection
// matrix stays current.
void setProjection() {
  const ClipPlanes planes = clipPlanesFor(gView.distance);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glViewport(0, 0, gWidth, gHeight);
  gluPerspective(kFieldOfView, double(gWidth) / double(gHeight), planes.nearPlane, planes.farPlane);
}

// The camera of gView: the scene moved under it, then the perspective.
void applyView() {
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glTranslatef(-gView.cx, -gView.cy, -gView.distance);
  setProjection();
  glutPostRedisplay();
}

bool sameView(Camera a, Camera b) {
  return a.cx == b.cx && a.cy == b.cy && a.distance == b.distance;
}

double aspect() {
  return double(gWidth) / double(gHeight);
}

// Whether to ask for f: the view in force shows the task poorly, and f would show it otherwise
// (a task at one point is small in every view).
bool asksForF() {
  Point lo, hi;
  return drawnBox(&lo, &hi) && showsPoorly(gView, aspect(), lo, hi) &&
         !sameView(gView, fitting(lo, hi, aspect()));
}

Vertices shownTask() {
  Vertices task;
  std::copy(gTask.t1, gTask.t1 + 3, task.v);
  std::copy(gTask.t2, gTask.t2 + 3, task.v + 3);
  return task;
}

// Whether two tasks have the same coordinates, to the bit (a negative zero differs).
bool sameTask(const Vertices& a, const Vertices& b) {
  for (int k = 0; k < 6; ++k) {
    if (std::memcmp(&a.v[k].x, &b.v[k].x, sizeof(float)) != 0 ||
        std::memcmp(&a.v[k].y, &b.v[k].y, sizeof(float)) != 0) {
      return false;
    }
  }
  return true;
}

// Of points[0..count), the one whose mark is within reach of GLUT's pixel (x, y), or -1.
int markUnder(const Point points[], int count, int x, int y) {
  double wx[16], wy[16];
  for (int k = 0; k < count && k < 16; ++k) {
    const Vec at = windowPointOf(gView, gWidth, gHeight, widen(points[k]));
    wx[k] = at.x;
    wy[k] = at.y;
  }
  return nearestWithin(wx, wy, std::min(count, 16), x + 0.5, gHeight - y - 0.5, kGrabRadius);
}

// The triangle vertex whose mark is within reach of GLUT's pixel (x, y), or -1.
int vertexUnder(int x, int y) {
  return markUnder(shownTask().v, 6, x, y);
}

// The candidate (a red point) under the pointer, now at GLUT's pixel (x, y); a change is drawn.
void hover(int x, int y) {
  gPointerX = x;
  gPointerY = y;
  const int hovered = markUnder(gTask.candidates, gTask.n + gTask.p + gTask.q, x, y);
  if (hovered != gHovered) glutPostRedisplay();
  gHovered = hovered;
}

// What lies under the pointer, after the view or the task has changed.
void hoverAgain() {
  hover(gPointerX, gPointerY);
}

// The pointer leaves the window, or comes back.
void onEntry(int state) {
  if (state == GLUT_LEFT) hover(kAway, kAway);
}

// Drops the vertex taken; a task that differs from the one before is the new task, told to the
// console, and the one before can be taken back.
void drop() {
  if (gGrabbed < 0) return;
  gGrabbed = -1;
  const Vertices task = shownTask();
  if (!sameTask(task, gBeforeGrab)) {
    gEarlierTasks.push_back(gBeforeGrab);
    gTaskChanged(task.v, task.v + 3, true);
  }
  glutPostRedisplay();
}

// The task before the last drop comes back, and is told to the console.
void takeBack() {
  if (gGrabbed >= 0 || gEarlierTasks.empty()) return;
  const Vertices task = gEarlierTasks.back();
  gEarlierTasks.pop_back();
  gTaskChanged(task.v, task.v + 3, true);
}

// Over a vertex that can be taken, the cursor is a hand.
void onPassiveMotion(int x, int y) {
  hover(x, y);
  const int cursor =
      gTaskChanged != nullptr && vertexUnder(x, y) >= 0 ? GLUT_CURSOR_INFO : GLUT_CURSOR_INHERIT;
  if (cursor != gCursor) glutSetCursor(gCursor = cursor);
}

// Esc and q close the window; f fits the whole task, + and - zoom, r returns to the start;
// l shows or hides the words, g the grid, o the origins of the candidates; u takes the last
// drag back.
void onKey(unsigned char key, int, int) {
  Point lo, hi;
  switch (key) {
    case 27:
    case 'q':
      drop();
      std::exit(0);
    case 'f':
      if (drawnBox(&lo, &hi)) gView = fitting(lo, hi, aspect());
      break;
    case '+':
    case '=':
      gView = zoomed(gView, kZoomStep);
      break;
    case '-':
      gView = zoomed(gView, 1 / kZoomStep);
      break;
    case 'r':
      gView = gFirstView;
      break;
    case 'l':
      gShowWords = !gShowWords;
      break;
    case 'g':
      gShowGrid = !gShowGrid;
      break;
    case 'u':
      takeBack();
      break;
    case 'o':
      gShowOrigins = !gShowOrigins;
      break;
    default:
      return;
  }
  gKeepSides = false;  // after a key the names are placed afresh
  applyView();
  hoverAgain();
}

// The arrow keys move the view across the plane.
void onSpecialKey(int key, int, int) {
  const float right = key == GLUT_KEY_RIGHT ? kPanStep : key == GLUT_KEY_LEFT ? -kPanStep : 0;
  const float up = key == GLUT_KEY_UP ? kPanStep : key == GLUT_KEY_DOWN ? -kPanStep : 0;
  if (right == 0 && up == 0) return;
  gKeepSides = false;
  gView = panned(gView, right, up);
  applyView();
  hoverAgain();
}

// GLUT keeps waiting for the events of a window that another client destroyed (xdotool
// windowclose, a window manager's kill): that ends the run as closing the window does.
void watchWindow(int) {
  if (windowGone()) {
    std::exit(0);  // GLUT's clean-up of the window that is gone fails quietly too
  }
  glutTimerFunc(kWatchPeriod, watchWindow, 0);
}

}  // namespace

void onReshape(int width, int height) {
  gWidth = width;
  gHeight = height == 0 ? 1 : height;
  gKeepSides = false;
  setProjection();
}

void onDisplay() {
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glPushMatrix();
  if (gShowGrid) drawGrid(gView, aspect());
  for (const Circle& circle : gCircles) drawCircle(circle);
  for (const Line& line : gLines) drawLine(line);
  for (const Segment& segment : gSegments) drawSegment(segment);
  for (const Point& point : gPoints) drawPoint(point);
  if (gHovered >= 0) drawOrigin(gTask, gHovered, gView, gHeight);
  glPopMatrix();
  if (gShowGrid) drawGridWords(gView, gWidth, gHeight);
  if (gShowWords) {
    drawWords({asksForF(), gGrabbed, gKeepSides, gHovered, gShowOrigins, gShowGrid}, gWidth,
              gHeight);
  }
  glFlush();
  glutSwapBuffers();
}

void onMouse(int button, int state, int x, int y) {
  if (button != GLUT_LEFT_BUTTON || gTaskChanged == nullptr) return;
  if (state == GLUT_UP) {
    drop();
  } else if (gGrabbed < 0) {
    grabVertex(vertexUnder(x, y));
  }
}

void grabVertex(int k) {
  gGrabbed = k;
  gBeforeGrab = shownTask();
  gKeepSides = true;
  glutPostRedisplay();
}

void onMotion(int x, int y) {
  if (gGrabbed < 0) {
    hover(x, y);  // another button, or a press that took nothing: the pointer moves on
    return;
  }
  const Vec at = planePointAt(gView, gWidth, gHeight, {x + 0.5, gHeight - y - 0.5});
  if (!std::isfinite(at.x) || !std::isfinite(at.y)) return;
  const double step = dragStep(gView, aspect(), gShowGrid);
  const Point moved = makePoint(snapped(at.x, step), snapped(at.y, step));
  Vertices task = shownTask();
  Point& vertex = task.v[gGrabbed];
  if (samePlace(moved, vertex)) return;
  vertex.x = moved.x;
  vertex.y = moved.y;
  gTaskChanged(task.v, task.v + 3, false);
  gKeepSides = true;
  hover(x, y);
  glutPostRedisplay();
}

void waitForFrame() {
  glFinish();
  syncWindowSystem();
}

void openViewer(int argc, char** argv, TaskChanged taskChanged) {
  // On Windows the GLUT header routes these two calls through its exit-aware entry points.
  glutInit(&argc, argv);
  glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
  glutInitWindowSize(kWindowWidth, kWindowHeight);
  glutInitWindowPosition(100, 50);
  glutCreateWindow(kWindowTitle);
  glClearColor(0.9f, 0.9f, 0.8f, 0.0f);
  std::fprintf(stderr,
               "Prozor: levi taster misa - prevlacenje temena trougla, u - zadatak pre "
               "poslednjeg prevlacenja, f - ceo zadatak, + i - uvecanje i umanjenje, strelice - "
               "pomeranje, r - pocetni prikaz, l - imena i opis, g - mreza, o - poreklo temena, "
               "q ili Esc - zatvaranje.\n");

  gTaskChanged = taskChanged;
  gFirstView = gView = firstView(gMinCorner, gMaxCorner);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  gluPerspective(30.0, 1.0, 1.0, 20.0);
  gluLookAt(gView.cx, gView.cy, gView.distance, gView.cx, gView.cy, 0.0, 0.0, 1.0, 0.0);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glTranslatef(-gView.cx, -gView.cy, -gView.distance);

  glutDisplayFunc(onDisplay);
  glutReshapeFunc(onReshape);
  glutKeyboardFunc(onKey);
  glutSpecialFunc(onSpecialKey);
  glutMouseFunc(onMouse);
  glutMotionFunc(onMotion);
  glutPassiveMotionFunc(onPassiveMotion);
  glutEntryFunc(onEntry);
  glutTimerFunc(kWatchPeriod, watchWindow, 0);
}

void runViewer(int argc, char** argv, TaskChanged taskChanged) {
  openViewer(argc, argv, taskChanged);
  glutMainLoop();
  std::exit(0);  // the main loop ends the process itself; this is never reached
}
