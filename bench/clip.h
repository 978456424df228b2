// Sutherland-Hodgman: T1 clipped by each side of T2 in turn, in doubles, on the stack. The
// floor the solver is measured against.
#pragma once

#include <utility>

#include "testing/triangle_pairs.h"

struct Xy {
  double x, y;
};

inline int clipTriangle(const TrianglePair& pair, Xy out[9]) {
  Xy clip[3];
  for (int i = 0; i < 3; ++i) clip[i] = {pair.t2[i].x, pair.t2[i].y};
  const double turn = (clip[1].x - clip[0].x) * (clip[2].y - clip[0].y) -
                      (clip[1].y - clip[0].y) * (clip[2].x - clip[0].x);
  if (turn < 0) std::swap(clip[1], clip[2]);
  Xy buffer[2][9];
  int count = 3;
  for (int i = 0; i < 3; ++i) buffer[0][i] = {pair.t1[i].x, pair.t1[i].y};
  int from = 0;
  for (int e = 0; e < 3 && count > 0; ++e) {
    const Xy a = clip[e], b = clip[(e + 1) % 3];
    auto side = [&](Xy p) { return (b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x); };
    const Xy* in = buffer[from];
    Xy* next = buffer[1 - from];
    int kept = 0;
    for (int i = 0; i < count; ++i) {
      const Xy p = in[i], q = in[(i + 1) % count];
      const double sp = side(p), sq = side(q);
      if (sp >= 0) next[kept++] = p;
      if ((sp >= 0) != (sq >= 0)) {
        const double t = sp / (sp - sq);
        next[kept++] = {p.x + t * (q.x - p.x), p.y + t * (q.y - p.y)};
      }
    }
    count = kept;
    from = 1 - from;
  }
  for (int i = 0; i < count; ++i) out[i] = buffer[from][i];
  return count;
}
