// C streams over memory, for tests that feed the console and read what it printed.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

// An output stream whose text can be read back.
class OutputCapture {
 public:
  OutputCapture() : stream_(open_memstream(&buffer_, &size_)) {}
  OutputCapture(const OutputCapture&) = delete;
  OutputCapture& operator=(const OutputCapture&) = delete;
  ~OutputCapture() {
    std::fclose(stream_);
    std::free(buffer_);
  }
  std::FILE* stream() { return stream_; }
  std::string text() {
    std::fflush(stream_);
    return std::string(buffer_, size_);
  }

 private:
  char* buffer_ = nullptr;
  size_t size_ = 0;
  std::FILE* stream_;
};

// An input stream that reads the given text, then ends.
class InputText {
 public:
  explicit InputText(const std::string& text) : text_(text) {
    // fmemopen cannot open an empty buffer: an empty input is a stream at its end.
    stream_ =
        text_.empty() ? std::fopen("/dev/null", "r") : fmemopen(text_.data(), text_.size(), "r");
  }
  InputText(const InputText&) = delete;
  InputText& operator=(const InputText&) = delete;
  ~InputText() { std::fclose(stream_); }
  std::FILE* stream() { return stream_; }

 private:
  std::string text_;
  std::FILE* stream_;
};
