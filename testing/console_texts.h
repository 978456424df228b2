// What the console shows in the runs the tests share, byte for byte, and streams to feed it
// and read it back.
#pragma once

#include <cstdio>
#include <string>

// The six prompts and the blank line after the answers.
inline constexpr char kPrompts[] =
    "Uneti koordinate 1. temena (T1): Uneti koordinate 2. temena (T1): "
    "Uneti koordinate 3. temena (T1): Uneti koordinate 1. temena (T2): "
    "Uneti koordinate 2. temena (T2): Uneti koordinate 3. temena (T2): \n";

// The results of T1 = (0,0), (4,0), (0,4) and T2 = (1,1), (5,1), (1,5).
inline constexpr char kTypicalResults[] =
    "Broj presecnih tacaka : n = 2\n"
    "Broj temena trougla T1 u trouglu T2: p = 0\n"
    "Broj temena trougla T2 u trouglu T1: q = 1\n"
    "Broj temena presecnog poligona je : 3\n"
    "T[0]=( 3.000 , 1.000 )\n"
    "T[1]=( 1.000 , 3.000 )\n"
    "T[2]=( 1.000 , 1.000 )\n";

// The results of two triangles that do not meet.
inline constexpr char kNoOverlapResults[] =
    "Broj presecnih tacaka : n = 0\n"
    "Broj temena trougla T1 u trouglu T2: p = 0\n"
    "Broj temena trougla T2 u trouglu T1: q = 0\n";

// A stream that reads text, then ends.
inline std::FILE* streamOf(const std::string& text) {
  std::FILE* stream = std::tmpfile();
  std::fputs(text.c_str(), stream);
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
