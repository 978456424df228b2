#include "viewer/viewer.h"

#include <GL/freeglut.h>
#include <GL/glu.h>
#include <GL/glx.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "scene/scene.h"
#include "viewer/camera.h"
#include "viewer/overlay.h"
#include "viewer/palette.h"

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
// The names and the result line (l), the grid (g), and whether the first view asks for f.
bool gShowWords = true;
bool gShowGrid = false;
bool gHint = false;

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

// Esc and q close the window; f fits the whole task, + and - zoom, r returns to the start;
// l shows or hides the words, g the grid.
void onKey(unsigned char key, int, int) {
  Point lo, hi;
  switch (key) {
    case 27:
    case 'q':
      std::exit(0);
    case 'f':
      if (drawnBox(&lo, &hi)) gView = fitting(lo, hi, double(gWidth) / double(gHeight));
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
    default:
      return;
  }
  applyView();
}

// The arrow keys move the view across the plane.
void onSpecialKey(int key, int, int) {
  const float right = key == GLUT_KEY_RIGHT ? kPanStep : key == GLUT_KEY_LEFT ? -kPanStep : 0;
  const float up = key == GLUT_KEY_UP ? kPanStep : key == GLUT_KEY_DOWN ? -kPanStep : 0;
  if (right == 0 && up == 0) return;
  gView = panned(gView, right, up);
  applyView();
}

int ignoreXError(Display*, XErrorEvent*) {
  return 0;
}

// GLUT keeps waiting for the events of a window that another client destroyed (xdotool
// windowclose, a window manager's kill): that ends the run as closing the window does.
void watchWindow(int) {
  Display* display = glXGetCurrentDisplay();
  const GLXDrawable window = glXGetCurrentDrawable();
  XErrorHandler previous = XSetErrorHandler(ignoreXError);
  XWindowAttributes attributes;
  if (XGetWindowAttributes(display, window, &attributes) == 0) {
    std::exit(0);  // GLUT's clean-up of the window that is gone fails quietly too
  }
  XSetErrorHandler(previous);
  glutTimerFunc(kWatchPeriod, watchWindow, 0);
}

}  // namespace

void onReshape(int width, int height) {
  gWidth = width;
  gHeight = height == 0 ? 1 : height;
  setProjection();
}

void onDisplay() {
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glPushMatrix();
  if (gShowGrid) drawGrid(gView, double(gWidth) / double(gHeight));
  for (const Circle& circle : gCircles) drawCircle(circle);
  for (const Line& line : gLines) drawLine(line);
  for (const Segment& segment : gSegments) drawSegment(segment);
  for (const Point& point : gPoints) drawPoint(point);
  glPopMatrix();
  if (gShowWords) drawWords(gHint, gWidth, gHeight);
  glFlush();
  glutSwapBuffers();
}

void runViewer(int argc, char** argv) {
  // On Windows the GLUT header routes these two calls through its exit-aware entry points.
  glutInit(&argc, argv);
  glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
  glutInitWindowSize(kWindowWidth, kWindowHeight);
  glutInitWindowPosition(100, 50);
  glutCreateWindow(kWindowTitle);
  glClearColor(0.9f, 0.9f, 0.8f, 0.0f);
  std::fprintf(stderr,
               "Prozor: f - ceo zadatak, + i - uvecanje i umanjenje, strelice - pomeranje, "
               "r - pocetni prikaz, l - imena i opis, g - mreza, q ili Esc - zatvaranje.\n");

  gFirstView = gView = firstView(gMinCorner, gMaxCorner);
  Point lo, hi;
  gHint =
      drawnBox(&lo, &hi) && showsPoorly(gFirstView, double(kWindowWidth) / kWindowHeight, lo, hi);
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
  glutTimerFunc(kWatchPeriod, watchWindow, 0);
  glutMainLoop();
  std::exit(0);  // the main loop ends the process itself; this is never reached
}
