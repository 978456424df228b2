// What the console dialogue needs of the operating system: standard input as raw bytes, and
// standard output written without waiting. platform_posix.cpp and platform_windows.cpp are the
// two sides.
#pragma once

#include <cstddef>
#include <string>

// Bytes of an input, read in blocks.
class ByteSource {
 public:
  virtual ~ByteSource() = default;
  // Reads up to size bytes into buffer, waiting for at least one; 0 at the end of the input.
  virtual std::size_t read(char* buffer, std::size_t size) = 0;
  // Whether a read would answer at once: something has come, or the input has ended.
  virtual bool readyNow() = 0;
};

// The key that ends a terminal's input.
#ifdef _WIN32
constexpr char kEndOfInputKey[] = "Ctrl-Z";
#else
constexpr char kEndOfInputKey[] = "Ctrl-D";
#endif

// Whether standard input is a terminal (a console), where each answer is typed as a line.
bool standardInputIsTerminal();

// Standard input as raw bytes (on Windows in binary mode, so that it reads as on Linux).
ByteSource& standardInputBytes();

// A write to a reader that has gone fails with an error instead of ending the process.
void keepRunningWhenReaderGoes();

// What a write to standard output did: bytes taken, and whether it failed.
struct Written {
  std::size_t bytes;
  bool failed;
};

// Writes what standard output takes of data without waiting (all of it where it never waits).
Written writeStandardOutputNow(const char* data, std::size_t size);

// Waits at most `milliseconds` until standard output can take more; false where it cannot.
bool waitForStandardOutput(int milliseconds);

// Why the last write or open failed, in the program's words.
std::string lastErrorInWords();
