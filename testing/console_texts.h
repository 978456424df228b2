// The console's prompts, byte for byte, and streams to feed it and read it back.
#pragma once

#include <cstdio>
#include <string>

// The six prompts and the blank line after the answers.
inline constexpr char kPrompts[] =
    "Uneti koordinate 1. temena (T1): Uneti koordinate 2. temena (T1): "
    "Uneti koordinate 3. temena (T1): Uneti koordinate 1. temena (T2): "
    "Uneti koordinate 2. temena (T2): Uneti koordinate 3. temena (T2): \n";

// A stream that reads text, then ends.
inline std::FILE* streamOf(const std::string& text) {
  std::FILE* stream = std::tmpfile();
  std::fwrite(text.data(), 1, text.size(), stream);
  std::rewind(stream);
  return stream;
}

// Everything written to stream, which is then closed.
inline std::string closeAndRead(std::FILE* stream) {
  std::string text;
  std::rewind(stream);
  for (int c; (c = std::fgetc(stream)) != EOF;) text += char(c);
  std::fclose(stream);
  return text;
}
