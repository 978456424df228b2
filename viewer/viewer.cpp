#include "viewer/viewer.h"

#include <GL/freeglut.h>
#include <GL/glu.h>

#include <cmath>
#include <cstdlib>

#include "scene/scene.h"
#include "viewer/camera.h"
#include "viewer/palette.h"

namespace {

constexpr int kWindowWidth = 1024;
constexpr int kWindowHeight = 700;
constexpr char kWindowTitle[] = "Geometrija - prikaz zadatka";
constexpr double kCircleStep = 0.06283185307179587;  // a hundredth of a full turn
constexpr float kLineReach = 100.0f;                 // how far a line is drawn each way
constexpr float kMarkSize = 4.0f;                    // point size in pixels

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

}  // namespace

void onReshape(int width, int height) {
  if (height == 0) height = 1;
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glViewport(0, 0, width, height);
  gluPerspective(45.0, double(width) / double(height), 1.0, 1000.0);
}

void onDisplay() {
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glPushMatrix();
  for (const Circle& circle : gCircles) drawCircle(circle);
  for (const Line& line : gLines) drawLine(line);
  for (const Segment& segment : gSegments) drawSegment(segment);
  for (const Point& point : gPoints) drawPoint(point);
  glPopMatrix();
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

  const Camera camera = cameraFor(gMinCorner, gMaxCorner);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  gluPerspective(30.0, 1.0, 1.0, 20.0);
  gluLookAt(camera.cx, camera.cy, camera.distance, camera.cx, camera.cy, 0.0, 0.0, 1.0, 0.0);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glTranslatef(-camera.cx, -camera.cy, -camera.distance);

  glutDisplayFunc(onDisplay);
  glutReshapeFunc(onReshape);
  glutMainLoop();
  std::exit(0);  // the main loop ends the process itself; this is never reached
}
