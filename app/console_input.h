// The first half of the dialogue: the prompts and the coordinates of the two triangles.
#pragma once

#include <cstdio>

#include "geometry/geometry.h"

// Largest coordinate magnitude taken: past it the products of the geometry overflow.
constexpr double kMaxCoordinate = 1e18;

// Prompts on out for the three vertices of T1 and then of T2, reads each as "%f %f" from in,
// and ends with a blank line. A coordinate that is not read, not finite or beyond
// kMaxCoordinate keeps its previous value, and the vertex is named in a warning on err.
void readTriangles(std::FILE* in, std::FILE* out, std::FILE* err, Point t1[3], Point t2[3]);

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

// Reads one answer line; room is the number of vertices still to be entered.
Answer parseAnswer(const char* line, int room);

// The dialogue at a terminal: each answer a line, x and y (or several pairs); a line that
// cannot be taken is explained on err and its prompt repeated. Prompts and the blank line go
// to out as in readTriangles. False when the input ends before all six vertices.
bool readTrianglesAtTerminal(std::FILE* in, std::FILE* out, std::FILE* err, Point t1[3],
                             Point t2[3]);
