#include "solver/lesson.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "testing/reference_solver.h"

namespace {

std::string words(const Lesson& lesson, int k) {
  char line[kStepWordsSize];
  stepWords(lesson, k, line, sizeof line);
  return line;
}

// The typical task: the nine pairs, the six vertices, the ring.
TEST(Lesson, TypicalTaskStepByStep) {
  const Point t[6] = {{0, 0}, {4, 0}, {0, 4}, {1, 1}, {5, 1}, {1, 5}};
  const char* expected[] = {
      "Stranice T1.1-T1.2 i T2.1-T2.2 su paralelne i ne seku se.",
      "Stranice T1.1-T1.2 i T2.2-T2.3 se ne seku.",
      "Stranice T1.1-T1.2 i T2.3-T2.1 se ne seku.",
      "Stranice T1.2-T1.3 i T2.1-T2.2 se seku u ( 3.000 , 1.000 ); n = 1.",
      "Stranice T1.2-T1.3 i T2.2-T2.3 su paralelne i ne seku se.",
      "Stranice T1.2-T1.3 i T2.3-T2.1 se seku u ( 1.000 , 3.000 ); n = 2.",
      "Stranice T1.3-T1.1 i T2.1-T2.2 se ne seku.",
      "Stranice T1.3-T1.1 i T2.2-T2.3 se ne seku.",
      "Stranice T1.3-T1.1 i T2.3-T2.1 su paralelne i ne seku se.",
      "Teme T1.1 je van trougla T2.",
      "Teme T2.1 ( 1.000 , 1.000 ) je unutar trougla T1; q = 1.",
      "Teme T1.2 je van trougla T2.",
      "Teme T2.2 je van trougla T1.",
      "Teme T1.3 je van trougla T2.",
      "Teme T2.3 je van trougla T1.",
      "Stranica poligona T[0]-T[1], od ( 3.000 , 1.000 ) do ( 1.000 , 3.000 ): nijedna tacka "
      "nije desno od nje.",
      "Stranica poligona T[1]-T[2], od ( 1.000 , 3.000 ) do ( 1.000 , 1.000 ): nijedna tacka "
      "nije desno od nje.",
      "Stranica poligona T[2]-T[0], od ( 1.000 , 1.000 ) do ( 3.000 , 1.000 ): nijedna tacka "
      "nije desno od nje.",
  };
  const Lesson lesson = lessonOf(t, t + 3);
  ASSERT_EQ(lesson.count, 18);
  for (int k = 0; k < lesson.count; ++k) EXPECT_EQ(words(lesson, k), expected[k]) << k + 1;
}

// Tasks with flat triangles, points and one place walk through the same steps to the result,
// the solver's; the counts never fall.
TEST(Lesson, DegenerateTasksWalkToTheResult) {
  const struct {
    const char* what;
    Point t[6];
    int steps;
    std::vector<std::pair<int, const char*>> said;  // step numbers from 1, and their words
  } cases[] = {
      {"a flat T2 along a side of T1",
       {{4, 8}, {4, 5}, {0, 8}, {4, 1}, {4, 3}, {4, 7}},
       20,
       {{1,
         "Stranice T1.1-T1.2 i T2.1-T2.2 leze na istoj pravoj, ali nemaju zajednicki deo "
         "(najvise se dodiruju krajem)."},
        {4, "Kraj zajednickog dela stranica T1.1-T1.2 i T2.2-T2.3 je ( 4.000 , 7.000 ); n = 2."},
        {6,
         "Kraj zajednickog dela stranica T1.1-T1.2 i T2.3-T2.1 je ( 4.000 , 5.000 ), ali ta "
         "tacka je vec nadjena; ne broji se ponovo."},
        {10,
         "Stranice T1.2-T1.3 i T2.3-T2.1 se seku u ( 4.000 , 5.000 ), ali trougao T2 je "
         "sveden na duz, a nju stranica T1.2-T1.3 sece samo jednom; ne broji se."},
        {14, "Teme T1.1 nije unutar trougla T2: trougao T2 nema povrsinu."},
        {19, "Teme T2.3 lezi na stranici T1.1-T1.2, a ne unutar trougla T1."},
        {20,
         "Sve tacke leze na jednoj pravoj: presek je duz T[0]-T[1], od ( 4.000 , 5.000 ) do "
         "( 4.000 , 7.000 )."}}},
      {"a flat T1 across T2",
       {{0, 0}, {4, 0}, {2, 0}, {1, -1}, {1, 3}, {3, 1}},
       16,
       {{7,
         "Stranice T1.3-T1.1 i T2.1-T2.2 se seku u ( 1.000 , 0.000 ), ali trougao T1 je "
         "sveden na duz, a nju stranica T2.1-T2.2 sece samo jednom; ne broji se."},
        {14, "Teme T1.3 lezi na stranici T2.3-T2.1, a ne unutar trougla T2."}}},
      {"T1 shrunk to a point on a side of T2",
       {{2, 2}, {2, 2}, {2, 2}, {0, 0}, {4, 0}, {0, 4}},
       19,
       {{9,
         "Stranica T1.3-T1.1 je samo tacka ( 2.000 , 2.000 ) (njena temena se poklapaju), pa "
         "ne daje presek sa stranicom T2.3-T2.1."},
        {10,
         "Trougao T1 je sveden na tacku ( 2.000 , 2.000 ), koja ne lezi na stranici "
         "T2.1-T2.2."},
        {11,
         "Trougao T1 je sveden na tacku ( 2.000 , 2.000 ), koja lezi na stranici T2.2-T2.3; "
         "n = 1."},
        {19, "Nadjena je samo jedna tacka: presek je tacka ( 2.000 , 2.000 )."}}},
      {"two flat triangles touching at a vertex",
       {{0, 0}, {1, 0}, {2, 0}, {4, 0}, {2, 0}, {3, 0}},
       17,
       {{10,
         "Oba trougla su svedena na duzi, koje se dodiruju u zajednickom temenu T1.3 = T2.2 "
         "( 2.000 , 0.000 ); n = 1."}}},
      {"six vertices at one place",
       {},
       16,
       {{16, "Nije nadjena nijedna tacka: trouglovi se ne seku."}}},
      {"a six-pointed star",
       {{0, 0}, {6, 0}, {3, 6}, {0, 4}, {3, -2}, {6, 4}},
       16,
       {{10, "Nadjeno je 6 preseka stranica, pa se temena ne proveravaju."}}},
  };
  for (const auto& c : cases) {
    const Lesson lesson = lessonOf(c.t, c.t + 3);
    ASSERT_EQ(lesson.count, c.steps) << c.what;
    EXPECT_TRUE(solvedAsStraightforward(c.t, c.t + 3)) << c.what;
    for (const auto& [number, said] : c.said) EXPECT_EQ(words(lesson, number - 1), said) << c.what;
    for (int k = 1; k < lesson.count; ++k) {
      const LessonStep &before = lesson.steps[k - 1], &step = lesson.steps[k];
      EXPECT_TRUE(step.n >= before.n && step.p >= before.p && step.q >= before.q) << c.what;
    }
  }
}

}  // namespace
