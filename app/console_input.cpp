#include "app/console_input.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// Whether v can be used as a coordinate.
bool usable(float v) {
  return std::isfinite(v) && std::fabs(double(v)) <= kMaxCoordinate;
}

void prompt(std::FILE* out, int vertex) {
  std::fprintf(out, "Uneti koordinate %d. temena (T%d): ", vertex % 3 + 1, vertex / 3 + 1);
  std::fflush(out);
}

// The word where the input stops on this line (empty at the end of input), left in the stream:
// a word that is not a number stays there, and every later read stops at it too. (glibc takes
// back any number of characters.)
bool peekWord(std::FILE* in, char word[32]) {
  char taken[32];
  int length = 0, start = -1;
  for (int c; length < 31 && (c = std::fgetc(in)) != EOF;) {
    taken[length++] = char(c);
    const bool blank = std::isspace(c);
    if (c == '\n' || (blank && start >= 0)) break;
    if (!blank && start < 0) start = length - 1;
  }
  const bool atEnd = length == 0;
  for (int k = length; k-- > 0;) std::ungetc(static_cast<unsigned char>(taken[k]), in);
  int end = start < 0 ? 0 : start;
  while (end < length && !std::isspace(static_cast<unsigned char>(taken[end]))) ++end;
  std::snprintf(word, 32, "%.*s", start < 0 ? 0 : end - start, taken + (start < 0 ? 0 : start));
  return atEnd;
}

// Why coordinate `axis` was not taken: the value read (read) or the word where reading stopped.
void whyNot(char* why, size_t size, const char* axis, float v, bool read, bool atEnd,
            const char* word) {
  char* end = nullptr;
  if (read) {
    std::snprintf(why, size, "%s = %g %s", axis, double(v),
                  std::isfinite(v) ? "je vece od 1e18 po velicini" : "nije konacan broj");
  } else if (atEnd) {
    std::snprintf(why, size, "%s: ulaz je zavrsen", axis);
  } else if (std::strchr(word, ',') != nullptr) {
    std::snprintf(why, size, "%s: decimalni zarez u \"%s\" (decimale se pisu sa tackom: 1.5)", axis,
                  word);
  } else if (*word == '\0' || (std::strtof(word, &end), *end == '\0')) {
    std::snprintf(why, size, "%s: nepotpun broj%s%s", axis, *word ? " ispred " : "", word);
  } else {
    std::snprintf(why, size, "%s: \"%s\" nije broj", axis, word);
  }
}

// Prompts for vertex `vertex` (0..5) and reads it into *p; false, with a warning, when a
// coordinate is not taken.
bool readVertex(std::FILE* in, std::FILE* out, std::FILE* err, int vertex, Point* p) {
  prompt(out, vertex);
  float v[2] = {p->x, p->y};
  const int read = std::fscanf(in, "%f %f", &v[0], &v[1]);
  char stop[32] = {};
  const bool atEnd = read < 2 && peekWord(in, stop);
  // Where nothing is read, one reason serves both coordinates.
  char why[2][128] = {};
  for (int axis = 0; axis < 2 - (read <= 0); ++axis) {
    const bool taken = axis < read && usable(v[axis]);
    if (taken) (axis == 0 ? p->x : p->y) = v[axis];
    const char* name = read <= 0 ? "x i y" : axis == 0 ? "x" : "y";
    if (!taken) whyNot(why[axis], sizeof why[axis], name, v[axis], axis < read, atEnd, stop);
  }
  if (why[0][0] == '\0' && why[1][0] == '\0') return true;
  std::fprintf(err,
               "Upozorenje: koordinate %d. temena (T%d) nisu ispravno ucitane (%s%s%s); "
               "koristi se ( %g , %g )\n",
               vertex % 3 + 1, vertex / 3 + 1, why[0], why[0][0] && why[1][0] ? "; " : "", why[1],
               double(p->x), double(p->y));
  return false;
}

// Why an answer is refused, and how to type it.
void explain(std::FILE* err, const Answer& a, int room) {
  const char* how =
      "Unesite x i y razdvojene razmakom (1.5 -2), zarezom i razmakom (1.5, -2) ili u zagradama "
      "((1.5,-2)), sa decimalnom tackom.";
  switch (a.kind) {
    case AnswerKind::kNotANumber:
      std::fprintf(err, "Neispravan unos: \"%s\" nije broj. %s\n", a.word, how);
      break;
    case AnswerKind::kDecimalComma:
      std::fprintf(err,
                   "Neispravan unos: \"%s\" - ako je zarez decimalni, pisite tacku (1.5); ako "
                   "razdvaja x i y, stavite razmak posle njega (1, 5) ili zagrade ((1,5)).\n",
                   a.word);
      break;
    case AnswerKind::kNotUsable:
      std::fprintf(err, "Neispravan unos: \"%s\" nije konacan broj do 1e18 po velicini. %s\n",
                   a.word, how);
      break;
    case AnswerKind::kNotPairs:
      std::fprintf(err,
                   "Neispravan unos: uneto je brojeva: %d; za svako teme ocekuju se dva (x i y). "
                   "%s\n",
                   a.numbers, how);
      break;
    case AnswerKind::kTooMany:
      std::fprintf(err,
                   "Neispravan unos: uneto je temena: %d, a preostalo je jos %d. Unesite najvise "
                   "%d.\n",
                   a.numbers / 2, room, room);
      break;
    case AnswerKind::kVertices:
      break;
  }
}

// The line with its separators made blanks: parentheses, a comma followed by a blank, and the
// one comma inside parentheses. Other commas stay, to be refused.
std::string separated(const char* line) {
  std::string text = line;
  bool inParentheses = false;
  int commas = 0;
  for (size_t k = 0; k < text.size(); ++k) {
    const char c = text[k];
    const bool blankAfter = k + 1 < text.size() && (text[k + 1] == ' ' || text[k + 1] == '\t');
    if (c == '(' || c == ')') {
      inParentheses = c == '(';
      commas = 0;
    }
    const bool separator = c == ',' && (inParentheses ? ++commas == 1 : blankAfter);
    if (c == '(' || c == ')' || separator) text[k] = ' ';
  }
  return text;
}

}  // namespace

bool readTriangles(std::FILE* in, std::FILE* out, std::FILE* err, Point t1[3], Point t2[3]) {
  bool all = true;
  for (int v = 0; v < 6; ++v) all &= readVertex(in, out, err, v, v < 3 ? &t1[v] : &t2[v - 3]);
  std::fputc('\n', out);
  return all;
}

Answer parseAnswer(const char* line, int room) {
  Answer a;
  const std::string text = separated(line);
  float values[12];
  const char* at = text.c_str();
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
      explain(err, answer, 6 - next);
      continue;
    }
    // Several pairs on one line answer the following prompts as well, each shown answered.
    for (int k = 0; k < answer.vertices; ++k) {
      if (k > 0) {
        prompt(out, next);
        std::fprintf(out, "%g %g\n", double(answer.points[k].x), double(answer.points[k].y));
      }
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
