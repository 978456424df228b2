#include "scene/labels.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

// The unit direction from the centre of the figure's m vertices to vertex k, or none.
void awayFrom(const Point figure[], int m, int k, double* x, double* y) {
  double cx = 0, cy = 0;
  for (int i = 0; i < m; ++i) {
    cx += figure[i].x / double(m);
    cy += figure[i].y / double(m);
  }
  const double dx = figure[k].x - cx, dy = figure[k].y - cy;
  const double length = std::hypot(dx, dy);
  if (length > 0 && std::isfinite(length)) {
    *x += dx / length;
    *y += dy / length;
  }
}

// Adds name to the label of the place of figure[k], or starts one there.
void name(const char* text, int id, const Point figure[], int m, int k, bool ofPolygon, Label out[],
          int* count) {
  int at = 0;
  while (at < *count && !samePlace(out[at].at, figure[k])) ++at;
  Label& label = out[at];
  if (at == *count) {
    label = {};
    label.at = figure[k];
    label.id = id;
    ++*count;
  }
  const size_t used = std::strlen(label.text);
  std::snprintf(label.text + used, sizeof label.text - used, "%s%s", used ? " = " : "", text);
  label.ofPolygon |= ofPolygon;
  awayFrom(figure, m, k, &label.awayX, &label.awayY);
}

// The label of v's place adds its coordinates, as the console prints them.
void withCoordinates(Point v, Label labels[], int count) {
  for (int k = 0; k < count; ++k) {
    if (!samePlace(labels[k].at, v)) continue;
    const size_t used = std::strlen(labels[k].text);
    std::snprintf(labels[k].text + used, sizeof labels[k].text - used, " ( %.3f , %.3f )",
                  double(v.x), double(v.y));
  }
}

// The area of the ring poly[0..m), by the shoelace formula.
double ringArea(const Point poly[], int m) {
  double twice = 0;
  for (int k = 0; k < m; ++k) {
    const Point a = poly[k], b = poly[(k + 1) % m];
    twice += double(a.x) * b.y - double(b.x) * a.y;
  }
  return std::fabs(twice) / 2;
}

// The name the window gives candidate k: T[i] for a vertex of the printed ring, otherwise its
// coordinates as the console prints them.
void candidateName(const Task& task, int k, char out[64]) {
  const Point c = task.candidates[k];
  for (int i = 0; task.m > 1 && i < task.m; ++i) {
    if (samePlace(task.overlap[i], c)) {
      std::snprintf(out, 64, "T[%d]", i);
      return;
    }
  }
  std::snprintf(out, 64, "( %.3f , %.3f )", double(c.x), double(c.y));
}

bool overlaps(const LabelBox& a, const LabelBox& b) {
  return a.left < b.left + b.width && b.left < a.left + a.width && a.bottom < b.bottom + b.height &&
         b.bottom < a.bottom + a.height;
}

// Towards each of the eight sides, the text's box leaves the point to the right (1), to the left
// (-1) or stands centred on it (0); likewise up, down or level.
constexpr int kSideX[8] = {1, 1, 0, -1, -1, -1, 0, 1};
constexpr int kSideY[8] = {0, 1, 1, 1, 0, -1, -1, -1};

// The box of the text beside (x, y) on the given side, gap pixels off the point.
void besidePoint(LabelBox* box, int side, double gap) {
  const int dx = kSideX[side], dy = kSideY[side];
  box->left = dx > 0 ? box->x + gap : dx < 0 ? box->x - gap - box->width : box->x - box->width / 2;
  box->bottom = dy > 0   ? box->y + gap
                : dy < 0 ? box->y - gap - box->height
                         : box->y - box->height / 2;
  box->side = side;
}

bool inWindow(const LabelBox& box, double width, double height) {
  return box.left >= 0 && box.bottom >= 0 && box.left + box.width <= width &&
         box.bottom + box.height <= height;
}

// Whether boxes[k], put on the given side, lies in the window and off boxes[0..k).
bool clearOn(LabelBox boxes[], int k, int side, double gap, double width, double height) {
  LabelBox& box = boxes[k];
  besidePoint(&box, side, gap);
  bool clear = inWindow(box, width, height);
  for (int j = 0; j < k; ++j) clear &= !overlaps(box, boxes[j]);
  return clear;
}

// The box moved the least that brings it into the window (where the window can hold it).
void intoWindow(LabelBox* box, double width, double height) {
  box->left = std::max(0.0, std::min(box->left, width - box->width));
  box->bottom = std::max(0.0, std::min(box->bottom, height - box->height));
}

// The side that points away from the label's figures.
int awaySide(const LabelBox& box) {
  const double turn = std::atan2(1.0, 1.0);  // between two sides
  return (int(std::lround(std::atan2(box.awayY, box.awayX) / turn)) + 8) % 8;
}

