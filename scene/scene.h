// The scene: what the window shows, filled before the window opens, with the bounding box of
// everything added. It lives for the whole process.
#pragma once

#include <vector>

#include "geometry/geometry.h"
#include "solver/solution.h"

// The window's size in pixels when it opens; the bounding box starts from the same numbers.
constexpr int kWindowWidth = 1024;
constexpr int kWindowHeight = 700;

// Lower corner of the bounding box; it starts at the window size, (1024, 700).
extern Point gMinCorner;
// Upper corner of the bounding box; it starts at the origin.
extern Point gMaxCorner;
extern std::vector<Point> gPoints;
extern std::vector<Segment> gSegments;
extern std::vector<Line> gLines;
extern std::vector<Circle> gCircles;

// A task as the window shows it: the triangles as entered, and what the solver found for them
// (the solver's plain record; the scene never calls the solver).
struct Task : Solution {
  Point t1[3], t2[3];
};

// Whether an item drawn in colour c belongs to the solution: the candidates and the overlap's
// outline are red, the triangles black.
inline bool ofSolution(Color c) {
  return c == RED;
}

// Adds p drawn in colour c and grows the box to hold it.
void addPoint(Point p, Color c);

// Adds s drawn in colour c (its end colours are kept) and grows the box to hold both ends.
void addSegment(Segment s, Color c);

// Adds the closed red outline of the ring poly[0..m): m sides, the last back to poly[0].
void addPolygonOutline(const Point poly[], int m);

// The box of the points and segment ends added, without the start corners; false when
// nothing is added.
bool drawnBox(Point* lo, Point* hi);

// Empties the scene and sets the box back to its start; for tests, which share one process.
void resetScene();
