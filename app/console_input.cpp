#include "app/console_input.h"

#include <poll.h>

#include <algorithm>
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

// The prompt for vertex `vertex` (0..5).
std::string promptFor(int vertex) {
  char text[48];
  std::snprintf(text, sizeof text, "Uneti koordinate %d. temena (T%d): ", vertex % 3 + 1,
                vertex / 3 + 1);
  return text;
}

void prompt(std::FILE* out, int vertex) {
  std::fputs(promptFor(vertex).c_str(), out);
  std::fflush(out);
}

// The line with its separators made blanks: parentheses, a comma followed by a blank, and the
// one comma inside parentheses. Other commas stay, to be refused.
std::string separated(std::string text) {
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

// The advice for a word with a comma that the program does not take as a separator.
std::string commaAdvice(const std::string& word) {
  return "\"" + word +
         "\" - ako je zarez decimalni, pisite tacku (1.5); ako razdvaja x i y, stavite razmak "
         "posle njega (1, 5) ili zagrade ((1,5))";
}

// Whether the input has more to give without waiting: a file or a memory stream always does,
// a pipe or a terminal where something has come (read unbuffered, so nothing is held back).
bool readyNow(std::FILE* in) {
  pollfd watched = {fileno(in), POLLIN, 0};
  return watched.fd < 0 || poll(&watched, 1, 0) > 0;
}

// Piped input read as "%f" reads it (glibc's scanf itself, on each line), a line at a time,
// each line with its pair separators made blanks: "(1,5)", "(1, 5)" and "1, 5" read as "1 5".
class PipedText {
 public:
  explicit PipedText(std::FILE* in) : in_(in) {}
  ~PipedText() { std::free(raw_); }
  PipedText(const PipedText&) = delete;
  PipedText& operator=(const PipedText&) = delete;

  // Reads the next number as "%f" does, blanks and line ends before it skipped; false where
  // none can be read there or the input has ended. What is not a number stays, and every later
  // read stops at it too.
  bool number(float* v) {
    if (!skipBlanks(true)) return false;
    std::FILE* rest = fmemopen(&line_[at_], line_.size() - at_, "r");
    if (rest == nullptr) return false;
    const bool read = std::fscanf(rest, "%f", v) == 1;
    at_ += std::size_t(std::ftell(rest));
    std::fclose(rest);
    return read;
  }

  // The word where reading stops: the rest of the line, blanks skipped, up to the next blank,
  // within 31 characters. True where nothing at all is left.
  bool stopWord(char word[32]) {
    if (at_ == line_.size() && !nextLine()) {
      *word = '\0';
      return true;
    }
    // The rest of the line, its end included, within 31 characters.
    const size_t lineEnd = line_.find('\n', at_);
    const std::string rest = line_.substr(
        at_, std::min<size_t>(31, lineEnd == std::string::npos ? 31 : lineEnd + 1 - at_));
    const size_t start = rest.find_first_not_of(" \t\n\v\f\r");
    const size_t end = start == std::string::npos ? 0 : rest.find_first_of(" \t\n\v\f\r", start);
    std::snprintf(word, 32, "%s",
                  start == std::string::npos ? "" : rest.substr(start, end - start).c_str());
    return false;
  }

  // The whole word in which reading stopped ("1,5" where "1" was read and ",5" stopped it).
  std::string wordAtStop() const {
    const char* blanks = " \t\n\v\f\r";
    const size_t before = line_.find_last_of(blanks, at_ == 0 ? 0 : at_ - 1);
    const size_t start = before == std::string::npos || at_ == 0 ? 0 : before + 1;
    return line_.substr(start, line_.find_first_of(blanks, at_) - start);
  }

  // The first word left where the input has more without waiting; empty where it has none.
  std::string leftOver() {
    if (!skipBlanks(false)) return "";
    char word[32];
    stopWord(word);
    return word;
  }

 private:
  // Moves past blanks and line ends to what follows; false where the input ends first (or,
  // unless waiting, where nothing more has come).
  bool skipBlanks(bool wait) {
    for (;;) {
      while (at_ < line_.size() && std::isspace(static_cast<unsigned char>(line_[at_]))) ++at_;
      if (at_ < line_.size()) return true;
      if ((!wait && !readyNow(in_)) || !nextLine()) return false;
    }
  }

  bool nextLine() {
    const ssize_t length = getline(&raw_, &capacity_, in_);
    if (length < 0) return false;
    line_ = separated(std::string(raw_, size_t(length)));
    at_ = 0;
    return true;
  }

  std::FILE* in_;
  std::string line_;
  size_t at_ = 0;
  char* raw_ = nullptr;
  size_t capacity_ = 0;
};

// Why coordinate `axis` was not taken: the value read (read) or the word where reading stopped.
void whyNot(char* why, size_t size, const char* axis, float v, bool read, bool atEnd,
            const char* word, const std::string& whole) {
  char* end = nullptr;
  std::string asDecimal = whole;
  std::replace(asDecimal.begin(), asDecimal.end(), ',', '.');
  if (read) {
    std::snprintf(why, size, "%s = %g %s", axis, double(v),
                  std::isfinite(v) ? "je vece od 1e18 po velicini" : "nije konacan broj");
  } else if (atEnd) {
    std::snprintf(why, size, "%s: ulaz je zavrsen", axis);
  } else if (std::strchr(word, ',') != nullptr &&
             (std::strtof(asDecimal.c_str(), &end), *end == '\0' && end != asDecimal.c_str())) {
    std::snprintf(why, size, "%s: %s", axis, commaAdvice(whole).c_str());
  } else if (*word == '\0' || (std::strtof(word, &end), *end == '\0')) {
    std::snprintf(why, size, "%s: nepotpun broj%s%s", axis, *word ? " ispred " : "", word);
  } else {
    std::snprintf(why, size, "%s: \"%s\" nije broj", axis, word);
  }
}

// Prompts for vertex `vertex` (0..5) and reads it into *p; false, with a warning, when a
// coordinate is not taken.
bool readVertex(PipedText* in, std::FILE* out, std::FILE* err, int vertex, Point* p) {
  prompt(out, vertex);
  float v[2] = {p->x, p->y};
  const int read = !in->number(&v[0]) ? 0 : in->number(&v[1]) ? 2 : 1;
  char stop[32] = {};
  const bool atEnd = read < 2 && in->stopWord(stop);
  const std::string whole = read < 2 ? in->wordAtStop() : "";
  // Where nothing is read, one reason serves both coordinates.
  char why[2][320] = {};
  for (int axis = 0; axis < 2 - (read <= 0); ++axis) {
    const bool taken = axis < read && usable(v[axis]);
    if (taken) (axis == 0 ? p->x : p->y) = v[axis];
    const char* name = read <= 0 ? "x i y" : axis == 0 ? "x" : "y";
    if (!taken) {
      whyNot(why[axis], sizeof why[axis], name, v[axis], axis < read, atEnd, stop, whole);
    }
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
      std::fprintf(err, "Neispravan unos: %s.\n", commaAdvice(a.word).c_str());
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

}  // namespace

bool readTriangles(std::FILE* in, std::FILE* out, std::FILE* err, Point t1[3], Point t2[3]) {
  PipedText text(in);
  bool all = true;
  for (int v = 0; v < 6; ++v) all &= readVertex(&text, out, err, v, v < 3 ? &t1[v] : &t2[v - 3]);
  std::fputc('\n', out);
  const std::string left = all ? text.leftOver() : "";
  if (!left.empty()) {
    std::fprintf(err,
                 "Upozorenje: ulaz se nastavlja posle sestog temena (\"%s\"); taj deo se "
                 "ne koristi.\n",
                 left.c_str());
  }
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

bool readTrianglesAtTerminal(const LineSource& nextLine, std::FILE* out, std::FILE* err,
                             Point t1[3], Point t2[3]) {
  Point* vertices[6] = {&t1[0], &t1[1], &t1[2], &t2[0], &t2[1], &t2[2]};
  std::string line;
  int next = 0;
  while (next < 6) {
    if (!nextLine(promptFor(next).c_str(), &line)) break;
    const Answer answer = parseAnswer(line.c_str(), 6 - next);
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
  if (next < 6) {
    std::fprintf(err, "\nUnos je prekinut pre svih sest temena; program se zavrsava.\n");
    return false;
  }
  std::fputc('\n', out);
  return true;
}
