#include "scene/labels.h"

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
void name(const char* text, const Point figure[], int m, int k, bool ofPolygon, Label out[],
          int* count) {
  int at = 0;
  while (at < *count && !samePlace(out[at].at, figure[k])) ++at;
  Label& label = out[at];
  if (at == *count) {
    label = {};
    label.at = figure[k];
    ++*count;
  }
  const size_t used = std::strlen(label.text);
  std::snprintf(label.text + used, sizeof label.text - used, "%s%s", used ? " = " : "", text);
  label.ofPolygon |= ofPolygon;
  awayFrom(figure, m, k, &label.awayX, &label.awayY);
}

bool overlaps(const LabelBox& a, const LabelBox& b) {
  return a.left < b.left + b.width && b.left < a.left + a.width && a.bottom < b.bottom + b.height &&
         b.bottom < a.bottom + a.height;
}

// The box of the text beside (x, y) towards direction (dx, dy), gap pixels off the point.
void besidePoint(LabelBox* box, double dx, double dy, double gap) {
  const double slant = 0.38;  // about 22.5 degrees: beyond it, the text leaves that axis' middle
  box->left = dx > slant    ? box->x + gap
              : dx < -slant ? box->x - gap - box->width
                            : box->x - box->width / 2;
  box->bottom = dy > slant    ? box->y + gap
                : dy < -slant ? box->y - gap - box->height
                              : box->y - box->height / 2;
}

}  // namespace

int taskLabels(const Task& task, Label out[kMaxLabels]) {
  int count = 0;
  char text[16];
  for (int k = 0; k < 6; ++k) {
    std::snprintf(text, sizeof text, "T%d.%d", k / 3 + 1, k % 3 + 1);
    name(text, k < 3 ? task.t1 : task.t2, 3, k % 3, false, out, &count);
  }
  for (int k = 0; task.m > 1 && k < task.m; ++k) {
    std::snprintf(text, sizeof text, "T[%d]", k);
    name(text, task.overlap, task.m, k, true, out, &count);
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
    std::snprintf(rest, left, "Presek je duz T[0] - T[1].");
  } else {
    std::snprintf(rest, left, "Presek je poligon sa %d temena.", task.m);
  }
  if (hint) std::strncat(out, " Pritisnite f za ceo zadatak.", size - std::strlen(out) - 1);
}

void placeLabels(LabelBox boxes[], int placed, int count, double gap, double width, double height) {
  // The eight directions around a point, half a right angle apart.
  const double turn = std::atan2(1.0, 1.0);
  for (int k = placed; k < count; ++k) {
    LabelBox& box = boxes[k];
    const double away = std::atan2(box.awayY, box.awayX);
    const double first = std::round(away / turn) * turn;
    bool free = false;
    for (int tried = 0; tried < 8 && !free; ++tried) {
      // Away first, then alternately a step either side of it.
      const double angle = first + turn * ((tried + 1) / 2) * (tried % 2 ? 1 : -1);
      besidePoint(&box, std::cos(angle), std::sin(angle), gap);
      free = box.left >= 0 && box.bottom >= 0 && box.left + box.width <= width &&
             box.bottom + box.height <= height;
      for (int j = 0; j < k; ++j) free &= !overlaps(box, boxes[j]);
    }
    if (!free) besidePoint(&box, std::cos(first), std::sin(first), gap);
  }
}
