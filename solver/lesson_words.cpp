// The lesson's steps in words, as a teacher would say them.
#include <cstdio>

#include "solver/lesson.h"

namespace {

// "T1.2-T1.3": side i of triangle `which`.
struct SideName {
  char text[16];
  SideName(int which, int i) {
    std::snprintf(text, sizeof text, "T%d.%d-T%d.%d", which, i + 1, which, (i + 1) % 3 + 1);
  }
};

// "( 3.000 , 1.000 )".
struct PlaceName {
  char text[128];
  explicit PlaceName(Point p) {
    std::snprintf(text, sizeof text, "( %.3f , %.3f )", double(p.x), double(p.y));
  }
};

// What two sides that cross are told where the crossing is not counted, after "Stranice ... se
// seku u ( x , y )".
void crossingVerdict(const LessonStep& step, char* out, std::size_t size) {
  switch (step.verdict) {
    case Verdict::kFoundAlready:
      std::snprintf(out, size, ", tacki koja je vec nadjena; ne broji se ponovo.");
      return;
    case Verdict::kT1FlatOnce:
      std::snprintf(out, size,
                    ", ali trougao T1 je sveden na duz, a nju stranica %s sece samo jednom; ne "
                    "broji se.",
                    SideName(2, step.ofT2).text);
      return;
    case Verdict::kT2FlatOnce:
      std::snprintf(out, size,
                    ", ali trougao T2 je sveden na duz, a nju stranica %s sece samo jednom; ne "
                    "broji se.",
                    SideName(1, step.ofT1).text);
      return;
    default:
      std::snprintf(
          out, size,
          ", ali oba trougla su svedena na duzi, a one se seku samo jednom; ne broji se.");
      return;
  }
}

void sidesWords(const LessonStep& step, char* out, std::size_t size) {
  const SideName a(1, step.ofT1), b(2, step.ofT2);
  const PlaceName at(step.at);
  const char* both = "Stranice %s i %s %s";
  switch (step.verdict) {
    case Verdict::kCounted:
      std::snprintf(out, size, "Stranice %s i %s se seku u %s; n = %d.", a.text, b.text, at.text,
                    step.n);
      return;
    case Verdict::kSharedStretch:
      std::snprintf(out, size, both, a.text, b.text,
                    "leze na istoj pravoj i imaju zajednicki deo; trougao bez povrsine je deo "
                    "preseka, pa se krajevi tog dela broje.");
      return;
    case Verdict::kOneLine:
      std::snprintf(out, size, both, a.text, b.text,
                    "leze na istoj pravoj i imaju zajednicki deo; njegovi krajevi se nalaze kao "
                    "preseci drugih stranica ili temena.");
      return;
    case Verdict::kT1SideIsPoint:
    case Verdict::kT2SideIsPoint:
      std::snprintf(out, size,
                    "Stranica %s je samo tacka %s (njena temena se poklapaju), pa ne daje presek "
                    "sa stranicom %s.",
                    (step.verdict == Verdict::kT1SideIsPoint ? a : b).text, at.text,
                    (step.verdict == Verdict::kT1SideIsPoint ? b : a).text);
      return;
    case Verdict::kOneLineApart:
      std::snprintf(
          out, size, both, a.text, b.text,
          "leze na istoj pravoj, ali nemaju zajednicki deo (najvise se dodiruju krajem).");
      return;
    case Verdict::kParallel:
      std::snprintf(out, size, both, a.text, b.text, "su paralelne i ne seku se.");
      return;
    case Verdict::kApart:
      std::snprintf(out, size, both, a.text, b.text, "se ne seku.");
      return;
    default:
      char tail[160];
      crossingVerdict(step, tail, sizeof tail);
      std::snprintf(out, size, "Stranice %s i %s se seku u %s%s", a.text, b.text, at.text, tail);
      return;
  }
}

// "; n = 2." where the step's point is counted, "; ne broji se ponovo." where it is there.
void countWords(const LessonStep& step, char count, int value, char* out, std::size_t size) {
  if (step.verdict == Verdict::kCounted) {
    std::snprintf(out, size, "; %c = %d.", count, value);
  } else {
    std::snprintf(out, size, ", ali ta tacka je vec nadjena; ne broji se ponovo.");
  }
}

// Vertex k of triangle `which` against the other triangle.
void vertexWords(const LessonStep& step, int which, char* out, std::size_t size) {
  const int k = which == 1 ? step.ofT1 : step.ofT2, other = 3 - which;
  const int onSide = which == 1 ? step.ofT2 : step.ofT1;
  const PlaceName at(step.at);
  char tail[96];
  switch (step.verdict) {
    case Verdict::kOutside:
      std::snprintf(out, size, "Teme T%d.%d je van trougla T%d.", which, k + 1, other);
      return;
    case Verdict::kOnSide:
      std::snprintf(out, size, "Teme T%d.%d lezi na stranici %s, a ne unutar trougla T%d.", which,
                    k + 1, SideName(other, onSide).text, other);
      return;
    case Verdict::kNoArea:
      std::snprintf(out, size, "Teme T%d.%d nije unutar trougla T%d: trougao T%d nema povrsinu.",
                    which, k + 1, other, other);
      return;
    default:
      countWords(step, which == 1 ? 'p' : 'q', which == 1 ? step.p : step.q, tail, sizeof tail);
      std::snprintf(out, size, "Teme T%d.%d %s je unutar trougla T%d%s", which, k + 1, at.text,
                    other, tail);
      return;
  }
}

// A triangle shrunk to a point against a side of the other.
void pointWords(const LessonStep& step, char* out, std::size_t size) {
  const bool ofT1 = step.tried == Tried::kT1PointOnSide;
  const SideName other(ofT1 ? 2 : 1, ofT1 ? step.ofT2 : step.ofT1);
  const PlaceName at(step.at);
  char tail[96];
  countWords(step, 'n', step.n, tail, sizeof tail);
  std::snprintf(out, size, "Trougao T%d je sveden na tacku %s, koja %s stranici %s%s", ofT1 ? 1 : 2,
                at.text, step.verdict == Verdict::kOutside ? "ne lezi na" : "lezi na", other.text,
                step.verdict == Verdict::kOutside ? "." : tail);
}

void ringWords(const LessonStep& step, Point to, char* out, std::size_t size) {
  switch (step.tried) {
    case Tried::kRingSide:
      std::snprintf(out, size,
                    "Stranica poligona T[%d]-T[%d], od %s do %s: nijedna tacka nije desno od nje.",
                    step.ofT1, step.ofT2, PlaceName(step.at).text, PlaceName(to).text);
      return;
    case Tried::kRingSegment:
      std::snprintf(out, size,
                    "Sve tacke leze na jednoj pravoj: presek je duz T[0]-T[1], od %s do %s.",
                    PlaceName(step.at).text, PlaceName(to).text);
      return;
    case Tried::kOnePoint:
      std::snprintf(out, size, "Nadjena je samo jedna tacka: presek je tacka %s.",
                    PlaceName(step.at).text);
      return;
    default:
      std::snprintf(out, size, "Nije nadjena nijedna tacka: trouglovi se ne seku.");
      return;
  }
}

}  // namespace

