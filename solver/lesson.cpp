#include "solver/lesson.h"

#include <algorithm>
#include <cstdio>

#include "geometry/predicates.h"
#include "geometry/segment_intersection.h"

static_assert(int(Tried::kSides) == int(Found::kSidesCross) &&
                  int(Tried::kStretchEnd) == int(Found::kStretchEnd) &&
                  int(Tried::kT1Vertex) == int(Found::kT1VertexIn) &&
                  int(Tried::kT2Vertex) == int(Found::kT2VertexIn) &&
                  int(Tried::kT1PointOnSide) == int(Found::kT1PointOnSide) &&
                  int(Tried::kT2PointOnSide) == int(Found::kT2PointOnSide) &&
                  int(Tried::kVerticesTouch) == int(Found::kVerticesTouch),
              "a counted step names how its candidate is found");

namespace {

int next(int i) {
  return i == 2 ? 0 : i + 1;
}

// Side i of triangle t: from vertex i to the next vertex.
Segment side(const Point t[3], int i) {
  return makeSegment(t[i], t[next(i)]);
}

bool holds(const Point list[], int count, Point p) {
  return std::any_of(list, list + count, [p](Point q) { return samePlace(p, q); });
}

// A triangle with no area: its vertices on one line.
bool flat(const Point t[3]) {
  return turnSign(t[0], t[1], t[2]) == 0;
}

// A triangle shrunk to one point.
bool shrunk(const Point t[3]) {
  return samePlace(t[0], t[1]) && samePlace(t[0], t[2]);
}

// Strictly inside t, taken counter-clockwise, by exact turns.
bool inside(const Point t[3], Point p) {
  const int turn = turnSign(t[0], t[1], t[2]);
  bool strictly = turn != 0;
  for (int i = 0; i < 3; ++i) strictly &= turnSign(t[i], t[next(i)], p) == turn;
  return strictly;
}

// Where p, not strictly inside t, lies: on a side of t (*onSide, the first such), outside it,
// or nowhere inside, t having no area.
Verdict placement(const Point t[3], Point p, int* onSide) {
  const int turn = turnSign(t[0], t[1], t[2]);
  if (turn == 0) return Verdict::kNoArea;
  bool beyond = false;
  *onSide = -1;
  for (int i = 2; i >= 0; --i) {
    const int sign = turnSign(t[i], t[next(i)], p);
    if (sign == 0) *onSide = i;
    beyond |= sign == -turn;
  }
  if (beyond || *onSide < 0) return Verdict::kOutside;
  return Verdict::kOnSide;
}

// The lesson as it is written: each new place appended once, with how it was found, and each
// step with the counts so far. The vertices of T2 inside T1 wait apart and follow those of T1.
class Writer {
 public:
  Writer(const Point* t1, const Point* t2, Lesson* lesson)
      : t1_(t1), t2_(t2), lesson_(lesson), flat1_(flat(t1)), flat2_(flat(t2)) {}

  void crossings();
  void touchingPoints();
  void vertices();
  void ring();
  int count() const { return count_; }

 private:
  // Appends p, found as `origin`, to list[0..*count) unless its place is there already or the
  // list is full; whether it did.
  static bool addOnce(Point list[], Origin origins[], int* count, int capacity, Point p,
                      Origin origin) {
    if (holds(list, *count, p) || *count == capacity) return false;
    origins[*count] = origin;
    list[(*count)++] = makePoint(p.x, p.y);
    return true;
  }
  bool add(Point p, Origin origin) {
    return addOnce(lesson_->solution.candidates, lesson_->solution.origins, &count_, kMaxCandidates,
                   p, origin);
  }
  void step(Tried tried, Verdict verdict, int ofT1, int ofT2, Point at) {
    if (lesson_->count == kMaxLessonSteps) return;
    lesson_->steps[lesson_->count++] = {
        tried, verdict, std::uint8_t(ofT1), std::uint8_t(ofT2), makePoint(at.x, at.y), n_, p_, q_};
  }
  // A point found by the step: counted where its place is new.
  void found(Tried tried, int ofT1, int ofT2, Point at) {
    const bool counted = add(at, originOf(Found(tried), ofT1, ofT2));
    if (counted) n_ = count_;
    step(tried, counted ? Verdict::kCounted : Verdict::kFoundAlready, ofT1, ofT2, at);
  }
  void pair(int i, int j);
  void crossing(int i, int j, Point hit);
  void pointOnSides(bool point1);
  void vertexOfT1(int k);
  void vertexOfT2(int k);
  void sharedStretch(Segment s1, Segment s2, int i, int j);

