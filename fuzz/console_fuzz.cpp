// Arbitrary bytes as the console's input, through reading, solving, ordering, the report and
// the scene, up to the hand-over to the window.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/console_input.h"
#include "app/report.h"
#include "scene/scene.h"
#include "solver/polygon_order.h"

namespace {

void check(bool ok, const char* what) {
  if (!ok) {
    std::fprintf(stderr, "broken: %s\n", what);
    std::abort();
  }
}

// The number after the last "= " or ": " of the line that starts with `head`, or -1.
int countAfter(const std::string& text, const char* head) {
  const size_t at = text.find(head);
  if (at == std::string::npos) return -1;
  return std::atoi(text.c_str() + at + std::strlen(head));
}

int linesStartingWith(const std::string& text, const char* head) {
  int lines = 0;
  for (size_t at = text.find(head); at != std::string::npos; at = text.find(head, at + 1)) {
    if (at == 0 || text[at - 1] == '\n') ++lines;
  }
  return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  std::FILE* in = size > 0 ? fmemopen(const_cast<std::uint8_t*>(data), size, "r")
                           : std::fopen("/dev/null", "r");
  char* outText = nullptr;
  size_t outSize = 0;
  std::FILE* out = open_memstream(&outText, &outSize);
  std::FILE* err = std::fopen("/dev/null", "w");
  resetScene();

  Point t1[3];
  Point t2[3];
  readTriangles(in, out, err, t1, t2);
  std::fflush(out);
  const size_t promptsEnd = outSize;
  const Report report = reportOverlap(t1, t2, out);
  std::fflush(out);
  const std::string results(outText + promptsEnd, outSize - promptsEnd);

  // The counts printed are the candidates found and the ring printed is the ring made.
  const int n = countAfter(results, "Broj presecnih tacaka : n = ");
  const int p = countAfter(results, "Broj temena trougla T1 u trouglu T2: p = ");
  const int q = countAfter(results, "Broj temena trougla T2 u trouglu T1: q = ");
  check(n >= 0 && p >= 0 && q >= 0 && n + p + q == report.total, "candidate counts");
  check(report.total <= kMaxCandidates, "candidate room");
  const int m = countAfter(results, "Broj temena presecnog poligona je : ");
  if (report.total > 1) {
    check(m == report.m && m >= 0 && m <= report.total, "ring size");
    check(linesStartingWith(results, "T[") == m, "vertex lines");
    if (m > 0) check(samePlace(report.polygon[m], report.polygon[0]), "ring closed");
  } else {
    check(m == -1 && linesStartingWith(results, "T[") == 0, "no ring for fewer than two");
  }
  check(gPoints.size() == size_t(report.total), "published candidates");
  check(gSegments.size() == size_t(6 + report.m), "published sides and outline");

  // The ordering writes the ring and its closing copy, and nothing past them.
  if (report.total > 1) {
    Point ring[kMaxCandidates + 2];
    for (Point& point : ring) point = makePoint(-1234.5f, 0);
    const int again = orderConvexPolygon(report.candidates, ring, report.total);
    check(again == report.m, "ordering repeats itself");
    for (int k = report.total + 1; k < kMaxCandidates + 2; ++k) {
      check(ring[k].x == -1234.5f, "ordering wrote past count + 1 points");
    }
  }

  std::fclose(err);
  std::fclose(out);
  std::free(outText);
  std::fclose(in);
  return 0;
}
