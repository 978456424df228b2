#include "app/console_input.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/scanned_number.h"

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

// Separators made blanks as the text goes by: parentheses, a comma followed by a blank, and the
// one comma inside parentheses. Other commas stay, to be refused.
class Separators {
 public:
  // What byte c, followed by byte next (-1 where the text ends), reads as.
  char operator()(char c, int next) {
    if (c == '(' || c == ')') {
      inParentheses_ = c == '(';
      commas_ = 0;
      return ' ';
    }
    const bool blankAfter = next == ' ' || next == '\t';
    return c == ',' && (inParentheses_ ? ++commas_ == 1 : blankAfter) ? ' ' : c;
  }

 private:
  bool inParentheses_ = false;
  int commas_ = 0;
};

// A line with its separators made blanks.
std::string separated(std::string text) {
  Separators separate;
  for (size_t k = 0; k < text.size(); ++k) {
    text[k] = separate(text[k], k + 1 < text.size() ? static_cast<unsigned char>(text[k + 1]) : -1);
  }
  return text;
}

// The advice for a word with a comma that the program does not take as a separator.
std::string commaAdvice(const std::string& word) {
  return "\"" + word +
         "\" - ako je zarez decimalni, pisite tacku (1.5); ako razdvaja x i y, stavite razmak "
         "posle njega (1, 5) ili zagrade ((1,5))";
}

bool isBlank(int c) {
  return c == ' ' || (c >= '\t' && c <= '\r');
}

// A word as the warnings show it: a byte that is no printable character written as an escape,
// "\0" for a NUL and "^Z" for the Ctrl-Z that ends a Windows console's input.
std::string shown(const std::string& word) {
  std::string text;
  for (unsigned char c : word) {
    char escape[8];
    std::snprintf(escape, sizeof escape, c == 0 ? "\\0" : c == 0x1a ? "^Z" : "\\x%02x", c);
    text += c >= 0x20 && c < 0x7f ? std::string(1, char(c)) : escape;
  }
  return text;
}

// A stream read from a FILE (a file, or a test's text), which never waits.
class FileBytes : public ByteSource {
 public:
  explicit FileBytes(std::FILE* in) : in_(in) {}
  std::size_t read(char* buffer, std::size_t size) override {
    return std::fread(buffer, 1, size, in_);
  }
  bool readyNow() override { return true; }

 private:
  std::FILE* in_;
};

// Piped input read in blocks, with its pair separators made blanks ("(1,5)", "(1, 5)" and "1, 5"
// read as "1 5"), and its numbers read as "%f" reads them.
class PipedText {
 public:
  explicit PipedText(ByteSource& in) : in_(in) {}

  // Reads the next number, blanks and line ends before it skipped; false where none can be read
  // there or the input has ended. What is not a number stays, and every later read stops at it
  // too.
  bool number(float* v) {
    skipBlanks(true);
    const ScannedNumber scanned = scanNumber([this](std::size_t k) { return byteAt(k); });
    at_ += scanned.used;
    if (scanned.kind == ScannedNumber::kRead) *v = scanned.value;
    return scanned.kind == ScannedNumber::kRead;
  }

  // The word where reading stops: the rest of the line, blanks skipped, up to the next blank,
  // within 31 bytes. True where nothing at all is left.
  bool stopWord(std::string* word) {
    word->clear();
    if (byteAt(0) < 0) return true;
    std::size_t k = 0;
    while (k < 31 && byteAt(k) >= 0 && byteAt(k) != '\n' && isBlank(byteAt(k))) ++k;
    while (k < 31 && byteAt(k) >= 0 && !isBlank(byteAt(k))) *word += char(byteAt(k++));
    return false;
  }

  // The whole word in which reading stopped ("1,5" where "1" was read and ",5" stopped it),
  // within 64 bytes of where it stopped.
  std::string wordAtStop() {
    std::size_t start = at_;
    while (start > 0 && at_ - start < 64 && !isBlank(text_[start - 1])) --start;
    std::string word = text_.substr(start, at_ - start);
    for (std::size_t k = 0; k < 64 && byteAt(k) >= 0 && !isBlank(byteAt(k)); ++k) {
      word += char(byteAt(k));
    }
    return word;
  }

  // The first word left, of what has come by now (and one more block where more has come): it
  // never waits for, or reads on and on, what keeps arriving. Empty where nothing is left.
  std::string leftOver() {
    skipBlanks(false);
    std::string word;
    for (std::size_t k = at_; k < text_.size() && k < at_ + 31 && !isBlank(text_[k]); ++k) {
      word += text_[k];
    }
    return word;
  }

 private:
  static constexpr std::size_t kBlock = 65536;

  // Byte k past the reading place, as the reading sees it, or -1 past the end of the input.
  int byteAt(std::size_t k) {
    while (at_ + k >= ready_ && more()) {
    }
    return at_ + k < ready_ ? static_cast<unsigned char>(text_[at_ + k]) : -1;
  }

