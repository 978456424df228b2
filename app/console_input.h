// The first half of the dialogue: the prompts and the coordinates of the two triangles.
#pragma once

#include <cstdio>
#include <functional>
#include <string>

#include "app/platform.h"
#include "geometry/geometry.h"

// Prompts on out for the three vertices of T1 and then of T2, reads each as "%f %f" from in
// (read in blocks), and ends with a blank line. A coordinate that is not read, not finite or beyond
// kMaxCoordinate keeps its previous value, and the vertex is named on err with what was wrong.
// False when some coordinate was not taken.
bool readTriangles(ByteSource& in, std::FILE* out, std::FILE* err, Point t1[3], Point t2[3]);
bool readTriangles(std::FILE* in, std::FILE* out, std::FILE* err, Point t1[3], Point t2[3]);

// What one answer typed at a terminal holds: vertices (x y, possibly several pairs), or why
// it is refused.
enum class AnswerKind { kVertices, kNotANumber, kDecimalComma, kNotUsable, kNotPairs, kTooMany };
struct Answer {
  AnswerKind kind = AnswerKind::kNotPairs;
  int vertices = 0;    // for kVertices
  Point points[6];     // their coordinates
  int numbers = 0;     // how many numbers the line holds
  char word[32] = {};  // the first word refused, cut to fit
};

// Reads one answer line; room is the number of vertices still to be entered. x and y are
// separated by blanks, by a comma and a blank, or by one comma inside parentheses: "1 2",
// "1, 2", "(1, 2)" and "(1,2)" are the same point.
Answer parseAnswer(const char* line, int room);

// Where the terminal dialogue takes its answers: shows the prompt and reads the next line;
// false at the end of input.
using LineSource = std::function<bool(const char* prompt, std::string* line)>;

// The dialogue at a terminal: each answer a line, x and y (or several pairs); a line that
// cannot be taken is explained on err and its prompt repeated. The blank line goes to out as in
// readTriangles; a prompt that a pair typed earlier answers is shown on out with that pair.
// False when the input ends before all six vertices.
bool readTrianglesAtTerminal(const LineSource& nextLine, std::FILE* out, std::FILE* err,
                             Point t1[3], Point t2[3]);
