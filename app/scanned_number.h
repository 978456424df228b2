// A number read from text as the C library's "%f" conversion reads it from a stream, so that the
// same bytes give the same values, and the same stops, on every system.
#pragma once

#include <cstddef>
#include <functional>

struct ScannedNumber {
  enum Kind { kRead, kNotANumber, kEnded } kind;
  float value;       // for kRead
  std::size_t used;  // the bytes taken, blanks before the number included
};

// Reads one number from the text whose byte k byteAt(k) gives (-1 past its end): blanks skipped,
// then the longest run that can begin a number. The byte that ends the run is not taken, but one
// that breaks "nan" or "infinity" is. kEnded where only blanks are left.
ScannedNumber scanNumber(const std::function<int(std::size_t)>& byteAt);
