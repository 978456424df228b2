#include "viewer/overlay.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "scene/labels.h"
#include "viewer/canvas.h"
#include "viewer/layout.h"
#include "viewer/palette.h"

namespace {

constexpr double kFontHeight = 18;  // pixels, the descent of 4 below the baseline included
constexpr double kFontDescent = 4;
constexpr double kMargin = 8;    // pixels between the text and the window's edges
constexpr double kLabelGap = 6;  // pixels between a vertex and its name
constexpr Rgb kPolygonRed = {0.55f, 0.0f, 0.0f};
constexpr double kLineGap = 4;     // pixels between lines of words above each other
constexpr float kOriginWidth = 3;  // pixels: the sides that make a candidate
constexpr double kRingRadius = 8;  // pixels: the ring around a vertex inside
constexpr int kMaxGridLines = 64;  // a grid step gives at most 16 lines across the view
constexpr double kBackingPad = 2;  // pixels of backing around a text
constexpr Rgb kGridGrey = {0.8f, 0.8f, 0.7f};
constexpr Rgb kAxisGrey = {0.6f, 0.6f, 0.52f};

// A box of the background's colour under a text whose box (pixels) starts at left, bottom, so
// that no line of the drawing runs through its letters.
void backing(double left, double bottom, double width) {
  useColor(kBackground);
  const double x = std::round(left), y = std::round(bottom);
  drawBox(x - kBackingPad, y - kBackingPad, x + width + kBackingPad, y + kFontHeight + kBackingPad);
}

// Text in black or dark red whose box (pixels) starts at left, bottom: its baseline stands the
// descent above the bottom.
void text(const char* words, double left, double bottom, bool red) {
  useColor(red ? kPolygonRed : Rgb{0, 0, 0});
  drawText(words, std::round(left), std::round(bottom) + kFontDescent);
}

// Black text on its backing.
void backedText(const char* words, double left, double bottom) {
  backing(left, bottom, textWidth(words));
  text(words, left, bottom, false);
}

// Where the grid's lines along one axis stand: at[0..count) = k step for the whole k from the
// view's lower edge to its upper one. They are counted rather than stepped through: far from
// the origin k + 1 can equal k.
int gridPlaces(double centre, double half, double step, double at[kMaxGridLines]) {
  const double first = std::ceil((centre - half) / step);
  int count = 0;
  while (count < kMaxGridLines && (first + count) * step <= centre + half) {
    at[count] = (first + count) * step;
    ++count;
  }
  return count;
}

// The number of a grid line in the step's decimals: 0.5, 1, 1.5 for a step of 0.5.
void gridNumber(double value, double step, char out[48]) {
  const int decimals = std::max(0, int(std::ceil(-std::log10(step) - 1e-9)));
  std::snprintf(out, 48, "%.*f", decimals, value + 0.0);
  if (std::strchr(out, '.') == nullptr) return;
  char* end = out + std::strlen(out);
  while (end[-1] == '0') *--end = '\0';
  if (end[-1] == '.') end[-1] = '\0';
}

// Lines of the grid across the view along one axis: x = at[k] (vertical) or y = at[k].
void gridLines(bool vertical, const double at[], int count, double otherCentre, double otherHalf) {
  for (int k = 0; k < count; ++k) {
    useColor(at[k] == 0 ? kAxisGrey : kGridGrey);
    const Vec ends[2] = {
        vertical ? Vec{at[k], otherCentre - otherHalf} : Vec{otherCentre - otherHalf, at[k]},
        vertical ? Vec{at[k], otherCentre + otherHalf} : Vec{otherCentre + otherHalf, at[k]}};
    drawLines(ends, 2);
  }
}

// The boxes of the labels whose points the window shows, each at its point's pixel; shown[k]
// is the index of the label of boxes[k]. Returns their number.
int boxesInSight(const Label labels[], int count, int width, int height, LabelBox boxes[],
                 int shown[]) {
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
    shown[inSight++] = k;
  }
  return inSight;
}