  const Point* t1_;
  const Point* t2_;
  Lesson* lesson_;
  bool flat1_, flat2_;
  int count_ = 0;
  int n_ = 0, p_ = 0, q_ = 0;
  // A flat triangle is crossed once by a side, and two flat triangles cross once.
  bool crossed1_[3] = {}, crossed2_[3] = {};
  int crossingsMet_ = 0;
  // The vertices of T2 inside T1, until those of T1 are all in.
  Point ofT2_[3];
  Origin ofT2Origins_[3];
  int inT1_ = 0;
};

// Sides i and j cross at `hit`: counted, unless the place is found already or a flat triangle
// is crossed once more.
void Writer::crossing(int i, int j, Point hit) {
  Verdict once = Verdict::kCounted;
  if (flat1_ && flat2_ && crossingsMet_ > 0) {
    once = Verdict::kBothFlatOnce;
  } else if (flat2_ && crossed1_[i]) {
    once = Verdict::kT2FlatOnce;
  } else if (flat1_ && crossed2_[j]) {
    once = Verdict::kT1FlatOnce;
  }
  if (once != Verdict::kCounted) return step(Tried::kSides, once, i, j, hit);
  crossed1_[i] = crossed2_[j] = true;
  ++crossingsMet_;
  found(Tried::kSides, i, j, hit);
}

// Side i of T1 against side j of T2.
void Writer::pair(int i, int j) {
  const Segment s1 = side(t1_, i), s2 = side(t2_, j);
  Point hit;
  const int met = intersectSegments(s1, s2, &hit);
  if (met == 1) return crossing(i, j, hit);
  // A side with no length never crosses at one point, nor ends a shared stretch.
  if (samePlace(s1.a, s1.b)) return step(Tried::kSides, Verdict::kT1SideIsPoint, i, j, s1.a);
  if (samePlace(s2.a, s2.b)) return step(Tried::kSides, Verdict::kT2SideIsPoint, i, j, s2.a);
  const bool oneLine = turnSign(s1.a, s1.b, s2.a) == 0 && turnSign(s1.a, s1.b, s2.b) == 0;
  if (met == 2) {
    // Along a flat triangle the ends of the shared stretch count.
    if (!(flat1_ || flat2_) || !oneLine) return step(Tried::kSides, Verdict::kOneLine, i, j, s1.a);
    step(Tried::kSides, Verdict::kSharedStretch, i, j, s1.a);
    return sharedStretch(s1, s2, i, j);
  }
  if (oneLine) return step(Tried::kSides, Verdict::kOneLineApart, i, j, s1.a);
  const FirstSegment f = asFirst(s1);
  const SecondSegment g = asSecond(s2);
  const bool parallel = nearlyParallel(directionCross(f, g), f, g);
  step(Tried::kSides, parallel ? Verdict::kParallel : Verdict::kApart, i, j, s1.a);
}

// The ends of the stretch sides i and j share, each place once.
void Writer::sharedStretch(Segment s1, Segment s2, int i, int j) {
  Point ends[4];
  const int shared = collinearOverlapEnds(s1, s2, ends);
  for (int k = 0; k < shared; ++k) {
    if (!holds(ends, k, ends[k])) found(Tried::kStretchEnd, i, j, ends[k]);
  }
}

// The nine pairs of sides, side i of T1 then side j of T2.
void Writer::crossings() {
  for (int k = 0; k < 9; ++k) pair(k / 3, k % 3);
}

// A triangle shrunk to one point meets the other where it lies on one of its sides; two flat
// triangles that nothing else joins touch where they share a vertex.
void Writer::touchingPoints() {
  const bool point1 = shrunk(t1_), point2 = shrunk(t2_);
  if (point1 != point2) pointOnSides(point1);
  for (int k = 0; k < 9 && flat1_ && flat2_ && !point1 && !point2 && count_ == 0; ++k) {
    if (samePlace(t1_[k / 3], t2_[k % 3])) found(Tried::kVerticesTouch, k / 3, k % 3, t1_[k / 3]);
  }
}

// The one triangle shrunk to a point (T1's where point1) against the other's three sides.
void Writer::pointOnSides(bool point1) {
  const Point* point = point1 ? t1_ : t2_;
  const Point* other = point1 ? t2_ : t1_;
  const Tried tried = point1 ? Tried::kT1PointOnSide : Tried::kT2PointOnSide;
  for (int j = 0; j < 3; ++j) {
    const int ofT1 = point1 ? 0 : j, ofT2 = point1 ? j : 0;
    if (turnSign(other[j], other[next(j)], point[0]) == 0 &&
        withinSegment(point[0], side(other, j))) {
      found(tried, ofT1, ofT2, point[0]);
    } else {
      step(tried, Verdict::kOutside, ofT1, ofT2, point[0]);
    }
  }
}

// Vertex k of T1 against T2: counted where strictly inside and its place is new.
void Writer::vertexOfT1(int k) {
  if (inside(t2_, t1_[k])) {
    const bool counted =
        !holds(ofT2_, inT1_, t1_[k]) && add(t1_[k], originOf(Found::kT1VertexIn, k, 0));
    p_ = count_ - n_;
    return step(Tried::kT1Vertex, counted ? Verdict::kCounted : Verdict::kFoundAlready, k, 0,
                t1_[k]);
  }
  int onSide = 0;
  const Verdict verdict = placement(t2_, t1_[k], &onSide);
  step(Tried::kT1Vertex, verdict, k, std::max(onSide, 0), t1_[k]);
}

// Vertex k of T2 against T1: counted where strictly inside and its place is new; it waits
// apart until the vertices of T1 are in.
void Writer::vertexOfT2(int k) {
  if (inside(t1_, t2_[k])) {
    const bool counted =
        !holds(lesson_->solution.candidates, count_, t2_[k]) &&
        addOnce(ofT2_, ofT2Origins_, &inT1_, 3, t2_[k], originOf(Found::kT2VertexIn, 0, k));
    q_ = inT1_;
    return step(Tried::kT2Vertex, counted ? Verdict::kCounted : Verdict::kFoundAlready, 0, k,
                t2_[k]);
  }
  int onSide = 0;
  const Verdict verdict = placement(t1_, t2_[k], &onSide);
  step(Tried::kT2Vertex, verdict, std::max(onSide, 0), k, t2_[k]);
}

// Below six crossings, the vertices of each triangle against the other, in the order T1.1,
// T2.1, T1.2, ...; those of T2 inside T1 follow those of T1.
void Writer::vertices() {
  Solution& c = lesson_->solution;
  c.n = n_ = count_;
  if (c.n >= 6) return step(Tried::kVerticesSkipped, Verdict::kShown, 0, 0, Point());
  for (int k = 0; k < 3; ++k) {
    vertexOfT1(k);
    vertexOfT2(k);
  }
  c.p = count_ - c.n;
  for (int k = 0; k < inT1_; ++k) add(ofT2_[k], ofT2Origins_[k]);
  c.q = count_ - c.n - c.p;
}

// Whether pts[0..count) lie on one line; *other is the first place apart from pts[0] (count
// where all are one place).
bool onOneLine(const Point pts[], int count, int* other) {
  *other = 1;
  while (*other < count && samePlace(pts[*other], pts[0])) ++*other;
  bool line = true;
  for (int k = 0; k < count && *other < count; ++k) {
    line &= turnSign(pts[0], pts[*other], pts[k]) == 0;
  }
  return line;
}

// Points on one line: the outermost two, by x, then y, the lower index first (the first two
// where all are one place).
int segmentRing(const Point pts[], int count, int other, Point out[]) {
  auto before = [](Point a, Point b) { return a.x < b.x || (a.x == b.x && a.y < b.y); };
  int first = 0, last = 0;
  for (int k = 0; k < count; ++k) {
    if (before(pts[k], pts[first])) first = k;
    if (before(pts[last], pts[k])) last = k;
  }
  if (other == count) first = 0, last = 1;
  out[0] = out[2] = pts[std::min(first, last)];
  out[1] = pts[std::max(first, last)];
  return 2;
}

// Every ordered pair with no point strictly on its right is a side: written to sides, counted.
int boundingSides(const Point pts[], int count, int sides[][2]) {
  int accepted = 0;
  for (int i = 0; i < count * count; ++i) {
    const int a = i / count, b = i % count;
    bool bounds = a != b;
    for (int k = 0; k < count && bounds; ++k) {
      bounds = k == a || k == b || turnSign(pts[a], pts[b], pts[k]) >= 0;
    }
    if (bounds) sides[accepted][0] = a, sides[accepted++][1] = b;
  }
  return accepted;
}

// The sides chained from the first one's start back to it, in at most count steps.
int chainedRing(const Point pts[], int count, const int sides[][2], int accepted, Point out[]) {
  const int start = sides[0][0];
  int current = sides[0][1], written = 2;
  out[0] = pts[start];
  out[1] = pts[current];
  while (current != start) {
    int k = 1;
    while (k < accepted && sides[k][0] != current) ++k;
    if (written == count + 1 || k == accepted) {
      out[written == count + 1 ? count : written] = out[0];
      return written == count + 1 ? count : written;
    }
    current = sides[k][1];
    out[written++] = pts[current];
  }
  return written - 1;
}

// The ring of pts[0..count) into out, closed by a copy of its first point, and its number of
// vertices.
int ringOf(const Point pts[], Point out[], int count) {
  if (count < 2 || count > kMaxCandidates) return 0;
  int other = 0;
  if (onOneLine(pts, count, &other)) return segmentRing(pts, count, other, out);
  int sides[kMaxCandidates * kMaxCandidates][2];
  const int accepted = boundingSides(pts, count, sides);
  return accepted == 0 ? 0 : chainedRing(pts, count, sides, accepted, out);
}

// The polygon's sides in ring order, or the one step that says what the overlap is: its ring
// (two or more candidates), its one point, or nothing.
void Writer::ring() {
  Solution& s = lesson_->solution;
  const int total = candidateTotal(s);
  if (total == 0) return step(Tried::kNothing, Verdict::kShown, 0, 0, Point());
  if (total == 1) {
    s.overlap[0] = s.overlap[1] = s.candidates[0];
    s.m = 1;
    return step(Tried::kOnePoint, Verdict::kShown, 0, 0, s.candidates[0]);
  }
  s.m = ringOf(s.candidates, s.overlap, total);
  if (s.m == 2) return step(Tried::kRingSegment, Verdict::kShown, 0, 1, s.overlap[0]);
  for (int k = 0; k < s.m; ++k) {
    step(Tried::kRingSide, Verdict::kShown, k, (k + 1) % s.m, s.overlap[k]);
  }
}

}  // namespace

Lesson lessonOf(const Point t1[3], const Point t2[3]) {
  Lesson lesson;
  Writer writer(t1, t2, &lesson);
  writer.crossings();
  writer.touchingPoints();
  writer.vertices();
  writer.ring();
  return lesson;
}
