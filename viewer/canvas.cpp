#include "viewer/canvas.h"

#include <GL/freeglut.h>
#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>

SvgDrawing* gRecording = nullptr;

namespace {

void* const kFont = GLUT_BITMAP_HELVETICA_18;
constexpr int kMaxRecorded = 128;  // vertices a call records; the window's calls take a few

Rgb gColour{0, 0, 0};  // the colour in force

// Where plane points appear in the window under the current matrices, as OpenGL puts them;
// returns how many were taken.
int inWindow(const Vec points[], int count, Vec out[kMaxRecorded]) {
  double model[16], projection[16];
  GLint viewport[4];
  glGetDoublev(GL_MODELVIEW_MATRIX, model);
  glGetDoublev(GL_PROJECTION_MATRIX, projection);
  glGetIntegerv(GL_VIEWPORT, viewport);
  count = std::min(count, kMaxRecorded);
  for (int k = 0; k < count; ++k) {
    double z = 0;
    gluProject(points[k].x, points[k].y, 0, model, projection, viewport, &out[k].x, &out[k].y, &z);
  }
  return count;
}

void vertices(GLenum mode, const Vec points[], int count) {
  glBegin(mode);
  for (int k = 0; k < count; ++k) glVertex2d(points[k].x, points[k].y);
  glEnd();
}

// Runs draw with window pixels as coordinates (from the lower-left corner), the camera's
// matrices kept.
template <typename Draw>
void inPixels(Draw draw) {
  GLint mode = 0;
  glGetIntegerv(GL_MATRIX_MODE, &mode);
  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glLoadIdentity();
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  glLoadIdentity();
  draw();
  glPopMatrix();
  glMatrixMode(GL_PROJECTION);
  glPopMatrix();
  glMatrixMode(GLenum(mode));
}

}  // namespace

void useColor(Rgb colour) {
  gColour = colour;
  glColor3f(colour.r, colour.g, colour.b);
}

void drawLines(const Vec ends[], int count, float width) {
  glLineWidth(width);
  vertices(GL_LINES, ends, count);
  glLineWidth(1);
  Vec at[kMaxRecorded];
  if (gRecording) gRecording->lines(at, inWindow(ends, count, at), gColour, width);
}

void drawLoop(const Vec points[], int count, float width) {
  glLineWidth(width);
  vertices(GL_LINE_LOOP, points, count);
  glLineWidth(1);
  Vec at[kMaxRecorded];
  if (gRecording) gRecording->loop(at, inWindow(points, count, at), gColour, width);
}

void drawMarks(const Vec points[], int count, float size) {
  glPointSize(size);
  vertices(GL_POINTS, points, count);
  Vec at[kMaxRecorded];
  if (gRecording) gRecording->squares(at, inWindow(points, count, at), gColour, size);
}

void drawBox(double left, double bottom, double right, double top) {
  inPixels([&] {
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    glMatrixMode(GL_PROJECTION);
    gluOrtho2D(0, viewport[2], 0, viewport[3]);
    glMatrixMode(GL_MODELVIEW);
    glRectd(left, bottom, right, top);
  });
  if (gRecording) gRecording->box(left, bottom, right, top, gColour);
}

void drawText(const char* words, double left, double baseline) {
  // The raster position at the pixel with OpenGL 1.1 alone (Windows' own library has no
  // glWindowPos): the window's corner under identity matrices, then an empty bitmap's step.
  inPixels([&] {
    glRasterPos2d(-1, -1);
    glBitmap(0, 0, 0, 0, GLfloat(left), GLfloat(baseline), nullptr);
  });
  glutBitmapString(kFont, reinterpret_cast<const unsigned char*>(words));
  if (gRecording) gRecording->text(words, left, baseline, textWidth(words), gColour);
}

double textWidth(const char* words) {
  return glutBitmapLength(kFont, reinterpret_cast<const unsigned char*>(words));
}
