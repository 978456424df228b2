#include "scene/scene.h"

#include <algorithm>

Point gMinCorner = makePoint(kWindowWidth, kWindowHeight);
Point gMaxCorner = makePoint(0.0f, 0.0f);
std::vector<Point> gPoints;
std::vector<Segment> gSegments;
std::vector<Line> gLines;
std::vector<Circle> gCircles;

namespace {

// Grows the box so that it holds (x, y); each coordinate moves a corner only when beyond it.
void growBox(float x, float y) {
  if (x < gMinCorner.x) gMinCorner.x = x;
  if (y < gMinCorner.y) gMinCorner.y = y;
  if (x > gMaxCorner.x) gMaxCorner.x = x;
  if (y > gMaxCorner.y) gMaxCorner.y = y;
}

}  // namespace

void addPoint(Point p, Color c) {
  p.color = c;
  gPoints.push_back(p);
  growBox(p.x, p.y);
}

void addSegment(Segment s, Color c) {
  s.color = c;
  gSegments.push_back(s);
  growBox(s.a.x, s.a.y);
  growBox(s.b.x, s.b.y);
}

void addPolygonOutline(const Point poly[], int m) {
  for (int i = 1; i <= m; ++i) addSegment(makeSegment(poly[i - 1], poly[i % m]), RED);
}

bool drawnBox(Point* lo, Point* hi) {
  bool any = false;
  auto grow = [&](Point p) {
    *lo = any ? makePoint(std::min(lo->x, p.x), std::min(lo->y, p.y)) : p;
    *hi = any ? makePoint(std::max(hi->x, p.x), std::max(hi->y, p.y)) : p;
    any = true;
  };
  for (const Segment& s : gSegments) {
    grow(s.a);
    grow(s.b);
  }
  for (const Point& p : gPoints) grow(p);
  return any;
}

void resetScene() {
  gMinCorner = makePoint(kWindowWidth, kWindowHeight);
  gMaxCorner = makePoint(0.0f, 0.0f);
  gPoints.clear();
  gSegments.clear();
  gLines.clear();
  gCircles.clear();
}
