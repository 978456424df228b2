// The task in words for the window: a name beside every vertex, and one line with the result.
#pragma once

#include <cstddef>

#include "scene/scene.h"

// A name at a place of the plane: the vertex names T1.1 .. T2.3 of the prompts and the polygon's
// T[0], T[1], ... as the console prints them; one label for all the names of one place.
struct Label {
  char text[128];
  Point at;
  double awayX, awayY;  // the direction away from the figures the place belongs to
  bool ofPolygon;       // it names a vertex of the overlap polygon
  int id;               // its first name: 0..5 for T1.1..T2.3, 6 + k for T[k]
};
constexpr int kMaxLabels = 6 + kMaxCandidates;

// The labels of the task, in the order triangle T1, T2, then the polygon's new places. The
// label of vertex `grabbed` (0..5, T1 then T2; -1 for none) adds its coordinates as the console
// prints them: "T2.1 ( 3.000 , 1.000 )". Without polygonNames, the triangles' names alone.
int taskLabels(const Task& task, Label out[kMaxLabels], int grabbed = -1, bool polygonNames = true);

// The counts and the overlap in words, with its size: "n = 2, p = 0, q = 1. Presek je poligon
// sa 3 temena, povrsine 2.000.",
// with a hint to see the whole task where the first view does not show it well.
void resultLine(const Task& task, bool hint, char* out, std::size_t size);

// How candidate k was found, in words, with the names the window uses (a side by its two
// vertices, in the triangle's order; a candidate that is no vertex of the printed polygon by
// its coordinates): "T[0] = presek stranica T1.2-T1.3 i T2.1-T2.2".
void originLine(const Task& task, int k, char* out, std::size_t size);

// Where a label goes on the screen, in pixels (y up): its point and the direction away from its
// figures in, the box of its text out.
struct LabelBox {
  double x, y;          // the point
  double awayX, awayY;  // as in Label
  double width, height;
  double left, bottom;  // the text's box, placed
  int side = -1;        // in: the side to keep where it is still clear (0..7), or -1; out: taken
};

// Places boxes[placed..count) beside their points, gap pixels off, within a window of the given
// size: on the side it is to keep where that lies in the window and covers no box placed before
// (boxes[0..placed) are placed already); else away from its figures where that does; otherwise
// in the first of the other seven directions around the point that does, or, where none does,
// one or two text heights farther out; failing that on the first side in the window, and a point
// in the window never has its name outside it. The
// sides are numbered counter-clockwise from the right, half a right angle apart.
void placeLabels(LabelBox boxes[], int placed, int count, double gap, double width, double height);
