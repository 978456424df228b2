// Raw float bits as the twelve coordinates, straight into the solver and the ordering: no
// input may write past a buffer or loop without end, the fast solver must give every bit the
// lesson's steps find, and no step's words are cut short.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "solver/candidates.h"
#include "solver/lesson.h"
#include "solver/polygon_order.h"
#include "testing/reference_solver.h"

namespace {

void check(bool ok, const char* what) {
  if (!ok) {
    std::fprintf(stderr, "broken: %s\n", what);
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  float v[12] = {};
  std::memcpy(v, data, size < sizeof v ? size : sizeof v);
  Point t1[3], t2[3];
  for (int i = 0; i < 3; ++i) {
    t1[i] = makePoint(v[2 * i], v[2 * i + 1]);
    t2[i] = makePoint(v[6 + 2 * i], v[7 + 2 * i]);
  }
  const Candidates found = findCandidates(t1, t2);
  const int total = candidateCount(found);
  check(found.n >= 0 && found.p >= 0 && found.q >= 0 && total <= kMaxCandidates, "room");

  check(solvedAsStraightforward(t1, t2), "every bit as the straightforward rules");

  // The words of every step fit their room, whatever the coordinates.
  const Lesson lesson = lessonOf(t1, t2);
  for (int k = 0; k < lesson.count; ++k) {
    char words[kStepWordsSize];
    stepWords(lesson, k, words, sizeof words);
    check(std::strlen(words) < sizeof words - 1, "words cut short");
  }

  // The ordering writes the ring and its closing copy, and nothing past them.
  Point ring[kMaxCandidates + 2];
  for (Point& point : ring) point = makePoint(-1234.5f, 0);
  const int m = orderConvexPolygon(found.points, ring, total);
  check(m >= 0 && m <= total, "ring size");
  for (int k = total + 1; k < kMaxCandidates + 2; ++k) check(ring[k].x == -1234.5f, "ring room");
  return 0;
}
