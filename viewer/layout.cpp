#include "viewer/layout.h"

#include <algorithm>
#include <cstring>

bool boxesMeet(const LabelBox& a, const LabelBox& b) {
  return a.left < b.left + b.width && b.left < a.left + a.width && a.bottom < b.bottom + b.height &&
         b.bottom < a.bottom + a.height;
}

bool meetsAny(const LabelBox& box, const LabelBox boxes[], int count) {
  for (int k = 0; k < count; ++k) {
    if (boxesMeet(box, boxes[k])) return true;
  }
  return false;
}

bool segmentMeetsBox(Vec a, Vec b, const LabelBox& box, double pad) {
  // The part of a-b inside the box's slab on each axis, as parameters t0..t1 along it.
  double t0 = 0, t1 = 1;
  const double lo[2] = {box.left - pad, box.bottom - pad};
  const double hi[2] = {box.left + box.width + pad, box.bottom + box.height + pad};
  const double from[2] = {a.x, a.y}, along[2] = {b.x - a.x, b.y - a.y};
  for (int axis = 0; axis < 2; ++axis) {
    if (along[axis] == 0) {
      if (from[axis] < lo[axis] || from[axis] > hi[axis]) return false;
      continue;
    }
    double enter = (lo[axis] - from[axis]) / along[axis];
    double leave = (hi[axis] - from[axis]) / along[axis];
    if (enter > leave) std::swap(enter, leave);
    t0 = std::max(t0, enter);
    t1 = std::min(t1, leave);
    if (t0 > t1) return false;
  }
  return true;
}

int clearPlace(const LabelBox places[], int count, const Vec ends[][2], int segments, double pad) {
  for (int k = 0; k < count; ++k) {
    bool clear = true;
    for (int s = 0; s < segments && clear; ++s) {
      clear = !segmentMeetsBox(ends[s][0], ends[s][1], places[k], pad);
    }
    if (clear) return k;
  }
  return -1;
}

int wrapWords(const char* text, double room, double (*measure)(const char*), char out[][160],
              int maxLines) {
  int count = 0;
  while (*text == ' ') ++text;
  while (*text != '\0' && count < maxLines) {
    char* line = out[count++];
    std::size_t length = 0;  // the line's text so far: whole words
    for (const char* end = text;;) {
      const char* next = end + std::strspn(end, " ");
      next += std::strcspn(next, " ");
      const std::size_t tried = std::min<std::size_t>(next - text, 159);
      std::memcpy(line, text, tried);
      line[tried] = '\0';
      const bool last = count == maxLines;
      if (length > 0 && !last && measure(line) > room) break;
      length = tried;
      end = next;
      if (*end == '\0' || tried == 159) break;
    }
    line[length] = '\0';
    text += length;
    while (*text == ' ') ++text;
  }
  return count;
}