// Puts boxes[k] on the first clear side around its point, away from its figures first, then
// alternately a step either side of that; then one and two text heights farther out. False
// where none is clear; *inside is then the first side next to the point in the window, or -1.
bool placedAround(LabelBox boxes[], int k, int away, double gap, double width, double height,
                  int* inside) {
  for (int ring = 0; ring < 3; ++ring) {
    const double off = gap + ring * boxes[k].height;
    for (int tried = 0; tried < 8; ++tried) {
      const int side = (away + ((tried + 1) / 2) * (tried % 2 ? 1 : -1) + 8) % 8;
      if (clearOn(boxes, k, side, off, width, height)) return true;
      if (ring == 0 && *inside < 0 && inWindow(boxes[k], width, height)) *inside = side;
    }
  }
  return false;
}

}  // namespace

int taskLabels(const Task& task, Label out[kMaxLabels], int grabbed, bool polygonNames) {
  int count = 0;
  char text[16];
  for (int k = 0; k < 6; ++k) {
    std::snprintf(text, sizeof text, "T%d.%d", k / 3 + 1, k % 3 + 1);
    name(text, k, k < 3 ? task.t1 : task.t2, 3, k % 3, false, out, &count);
  }
  for (int k = 0; polygonNames && task.m > 1 && k < task.m; ++k) {
    std::snprintf(text, sizeof text, "T[%d]", k);
    name(text, 6 + k, task.overlap, task.m, k, true, out, &count);
  }
  if (grabbed >= 0 && grabbed < 6) {
    withCoordinates(grabbed < 3 ? task.t1[grabbed] : task.t2[grabbed - 3], out, count);
  }
  return count;
}

void resultLine(const Task& task, bool hint, char* out, std::size_t size) {
  const int used = std::snprintf(out, size, "n = %d, p = %d, q = %d. ", task.n, task.p, task.q);
  char* rest = out + used;
  const std::size_t left = size - std::size_t(used);
  if (task.m == 0) {
    std::snprintf(rest, left, "Presek je prazan.");
  } else if (task.m == 1) {
    std::snprintf(rest, left, "Presek je tacka ( %.3f , %.3f ).", double(task.overlap[0].x),
                  double(task.overlap[0].y));
  } else if (task.m == 2) {
    const double length = std::hypot(double(task.overlap[1].x) - task.overlap[0].x,
                                     double(task.overlap[1].y) - task.overlap[0].y);
    std::snprintf(rest, left, "Presek je duz T[0] - T[1], duzine %.3f.", length);
  } else {
    std::snprintf(rest, left, "Presek je poligon sa %d temena, povrsine %.3f.", task.m,
                  ringArea(task.overlap, task.m));
  }
  if (hint) std::strncat(out, " Pritisnite f za ceo zadatak.", size - std::strlen(out) - 1);
}

void originLine(const Task& task, int k, char* out, std::size_t size) {
  char name[64];
  candidateName(task, k, name);
  const Origin origin = task.origins[k];
  const int i = origin.ofT1(), j = origin.ofT2();
  switch (origin.kind()) {
    case Found::kSidesCross:
    case Found::kStretchEnd:
      std::snprintf(out, size, "%s = %s stranica T1.%d-T1.%d i T2.%d-T2.%d", name,
                    origin.kind() == Found::kSidesCross ? "presek" : "kraj zajednickog dela", i + 1,
                    (i + 1) % 3 + 1, j + 1, (j + 1) % 3 + 1);
      break;
    case Found::kT1VertexIn:
      std::snprintf(out, size, "%s = teme T1.%d, unutar trougla T2", name, i + 1);
      break;
    case Found::kT2VertexIn:
      std::snprintf(out, size, "%s = teme T2.%d, unutar trougla T1", name, j + 1);
      break;
    case Found::kT1PointOnSide:
      std::snprintf(out, size,
                    "%s = tacka T1.1 (trougao T1 je sveden na tacku) na stranici T2.%d-T2.%d", name,
                    j + 1, (j + 1) % 3 + 1);
      break;
    case Found::kT2PointOnSide:
      std::snprintf(out, size,
                    "%s = tacka T2.1 (trougao T2 je sveden na tacku) na stranici T1.%d-T1.%d", name,
                    i + 1, (i + 1) % 3 + 1);
      break;
    case Found::kVerticesTouch:
      std::snprintf(out, size,
                    "%s = zajednicko teme T1.%d i T2.%d (oba trougla su svedena na duzi)", name,
                    i + 1, j + 1);
      break;
  }
}

void placeLabels(LabelBox boxes[], int placed, int count, double gap, double width, double height) {
  for (int k = placed; k < count; ++k) {
    LabelBox& box = boxes[k];
    const int kept = box.side;
    if (kept >= 0 && kept < 8 && clearOn(boxes, k, kept, gap, width, height)) continue;
    const int away = awaySide(box);
    int inside = -1;
    if (placedAround(boxes, k, away, gap, width, height, &inside)) continue;
    besidePoint(&box, inside < 0 ? away : inside, gap);
    // A point in the window keeps its name in it.
    if (box.x >= 0 && box.x <= width && box.y >= 0 && box.y <= height) {
      intoWindow(&box, width, height);
    }
  }
}
