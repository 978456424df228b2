// The scene: what the window shows, filled before the window opens, with the bounding box of
// everything added. It lives for the whole process.
#pragma once

#include <vector>

#include "geometry/geometry.h"
#include "geometry/origin.h"

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

// What the window says of the task: the triangles as entered, the candidates (n crossings, p
// vertices of T1 inside T2, q of T2 inside T1) and how each was found, and the overlap's m
// vertices: none, its one point, or its ring as printed.
struct Task {
  Point t1[3], t2[3];
  int n = 0, p = 0, q = 0;
  Point candidates[16];
  Origin origins[16];
  Point overlap[16];
  int m = 0;
};
extern Task gTask;

// Records the triangles, the counts of the candidates, and the candidates with their origins.
void describeTask(const Point t1[3], const Point t2[3], int n, int p, int q,
                  const Point candidates[], const Origin origins[]);

// Records the overlap's vertices, in boundary order where there are more than one.
void describeOverlap(const Point vertices[], int m);

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
