#define GL_GLEXT_PROTOTYPES  // glWindowPos2d, text placed in pixels whatever the camera
#include "viewer/overlay.h"

#include <GL/freeglut.h>
#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "scene/labels.h"

namespace {

void* const kFont = GLUT_BITMAP_HELVETICA_18;
constexpr double kFontHeight = 18;  // pixels, the descent of 4 below the baseline included
constexpr double kFontDescent = 4;
constexpr double kMargin = 8;    // pixels between the text and the window's edges
constexpr double kLabelGap = 6;  // pixels between a vertex and its name
constexpr float kPolygonRed[] = {0.55f, 0.0f, 0.0f};
constexpr int kMaxGridLines = 64;  // a grid step gives at most 16 lines across the view
constexpr float kGridGrey[] = {0.8f, 0.8f, 0.7f};
constexpr float kAxisGrey[] = {0.6f, 0.6f, 0.52f};

double textWidth(const char* words) {
  return glutBitmapLength(kFont, reinterpret_cast<const unsigned char*>(words));
}

// Text in black or dark red, its baseline starting at pixel (x, y).
void text(const char* words, double x, double y, bool red) {
  if (red) {
    glColor3fv(kPolygonRed);
  } else {
    glColor3f(0, 0, 0);
  }
  glWindowPos2d(std::round(x), std::round(y));
  glutBitmapString(kFont, reinterpret_cast<const unsigned char*>(words));
}

// Lines of the grid across the view along one axis: x = k step (vertical) or y = k step. They
// are counted rather than stepped through: far from the origin k + 1 can equal k.
void gridLines(bool vertical, double centre, double half, double otherCentre, double otherHalf,
               double step) {
  const double first = std::ceil((centre - half) / step);
  for (int line = 0; line < kMaxGridLines && (first + line) * step <= centre + half; ++line) {
    const double k = first + line;
    glColor3fv(k == 0 ? kAxisGrey : kGridGrey);
    const double at = k * step;
    glBegin(GL_LINES);
    if (vertical) {
      glVertex2d(at, otherCentre - otherHalf);
      glVertex2d(at, otherCentre + otherHalf);
    } else {
      glVertex2d(otherCentre - otherHalf, at);
      glVertex2d(otherCentre + otherHalf, at);
    }
    glEnd();
  }
}

// The boxes of the labels whose points the window shows, each at its point's pixel; shown[k]
// is the label of boxes[k]. Returns their number.
int boxesInSight(const Label labels[], int count, int width, int height, LabelBox boxes[],
                 const Label* shown[]) {
  double model[16], projection[16];
  int viewport[4];
  glGetDoublev(GL_MODELVIEW_MATRIX, model);
  glGetDoublev(GL_PROJECTION_MATRIX, projection);
  glGetIntegerv(GL_VIEWPORT, viewport);
  int inSight = 0;
  for (int k = 0; k < count; ++k) {
    LabelBox& box = boxes[inSight];
    double z = 0;
    gluProject(labels[k].at.x, labels[k].at.y, 0, model, projection, viewport, &box.x, &box.y, &z);
    if (!(box.x >= 0 && box.x <= width && box.y >= 0 && box.y <= height)) continue;
    box.awayX = labels[k].awayX;
    box.awayY = labels[k].awayY;
    box.width = textWidth(labels[k].text);
    box.height = kFontHeight;
    shown[inSight++] = &labels[k];
  }
  return inSight;
}

}  // namespace

void drawGrid(Camera view, double aspect) {
  const double halfHeight = halfHeightSeen(view), halfWidth = halfHeight * aspect;
  const double step = gridStepOf(view, aspect);
  gridLines(true, view.cx, halfWidth, view.cy, halfHeight, step);
  gridLines(false, view.cy, halfHeight, view.cx, halfWidth, step);
  char words[48];
  std::snprintf(words, sizeof words, "korak %g", step);
  text(words, kMargin, kMargin + kFontDescent, false);
}

void drawWords(bool hint, int grabbed, bool keepSides, int width, int height) {
  // The side of its point each name had in the last frame, by the name's id (-1: not shown).
  static int lastSides[kMaxLabels];
  // The result line, in the top-left corner, keeps its place.
  char line[160];
  resultLine(gTask, hint, line, sizeof line);
  LabelBox boxes[1 + kMaxLabels];
  boxes[0] = {0, 0, 0, 0, textWidth(line), kFontHeight, kMargin, height - kMargin - kFontHeight};
  // Names: boxes placed beside the points in sight.
  Label labels[kMaxLabels];
  const Label* shown[1 + kMaxLabels] = {};
  const int count = taskLabels(gTask, labels, grabbed);
  const int inSight = 1 + boxesInSight(labels, count, width, height, boxes + 1, shown + 1);
  for (int k = 1; k < inSight; ++k) boxes[k].side = keepSides ? lastSides[shown[k]->id] : -1;
  placeLabels(boxes, 1, inSight, kLabelGap, width, height);
  std::fill(lastSides, lastSides + kMaxLabels, -1);
  for (int k = 1; k < inSight; ++k) lastSides[shown[k]->id] = boxes[k].side;
  for (int k = 0; k < inSight; ++k) {
    text(k == 0 ? line : shown[k]->text, boxes[k].left, boxes[k].bottom + kFontDescent,
         k > 0 && shown[k]->ofPolygon);
  }
}
