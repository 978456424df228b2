// Plane records shared by every part of the program: coloured points and segments, and the
// lines and circles that the scene can also hold. All are small values, copied when passed.
#pragma once

#include <cstdint>

// Largest coordinate magnitude a task may have: past it the products of the geometry overflow.
constexpr double kMaxCoordinate = 1e18;

// A drawing colour code; the viewer's palette turns 0..9 into RGB.
enum Color : std::int32_t {
  RED = 0,
  GREEN = 1,
  BLUE = 2,
  YELLOW = 3,
  ORANGE = 4,
  MAGENTA = 5,
  CYAN = 6,
  PURPLE = 7,
  WHITE = 8,
  BLACK = 9,
};

// A point of the plane, or a difference vector between two points (then always BLACK).
struct Point {
  float x = 0.0f;
  float y = 0.0f;
  Color color = BLACK;
};

// The closed segment from a to b, drawn in its own colour.
struct Segment {
  Point a;
  Point b;
  Color color = BLACK;
};

// The line through point with the given direction.
struct Line {
  Point point;
  Point direction;
  Color color = BLACK;
};

// The circle around center with the given radius.
struct Circle {
  Point center;
  float radius = 0.0f;
  Color color = BLACK;
};

// A BLACK point at (x, y).
inline Point makePoint(float x, float y) {
  Point p;
  p.x = x;
  p.y = y;
  return p;
}

// A BLACK segment from (a.x, a.y) to (b.x, b.y): only the coordinates of the ends are taken.
inline Segment makeSegment(Point a, Point b) {
  Segment s;
  s.a.x = a.x;
  s.a.y = a.y;
  s.b.x = b.x;
  s.b.y = b.y;
  return s;
}

// True when p and q are the same place (colours aside).
inline bool samePlace(Point p, Point q) {
  return p.x == q.x && p.y == q.y;
}
