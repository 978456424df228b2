// Arbitrary bytes as the console's input, through reading, solving, ordering, the report and
// the scene, up to the hand-over to the window.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/console_input.h"
#include "app/report.h"
#include "app/scanned_number.h"
#include "scene/scene.h"

namespace {

void check(bool ok, const char* what) {
  if (!ok) {
    std::fprintf(stderr, "broken: %s\n", what);
    std::abort();
  }
}

// How many lines of text start with head.
int linesStartingWith(const std::string& text, const char* head) {
  int lines = 0;
  for (size_t at = text.find(head); at != std::string::npos; at = text.find(head, at + 1)) {
    lines += at == 0 || text[at - 1] == '\n';
  }
  return lines;
}

// The number read from data as the C library's own "%f" reads a stream of it: the same kind,
// value bits and bytes taken.
void readsAsTheLibraryDoes(const std::uint8_t* data, size_t size) {
  std::FILE* stream = fmemopen(const_cast<std::uint8_t*>(data), size, "r");
  float expected = -7.0f, value = -7.0f;
  const int read = std::fscanf(stream, "%f", &expected);
  const long used = std::ftell(stream);
  std::fclose(stream);
  const ScannedNumber n = scanNumber([&](size_t k) { return k < size ? int(data[k]) : -1; });
  if (n.kind == ScannedNumber::kRead) value = n.value;
  check(n.kind == (read == 1   ? ScannedNumber::kRead
                   : read == 0 ? ScannedNumber::kNotANumber
                               : ScannedNumber::kEnded),
        "a number is read where %f reads one");
  check(std::memcmp(&value, &expected, sizeof value) == 0, "the value %f reads");
  check(long(n.used) == used, "the bytes %f takes");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  if (size > 0) readsAsTheLibraryDoes(data, size);
  std::FILE* in = size > 0 ? fmemopen(const_cast<std::uint8_t*>(data), size, "r")
                           : std::fopen("/dev/null", "r");
  char* text = nullptr;
  size_t length = 0;
  std::FILE* out = open_memstream(&text, &length);
  std::FILE* err = std::fopen("/dev/null", "w");
  resetScene();
  Point t[6];
  const bool read = readTriangles(in, out, err, t, t + 3);
  for (const Point& p : t) {
    check(std::isfinite(p.x) && std::isfinite(p.y) && std::fabs(p.x) <= 1e18f &&
              std::fabs(p.y) <= 1e18f,
          "only usable coordinates are taken");
  }
  check(!read || size >= 23, "six pairs take at least 23 bytes");
  const Solution report = reportOverlap(t, t + 3, out);
  const int total = candidateTotal(report), ring = total > 1 ? report.m : 0;
  std::fflush(out);
  const std::string printed(text, length);

  // What is printed is what was found, and the scene holds it.
  check(total <= kMaxCandidates && report.m <= total && (total > 1 || report.m == total), "room");
  check(linesStartingWith(printed, "T[") == ring, "a line for each vertex of the ring");
  check(linesStartingWith(printed, "Broj temena presecnog") == (total > 1), "ring size");
  check(report.m == 0 || samePlace(report.overlap[report.m], report.overlap[0]), "ring closed");
  check(gPoints.size() == size_t(total), "published candidates");
  check(gSegments.size() == size_t(6 + ring), "published sides and outline");
  std::fclose(err);
  std::fclose(out);
  std::free(text);
  std::fclose(in);
  return 0;
}
