#include "app/scanned_number.h"

#include <cctype>
#include <cstdlib>
#include <string>

namespace {

int lower(int c) {
  return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c;
}

bool blank(int c) {
  return c == ' ' || (c >= '\t' && c <= '\r');
}

bool digit(int c) {
  return c >= '0' && c <= '9';
}

bool hexDigit(int c) {
  return digit(c) || (lower(c) >= 'a' && lower(c) <= 'f');
}

// The text of a number as it is taken, byte by byte.
class Taken {
 public:
  explicit Taken(const std::function<int(std::size_t)>& byteAt, std::size_t from)
      : byteAt_(byteAt), at_(from) {}
  int next() const { return byteAt_(at_); }
  void take() { text_ += char(byteAt_(at_++)); }
  // Takes the word's letters while they follow (any case); false at the first that does not,
  // which is taken too unless the text has ended there.
  bool word(const char* letters) {
    for (; *letters != '\0'; ++letters) {
      const int c = next();
      if (c >= 0) take();
      if (lower(c) != *letters) return false;
    }
    return true;
  }
  const std::string& text() const { return text_; }
  std::size_t at() const { return at_; }

 private:
  const std::function<int(std::size_t)>& byteAt_;
  std::size_t at_;
  std::string text_;
};

// What the digits of a number have had so far.
struct SoFar {
  bool hex, digits, point, exponent;
};

// Whether byte c continues a number that has had `so` and ends with byte `last`; it marks what c
// adds.
bool continues(SoFar* so, int c, int last) {
  const int exponentLetter = so->hex ? 'p' : 'e';
  if (digit(c) || (so->hex && !so->exponent && hexDigit(c))) return so->digits = true;
  if (so->exponent && lower(last) == exponentLetter) return c == '-' || c == '+';
  if (so->digits && !so->exponent && lower(c) == exponentLetter) {
    return so->exponent = so->point = true;
  }
  return !so->point && c == '.' && (so->point = true);
}

// The digits, point and exponent of a number, decimal or hexadecimal ("0x"); the sign is taken.
void takeDigits(Taken* n) {
  SoFar so = {};
  if (n->next() == '0') {
    n->take();
    so.hex = lower(n->next()) == 'x';
    if (so.hex) n->take();
    so.digits = !so.hex;
  }
  while (continues(&so, n->next(), n->text().empty() ? -1 : n->text().back())) n->take();
}

ScannedNumber converted(const Taken& n, bool enough) {
  char* end = nullptr;
  const float value = enough ? std::strtof(n.text().c_str(), &end) : 0;
  if (!enough || end == n.text().c_str()) return {ScannedNumber::kNotANumber, 0, n.at()};
  return {ScannedNumber::kRead, value, n.at()};
}

}  // namespace

ScannedNumber scanNumber(const std::function<int(std::size_t)>& byteAt) {
  std::size_t start = 0;
  while (blank(byteAt(start))) ++start;
  if (byteAt(start) < 0) return {ScannedNumber::kEnded, 0, start};
  Taken n(byteAt, start);
  const bool sign = n.next() == '-' || n.next() == '+';
  if (sign) {
    n.take();
    if (n.next() < 0) return converted(n, false);
  }
  if (lower(n.next()) == 'n') return converted(n, n.word("nan"));
  if (lower(n.next()) == 'i') {
    if (!n.word("inf")) return converted(n, false);
    return converted(n, lower(n.next()) != 'i' || n.word("inity"));
  }
  takeDigits(&n);
  const std::size_t size = n.text().size() - sign;
  const bool hexPrefixOnly = size == 2 && lower(n.text()[sign + 1]) == 'x';
  return converted(n, size > 0 && !hexPrefixOnly);
}