// A thick ring of kRingRadius pixels around v.
void ring(Point v, Color color, Camera view, int height) {
  const double radius = kRingRadius * 2 * halfHeightSeen(view) / height;
  Vec points[32];
  for (int i = 0; i < 32; ++i) {
    const double a = i * kPi / 16;
    points[i] = {v.x + radius * std::cos(a), v.y + radius * std::sin(a)};
  }
  setColor(color);
  drawLoop(points, 32, kOriginWidth);
}

// A thick side from a to b.
void thickSide(Point a, Point b, Color color) {
  const Vec ends[2] = {widen(a), widen(b)};
  setColor(color);
  drawLines(ends, 2, kOriginWidth);
}

// The sides of T1 (blue) and of T2 (green) marked thick: side i from vertex i to i + 1.
void thickSides(const Task& task, const bool thick1[3], const bool thick2[3]) {
  for (int i = 0; i < 3; ++i) {
    if (thick1[i]) thickSide(task.t1[i], task.t1[(i + 1) % 3], BLUE);
    if (thick2[i]) thickSide(task.t2[i], task.t2[(i + 1) % 3], GREEN);
  }
}

// A text's box (pixels) whose bottom-left corner is at left, bottom.
LabelBox textBox(const char* words, double left, double bottom) {
  return {0, 0, 0, 0, textWidth(words), kFontHeight, left, bottom};
}

// The coordinates of the vertical grid lines along the bottom edge, right of each line, from
// pixel `from` on; a number that would touch the one before, the edge, or one of the words
// avoid[0..avoiding) is left out.
void numbersAlongX(Camera view, int width, int height, double step, double from,
                   const LabelBox avoid[], int avoiding) {
  double at[kMaxGridLines];
  char words[48];
  const double halfWidth = halfHeightSeen(view) * width / height;
  for (int k = 0, count = gridPlaces(view.cx, halfWidth, step, at); k < count; ++k) {
    gridNumber(at[k], step, words);
    const double left = windowPointOf(view, width, height, {at[k], view.cy}).x + 3;
    if (left < from || left + textWidth(words) > width - kMargin ||
        meetsAny(textBox(words, left, kMargin), avoid, avoiding)) {
      continue;
    }
    backedText(words, left, kMargin);
    from = left + textWidth(words) + kMargin;
  }
}

// The coordinates of the horizontal grid lines along the left edge, above each line, between
// pixels `from` and `top`; a number that would touch the one before or one of the words
// avoid[0..avoiding) is left out.
void numbersAlongY(Camera view, int width, int height, double step, double from, double top,
                   const LabelBox avoid[], int avoiding) {
  double at[kMaxGridLines];
  char words[48];
  for (int k = 0, count = gridPlaces(view.cy, halfHeightSeen(view), step, at); k < count; ++k) {
    gridNumber(at[k], step, words);
    const double bottom = windowPointOf(view, width, height, {view.cx, at[k]}).y + 3;
    if (bottom < from || bottom + kFontHeight > top ||
        meetsAny(textBox(words, kMargin, bottom), avoid, avoiding)) {
      continue;
    }
    backedText(words, kMargin, bottom);
    from = bottom + kFontHeight + kMargin;
  }
}

// The drawing's sides and points in window pixels, a point as a side of no length; returns
// their number.
int drawingInPixels(const WindowState& s, Vec ends[][2], int room) {
  int count = 0;
  const auto add = [&](Point a, Point b) {
    if (count == room) return;
    ends[count][0] = windowPointOf(s.view, s.width, s.height, widen(a));
    ends[count++][1] = windowPointOf(s.view, s.width, s.height, widen(b));
  };
  for (const Segment& segment : gSegments) add(segment.a, segment.b);
  for (const Point& point : gPoints) add(point, point);
  return count;
}

// Where a block of lines, widest by tall pixels, stands: in the first corner where it keeps
// clear of the drawing (the bottom left above the grid's row, the bottom right, then under the
// result line, topTaken pixels, at the right and at the left); where none is clear (*clear
// false), at the bottom left.
LabelBox originCorner(const WindowState& s, double widest, double tall, double topTaken,
                      bool* clear) {
  const double base = kMargin + (s.showGrid ? kFontHeight + kMargin : 0);
  const double under = s.height - topTaken - kMargin - tall;
  const double right = s.width - kMargin - widest;
  const LabelBox corners[] = {{0, 0, 0, 0, widest, tall, kMargin, base},
                              {0, 0, 0, 0, widest, tall, right, base},
                              {0, 0, 0, 0, widest, tall, right, under},
                              {0, 0, 0, 0, widest, tall, kMargin, under}};
  Vec ends[6 + 2 * kMaxCandidates][2];
  const int place =
      clearPlace(corners, 4, ends, drawingInPixels(s, ends, std::size(ends)), kLineGap);
  *clear = place >= 0;
  return corners[std::max(place, 0)];
}

