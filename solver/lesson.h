// The rules, one step at a time: the nine pairs of sides, the touching points of triangles
// with no area, the vertices against the other triangle, and the sides of the ring, each with
// its verdict and the counts so far. What the steps find is the
// solver's, bit for bit (the tests hold the two together); the steps cost more and say more.
#pragma once

#include <cstddef>
#include <cstdint>

#include "geometry/geometry.h"
#include "solver/origin.h"
#include "solver/solution.h"

// What a step looks at. The first seven are the ways a candidate is found (Found), with the
// same side and vertex numbers.
enum class Tried : std::uint8_t {
  kSides,            // side i of T1 and side j of T2
  kStretchEnd,       // an end of the stretch that sides i and j share on one line
  kT1Vertex,         // vertex i of T1 against T2
  kT2Vertex,         // vertex j of T2 against T1
  kT1PointOnSide,    // T1, shrunk to a point, against side j of T2
  kT2PointOnSide,    // T2, shrunk to a point, against side i of T1
  kVerticesTouch,    // two flat triangles meeting where vertex i of T1 is vertex j of T2
  kVerticesSkipped,  // six crossings or more: no vertex is tested
  kRingSide,         // the side from T[i] to T[j] of the polygon
  kRingSegment,      // the candidates lie on one line: the overlap is the segment T[0]-T[1]
  kOnePoint,         // one candidate: the overlap is that point
  kNothing,          // no candidate: the triangles do not meet
};

// What the step finds.
enum class Verdict : std::uint8_t {
  kCounted,        // a new point, counted
  kFoundAlready,   // a point at a place already found: not counted again
  kT1FlatOnce,     // the sides cross, but flat T1 is crossed by side j once only
  kT2FlatOnce,     // the sides cross, but flat T2 is crossed by side i once only
  kBothFlatOnce,   // the sides cross, but two flat triangles cross once only
  kSharedStretch,  // the sides share a stretch on one line; its ends follow as steps
  kOneLine,        // the sides overlap on one line; their ends are found otherwise
  kT1SideIsPoint,  // side i of T1 has no length: it meets side j in no point of its own
  kT2SideIsPoint,  // side j of T2 has no length: it meets side i in no point of its own
  kOneLineApart,   // the sides lie on one line with no stretch in common
  kParallel,       // the sides are parallel and apart
  kApart,          // the sides do not meet
  kOnSide,         // the vertex (point) lies on the other triangle's side, not strictly inside
  kOutside,        // the vertex (point) lies outside
  kNoArea,         // the other triangle has no area, so nothing is strictly inside it
  kShown,          // a step of the result
};

struct LessonStep {
  Tried tried;
  Verdict verdict;
  std::uint8_t ofT1;  // side or vertex of T1 (of the ring: the side's first vertex)
  std::uint8_t ofT2;  // side or vertex of T2 (of the ring: the side's last vertex); a vertex
                      // on a side (kOnSide) names that side in place of the other triangle's
                      // vertex number
  Point at;           // the point found or tested, where there is one
  int n, p, q;        // the counts once the step is taken
};

// Nine pairs, each with at most two ends of a shared stretch; a point against three sides, or
// one touching vertex; the skip or the six vertices; the ring's sides or its one step.
constexpr int kMaxLessonSteps = 9 * 3 + 3 + 6 + kMaxCandidates;

struct Lesson {
  LessonStep steps[kMaxLessonSteps];
  int count = 0;
  Solution solution;  // what the steps find
};

// The steps of the rules for t1 and t2, with what they find.
Lesson lessonOf(const Point t1[3], const Point t2[3]);

// How the step's candidate is found, for a counted step of the first seven kinds.
inline Origin originOfStep(const LessonStep& step) {
  return originOf(Found(step.tried), step.ofT1, step.ofT2);
}

// Room for the words of any step, at any coordinates.
constexpr std::size_t kStepWordsSize = 512;

// The words of the lesson's step k, as the console prints them (without its number), cut to
// size: "Stranice T1.1-T1.2 i T2.1-T2.2 se seku u ( 3.000 , 1.000 ); n = 1."
void stepWords(const Lesson& lesson, int k, char* out, std::size_t size);
