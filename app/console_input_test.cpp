#include "app/console_input.h"

#include <gtest/gtest.h>

#include <string>

#include "tools/console_texts.h"
#include "tools/memory_stream.h"

namespace {

struct InputCase {
  const char* what;
  std::string input;
  float coordinates[12];  // T1 then T2, x and y of each vertex
  std::string warnings;
};

std::string warning(int vertex, int triangle, const char* used) {
  return "Upozorenje: koordinate " + std::to_string(vertex) + ". temena (T" +
         std::to_string(triangle) + ") nisu ispravno ucitane; koristi se " + used + "\n";
}

std::string allWarnings(const char* firstUsed) {
  std::string text = warning(1, 1, firstUsed);
  for (int i = 2; i <= 3; ++i) text += warning(i, 1, "( 0 , 0 )");
  for (int i = 1; i <= 3; ++i) text += warning(i, 2, "( 0 , 0 )");
  return text;
}

TEST(ReadTriangles, PromptsReadsAndWarns) {
  const InputCase cases[] = {
      {"one answer a line",
       "0 0\n4 0\n0 4\n1 1\n5 1\n1 5\n",
       {0, 0, 4, 0, 0, 4, 1, 1, 5, 1, 1, 5},
       ""},
      {"all on one line", "0 0 4 0 0 4 1 1 5 1 1 5", {0, 0, 4, 0, 0, 4, 1, 1, 5, 1, 1, 5}, ""},
      {"decimals and signs",
       "-1.5 2.25\n1e3 -0\n3 4\n5 6\n7 8\n9 10\n",
       {-1.5f, 2.25f, 1000, 0, 3, 4, 5, 6, 7, 8, 9, 10},
       ""},
      {"end of input at the first prompt", "", {}, allWarnings("( 0 , 0 )")},
      {"text after the first number", "1 a\n2 2\n", {1}, allWarnings("( 1 , 0 )")},
      {"nan is not taken",
       "nan 2\n4 0\n0 4\n1 1\n5 1\n1 5\n",
       {0, 2, 4, 0, 0, 4, 1, 1, 5, 1, 1, 5},
       warning(1, 1, "( 0 , 2 )")},
      {"infinity is not taken",
       "1 2\n3 -inf\n0 4\n1 1\n5 1\n1 5\n",
       {1, 2, 3, 0, 0, 4, 1, 1, 5, 1, 1, 5},
       warning(2, 1, "( 3 , 0 )")},
      {"overflowing single precision",
       "0 0\n4 0\n0 4\n1e39 1\n5 1\n1 5\n",
       {0, 0, 4, 0, 0, 4, 0, 1, 5, 1, 1, 5},
       warning(1, 2, "( 0 , 1 )")},
      {"beyond 1e18",
       "0 0\n4 0\n0 4\n1 1\n5 1\n1 -1e19\n",
       {0, 0, 4, 0, 0, 4, 1, 1, 5, 1, 1, 0},
       warning(3, 2, "( 1 , 0 )")},
      {"1e18 itself is taken",
       "1e18 -1e18\n4 0\n0 4\n1 1\n5 1\n1 5\n",
       {1e18f, -1e18f, 4, 0, 0, 4, 1, 1, 5, 1, 1, 5},
       ""},
      {"input ends after five vertices",
       "0 0\n4 0\n0 4\n1 1\n5 1\n",
       {0, 0, 4, 0, 0, 4, 1, 1, 5, 1},
       warning(3, 2, "( 0 , 0 )")},
  };
  for (const InputCase& c : cases) {
    InputText in(c.input);
    OutputCapture out;
    OutputCapture err;
    Point t1[3];
    Point t2[3];
    readTriangles(in.stream(), out.stream(), err.stream(), t1, t2);
    EXPECT_EQ(out.text(), kPrompts) << c.what;
    EXPECT_EQ(err.text(), c.warnings) << c.what;
    const Point* vertices[6] = {&t1[0], &t1[1], &t1[2], &t2[0], &t2[1], &t2[2]};
    for (int v = 0; v < 6; ++v) {
      EXPECT_EQ(vertices[v]->x, c.coordinates[2 * v]) << c.what << " vertex " << v;
      EXPECT_EQ(vertices[v]->y, c.coordinates[2 * v + 1]) << c.what << " vertex " << v;
      EXPECT_EQ(vertices[v]->color, BLACK);
    }
  }
}

}  // namespace
