#include "app/console_input.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {

// Whether v can be used as a coordinate.
bool usable(float v) {
  return std::isfinite(v) && std::fabs(double(v)) <= kMaxCoordinate;
}

void prompt(std::FILE* out, int vertex) {
  std::fprintf(out, "Uneti koordinate %d. temena (T%d): ", vertex % 3 + 1, vertex / 3 + 1);
  std::fflush(out);
}

// Prompts for vertex `index` of triangle `triangle` (1 or 2) and reads it into *vertex.
void readVertex(std::FILE* in, std::FILE* out, std::FILE* err, int triangle, int index,
                Point* vertex) {
  prompt(out, (triangle - 1) * 3 + index - 1);
  float x = vertex->x;
  float y = vertex->y;
  const int read = std::fscanf(in, "%f %f", &x, &y);
  const bool xTaken = read >= 1 && usable(x);
  const bool yTaken = read >= 2 && usable(y);
  if (xTaken) vertex->x = x;
  if (yTaken) vertex->y = y;
  if (!xTaken || !yTaken) {
    std::fprintf(err,
                 "Upozorenje: koordinate %d. temena (T%d) nisu ispravno ucitane; "
                 "koristi se ( %g , %g )\n",
                 index, triangle, double(vertex->x), double(vertex->y));
  }
}

// Why an answer is refused, and how to type it.
void explain(std::FILE* err, const Answer& a) {
  const char* how = "Unesite x i y razdvojene razmakom, sa decimalnom tackom (npr. 1.5 -2).";
  switch (a.kind) {
    case AnswerKind::kNotANumber:
      std::fprintf(err, "Neispravan unos: \"%s\" nije broj. %s\n", a.word, how);
      break;
    case AnswerKind::kDecimalComma:
      std::fprintf(err, "Neispravan unos: decimalni zarez u \"%s\". %s\n", a.word, how);
      break;
    case AnswerKind::kNotUsable:
      std::fprintf(err, "Neispravan unos: \"%s\" nije konacan broj do 1e18 po velicini. %s\n",
                   a.word, how);
      break;
    case AnswerKind::kNotPairs:
    case AnswerKind::kTooMany:
      std::fprintf(err, "Neispravan unos: uneto je brojeva: %d; ocekuju se dva (x i y). %s\n",
                   a.numbers, how);
      break;
    case AnswerKind::kVertices:
      break;
  }
}

}  // namespace

void readTriangles(std::FILE* in, std::FILE* out, std::FILE* err, Point t1[3], Point t2[3]) {
  for (int i = 0; i < 3; ++i) readVertex(in, out, err, 1, i + 1, &t1[i]);
  for (int i = 0; i < 3; ++i) readVertex(in, out, err, 2, i + 1, &t2[i]);
  std::fputc('\n', out);
}

Answer parseAnswer(const char* line, int room) {
  Answer a;
  float values[12];
  const char* at = line;
  for (;;) {
    at += std::strspn(at, " \t\r\n");
    if (*at == '\0') break;
    const size_t length = std::strcspn(at, " \t\r\n");
    char* end = nullptr;
    const float v = std::strtof(at, &end);
    if (end != at + length || !usable(v)) {
      std::snprintf(a.word, sizeof a.word, "%.*s", int(length), at);
      const bool comma = std::memchr(at, ',', length) != nullptr;
      a.kind = end == at + length ? AnswerKind::kNotUsable
               : comma            ? AnswerKind::kDecimalComma
                                  : AnswerKind::kNotANumber;
      return a;
    }
    if (a.numbers < 12) values[a.numbers] = v;
    ++a.numbers;
    at += length;
  }
  if (a.numbers < 2 || a.numbers % 2 != 0) return a;
  if (a.numbers / 2 > room) {
    a.kind = AnswerKind::kTooMany;
    return a;
  }
  a.kind = AnswerKind::kVertices;
  a.vertices = a.numbers / 2;
  for (int k = 0; k < a.vertices; ++k) a.points[k] = makePoint(values[2 * k], values[2 * k + 1]);
  return a;
}

bool readTrianglesAtTerminal(std::FILE* in, std::FILE* out, std::FILE* err, Point t1[3],
                             Point t2[3]) {
  Point* vertices[6] = {&t1[0], &t1[1], &t1[2], &t2[0], &t2[1], &t2[2]};
  char* line = nullptr;
  size_t capacity = 0;
  int next = 0;
  while (next < 6) {
    prompt(out, next);
    if (getline(&line, &capacity, in) < 0) break;
    const Answer answer = parseAnswer(line, 6 - next);
    if (answer.kind != AnswerKind::kVertices) {
      explain(err, answer);
      continue;
    }
    // Several pairs on one line answer the following prompts as well.
    for (int k = 0; k < answer.vertices; ++k) {
      if (k > 0) prompt(out, next);
      vertices[next]->x = answer.points[k].x;
      vertices[next]->y = answer.points[k].y;
      ++next;
    }
  }
  std::free(line);
  if (next < 6) {
    std::fprintf(err, "\nUnos je prekinut pre svih sest temena; program se zavrsava.\n");
    return false;
  }
  std::fputc('\n', out);
  return true;
}