  // Reads one more block; false at the end of the input. A byte's reading may wait for the next
  // one (a comma followed by a blank), so the last byte is made ready with the next block.
  bool more() {
    if (ended_) return false;
    char block[kBlock];
    const std::size_t got = in_.read(block, sizeof block);
    ended_ = got == 0;
    text_.append(block, got);
    const std::size_t last = ended_ ? text_.size() : text_.size() - 1;
    for (; ready_ < last; ++ready_) {
      const int next =
          ready_ + 1 < text_.size() ? static_cast<unsigned char>(text_[ready_ + 1]) : -1;
      text_[ready_] = separate_(text_[ready_], next);
    }
    return true;
  }

  // Moves past blanks and line ends, reading on where waiting is allowed, and otherwise only
  // through what has come; what lies behind is let go.
  void skipBlanks(bool wait) {
    for (;;) {
      while (at_ < ready_ && isBlank(static_cast<unsigned char>(text_[at_]))) ++at_;
      if (at_ > kBlock) {
        text_.erase(0, at_);
        ready_ -= at_;
        at_ = 0;
      }
      if (at_ < ready_ || (!wait && (extraBlocks_++ > 0 || !in_.readyNow())) || !more()) return;
    }
  }

  ByteSource& in_;
  Separators separate_;
  std::string text_;       // the bytes read and not yet let go
  std::size_t ready_ = 0;  // of which those whose reading is settled
  std::size_t at_ = 0;     // the reading place
  bool ended_ = false;
  int extraBlocks_ = 0;  // blocks read when looking past the sixth vertex
};

// Why coordinate `axis` was not taken: the value read (read) or the word where reading stopped.
std::string whyNot(const char* axis, float v, bool read, bool atEnd, const std::string& word,
                   const std::string& whole) {
  char why[96];
  char* end = nullptr;
  std::string asDecimal = whole;
  std::replace(asDecimal.begin(), asDecimal.end(), ',', '.');
  if (read) {
    std::snprintf(why, sizeof why, "%s = %g %s", axis, double(v),
                  std::isfinite(v) ? "je vece od 1e18 po velicini" : "nije konacan broj");
  } else if (atEnd) {
    std::snprintf(why, sizeof why, "%s: ulaz je zavrsen", axis);
  } else if (word.find(',') != std::string::npos && asDecimal.find('\0') == std::string::npos &&
             (std::strtof(asDecimal.c_str(), &end), *end == '\0' && end != asDecimal.c_str())) {
    return std::string(axis) + ": " + commaAdvice(whole);
  } else if (word.empty() || (word.find('\0') == std::string::npos &&
                              (std::strtof(word.c_str(), &end), *end == '\0'))) {
    return std::string(axis) + ": nepotpun broj" + (word.empty() ? "" : " ispred " + word);
  } else {
    return std::string(axis) + ": \"" + shown(word) + "\" nije broj";
  }
  return why;
}

// Prompts for vertex `vertex` (0..5) and reads it into *p; false, with a warning, when a
// coordinate is not taken.
bool readVertex(PipedText* in, std::FILE* out, std::FILE* err, int vertex, Point* p) {
  prompt(out, vertex);
  float v[2] = {p->x, p->y};
  const int read = !in->number(&v[0]) ? 0 : in->number(&v[1]) ? 2 : 1;
  std::string stop;
  const bool atEnd = read < 2 && in->stopWord(&stop);
  const std::string whole = read < 2 ? in->wordAtStop() : "";
  // Where nothing is read, one reason serves both coordinates.
  std::string why[2];
  for (int axis = 0; axis < 2 - (read <= 0); ++axis) {
    const bool taken = axis < read && usable(v[axis]);
    if (taken) (axis == 0 ? p->x : p->y) = v[axis];
    const char* name = read <= 0 ? "x i y" : axis == 0 ? "x" : "y";
    if (!taken) why[axis] = whyNot(name, v[axis], axis < read, atEnd, stop, whole);
  }
  if (why[0].empty() && why[1].empty()) return true;
  std::fprintf(err,
               "Upozorenje: koordinate %d. temena (T%d) nisu ispravno ucitane (%s%s%s); "
               "koristi se ( %g , %g )\n",
               vertex % 3 + 1, vertex / 3 + 1, why[0].c_str(),
               !why[0].empty() && !why[1].empty() ? "; " : "", why[1].c_str(), double(p->x),
               double(p->y));
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
  FileBytes bytes(in);
  return readTriangles(bytes, out, err, t1, t2);
}

bool readTriangles(ByteSource& in, std::FILE* out, std::FILE* err, Point t1[3], Point t2[3]) {
  PipedText text(in);
  bool all = true;
  for (int v = 0; v < 6; ++v) all &= readVertex(&text, out, err, v, v < 3 ? &t1[v] : &t2[v - 3]);
  std::fputc('\n', out);
  const std::string left = all ? text.leftOver() : "";
  if (!left.empty()) {
    std::fprintf(err,
                 "Upozorenje: ulaz se nastavlja posle sestog temena (\"%s\"); taj deo se "
                 "ne koristi.\n",
                 shown(left).c_str());
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
    std::fprintf(err, "\nUnos je prekinut (%s) pre svih sest temena; program se zavrsava.\n",
                 kEndOfInputKey);
    return false;
  }
  std::fputc('\n', out);
  return true;
}