// The origins asked for, in words, a line each, the first on top, and their boxes, in a corner
// clear of the drawing; where none is, under them a line says so. Returns their number.
int originLines(const WindowState& s, const Task& task, double topTaken, char lines[][160],
                LabelBox boxes[]) {
  const int total = s.showSolution ? candidateTotal(task) : 0;
  const int first = s.showOrigins ? 0 : s.hot, last = s.showOrigins ? total - 1 : first;
  if (first < 0 || last >= total) return 0;
  int count = 0;
  double widest = 0;
  for (int k = first; k <= last; ++k, ++count) {
    originLine(task, k, lines[count], 160);
    widest = std::max(widest, textWidth(lines[count]));
  }
  const double row = kFontHeight + kLineGap;
  bool clear = true;
  const LabelBox corner = originCorner(s, widest, count * row - kLineGap, topTaken, &clear);
  if (!clear) {
    std::snprintf(lines[count++], 160, "%s", "(spisak pokriva crtez: pomerite prikaz strelicama)");
  }
  for (int k = 0; k < count; ++k) {
    boxes[k] = textBox(lines[k], corner.left, corner.bottom + (count - 1 - k) * row);
  }
  return count;
}

// The result line, or before the lesson's last step the counts so far; hint: it asks for f.
void topLine(const Task& task, const LessonFrame* step, bool hint, char* out, std::size_t size) {
  if (step == nullptr || lastStep(*step)) return resultLine(task, hint, out, size);
  std::snprintf(out, size, "n = %d, p = %d, q = %d.", step->n, step->p, step->q);
}

// The result line and the lesson's words, each wrapped to the window's width, into lines[];
// returns their number (none for the task alone).
int topRows(const WindowState& s, const char* result, const char* lesson, char lines[][160]) {
  if (!s.showSolution) return 0;
  const double room = s.width - 2 * kMargin;
  const int rows = wrapWords(result, room, textWidth, lines, kMaxResultRows);
  return rows +
         (*lesson == '\0' ? 0 : wrapWords(lesson, room, textWidth, lines + rows, kMaxStepRows));
}

}  // namespace

void drawGrid(Camera view, double aspect) {
  const double halfHeight = halfHeightSeen(view), halfWidth = halfHeight * aspect;
  const double step = gridStepOf(view, aspect);
  double at[kMaxGridLines];
  gridLines(true, at, gridPlaces(view.cx, halfWidth, step, at), view.cy, halfHeight);
  gridLines(false, at, gridPlaces(view.cy, halfHeight, step, at), view.cx, halfWidth);
}

void drawGridWords(Camera view, int width, int height, const LabelBox avoid[], int avoiding) {
  const double step = gridStepOf(view, double(width) / height);
  char words[48];
  std::snprintf(words, sizeof words, "korak %g", step);
  backedText(words, kMargin, kMargin);
  // Along the bottom: x from after the step's words; along the left: y from above the bottom
  // row to below the result line.
  const double bottomRow = 2 * kMargin + kFontHeight, top = height - 2 * kMargin - kFontHeight;
  numbersAlongX(view, width, height, step, kMargin + textWidth(words) + 3 * kMargin, avoid,
                avoiding);
  numbersAlongY(view, width, height, step, bottomRow, top, avoid, avoiding);
  // The axes through the origin, where the view shows them: x at the right edge, between the
  // bottom row and the result line; y under the result line.
  const Vec origin = windowPointOf(view, width, height, {0, 0});
  const LabelBox x = textBox("x", width - kMargin - textWidth("x"), origin.y + 3);
  if (x.bottom >= bottomRow && x.bottom + kFontHeight < top && !meetsAny(x, avoid, avoiding)) {
    backedText("x", x.left, x.bottom);
  }
  const LabelBox y = textBox("y", origin.x + 4, top - kFontHeight - kMargin);
  if (origin.x > kMargin && y.left + y.width < width - kMargin && !meetsAny(y, avoid, avoiding)) {
    backedText("y", y.left, y.bottom);
  }
}