void stepWords(const Lesson& lesson, int k, char* out, std::size_t size) {
  const LessonStep& step = lesson.steps[k];
  const PlaceName at(step.at);
  char tail[96];
  switch (step.tried) {
    case Tried::kSides:
      return sidesWords(step, out, size);
    case Tried::kStretchEnd:
      countWords(step, 'n', step.n, tail, sizeof tail);
      std::snprintf(out, size, "Kraj zajednickog dela stranica %s i %s je %s%s",
                    SideName(1, step.ofT1).text, SideName(2, step.ofT2).text, at.text, tail);
      return;
    case Tried::kT1Vertex:
      return vertexWords(step, 1, out, size);
    case Tried::kT2Vertex:
      return vertexWords(step, 2, out, size);
    case Tried::kT1PointOnSide:
    case Tried::kT2PointOnSide:
      return pointWords(step, out, size);
    case Tried::kVerticesTouch:
      countWords(step, 'n', step.n, tail, sizeof tail);
      std::snprintf(out, size,
                    "Oba trougla su svedena na duzi, koje se dodiruju u zajednickom temenu T1.%d "
                    "= T2.%d %s%s",
                    step.ofT1 + 1, step.ofT2 + 1, at.text, tail);
      return;
    case Tried::kVerticesSkipped:
      std::snprintf(out, size, "Nadjeno je %d preseka stranica, pa se temena ne proveravaju.",
                    step.n);
      return;
    default:
      return ringWords(step, lesson.solution.overlap[step.ofT2], out, size);
  }
}