void layOutWords(const WindowState& s, const Task& task, const LessonFrame* step, bool hint,
                 FrameWords* out) {
  // Fixed first: the result line in the top-left corner, wrapped, the lesson's step under it,
  // and the origins asked for. The room they take is the same with the hint to press f. The
  // task alone has none of them.
  const bool whole = step == nullptr || lastStep(*step);
  char result[160], lesson[kLessonWordsSize + 32] = "";
  if (step != nullptr) {
    std::snprintf(lesson, sizeof lesson, "Korak %d od %d: %s", step->step + 1, step->steps,
                  step->words);
  }
  const double pitch = kFontHeight + kLineGap;
  topLine(task, step, true, result, sizeof result);
  const int tall = topRows(s, result, lesson, out->lines);
  out->wordsTop = tall > 0 ? int(kMargin + tall * pitch) : 0;
  topLine(task, step, hint, result, sizeof result);
  const int rows = topRows(s, result, lesson, out->lines);
  for (int k = 0; k < rows; ++k) {
    out->boxes[k] = textBox(out->lines[k], kMargin, s.height - kMargin - kFontHeight - k * pitch);
  }
  const double topTaken = kMargin + rows * pitch - kLineGap;
  out->fixed =
      rows + (whole ? originLines(s, task, topTaken, out->lines + rows, out->boxes + rows) : 0);
  // Names: boxes placed beside the points in sight, clear of the fixed ones. The lesson names
  // the overlap's vertices once it goes round the ring.
  const int count =
      taskLabels(task, out->labels, s.active, s.showSolution && (whole || step->ringSide));
  out->all = out->fixed + boxesInSight(out->labels, count, s.width, s.height,
                                       out->boxes + out->fixed, out->named + out->fixed);
  for (int k = out->fixed; k < out->all; ++k) {
    out->boxes[k].side = s.keepSides ? s.sides[out->labels[out->named[k]].id] : -1;
  }
  placeLabels(out->boxes, out->fixed, out->all, kLabelGap, s.width, s.height);
  std::fill(out->sides, out->sides + kMaxLabels, -1);
  for (int k = out->fixed; k < out->all; ++k) {
    out->sides[out->labels[out->named[k]].id] = out->boxes[k].side;
  }
}

void drawWords(const FrameWords& words) {
  // The backings first: where two names must overlap, neither hides the other's letters.
  for (int k = 0; k < words.all; ++k) {
    backing(words.boxes[k].left, words.boxes[k].bottom, words.boxes[k].width);
  }
  for (int k = 0; k < words.all; ++k) {
    const bool name = k >= words.fixed;
    const Label* label = name ? &words.labels[words.named[k]] : nullptr;
    text(name ? label->text : words.lines[k], words.boxes[k].left, words.boxes[k].bottom,
         name && label->ofPolygon);
  }
}

void drawOrigin(const Task& task, int k, Camera view, int height) {
  const Origin origin = task.origins[k];
  const bool inside1 = origin.kind() == Found::kT2VertexIn;
  const bool inside2 = origin.kind() == Found::kT1VertexIn;
  bool thick1[3], thick2[3];
  for (int i = 0; i < 3; ++i) {
    thick1[i] = inside1 || (!inside2 && i == origin.ofT1());
    thick2[i] = inside2 || (!inside1 && i == origin.ofT2());
  }
  thickSides(task, thick1, thick2);
  // The vertex inside ringed, in the colour of its triangle.
  if (inside2) ring(task.t1[origin.ofT1()], BLUE, view, height);
  if (inside1) ring(task.t2[origin.ofT2()], GREEN, view, height);
}

void drawLessonStep(const Task& task, const LessonFrame& step, Camera view, int height) {
  thickSides(task, step.thickT1, step.thickT2);
  if (step.ringSide) thickSide(step.at, step.to, RED);
  if (step.ringed) ring(step.at, step.ringColor, view, height);
}
