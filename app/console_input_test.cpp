#include "app/console_input.h"

#include <gtest/gtest.h>

#include <string>

#include "testing/console_texts.h"

namespace {

std::string warning(int vertex, int triangle, const char* used) {
  return "Upozorenje: koordinate " + std::to_string(vertex) + ". temena (T" +
         std::to_string(triangle) + ") nisu ispravno ucitane; koristi se " + used + "\n";
}

// Piped input: "%f %f" after each prompt; what cannot be used keeps the previous value.
TEST(ReadTriangles, PromptsReadsAndWarns) {
  const struct {
    const char* what;
    std::string input;
    float coordinates[12];  // T1 then T2, x and y of each vertex
    std::string warnings;
  } cases[] = {
      {"all on one line", "0 0 4 0 0 4 1 1 5 1 1 5", {0, 0, 4, 0, 0, 4, 1, 1, 5, 1, 1, 5}, ""},
      {"text after the first number",
       "1 a\n2 2\n",
       {1},
       warning(1, 1, "( 1 , 0 )") + warning(2, 1, "( 0 , 0 )") + warning(3, 1, "( 0 , 0 )") +
           warning(1, 2, "( 0 , 0 )") + warning(2, 2, "( 0 , 0 )") + warning(3, 2, "( 0 , 0 )")},
      {"nan and infinities are not taken",
       "nan 2\n3 -inf\n0 4\n1e39 1\n5 1\n1 -1e19\n",
       {0, 2, 3, 0, 0, 4, 0, 1, 5, 1, 1, 0},
       warning(1, 1, "( 0 , 2 )") + warning(2, 1, "( 3 , 0 )") + warning(1, 2, "( 0 , 1 )") +
           warning(3, 2, "( 1 , 0 )")},
      {"1e18 itself is taken",
       "1e18 -1e18\n4 0\n0 4\n1 1\n5 1\n1 5\n",
       {1e18f, -1e18f, 4, 0, 0, 4, 1, 1, 5, 1, 1, 5},
       ""},
  };
  for (const auto& c : cases) {
    std::FILE* in = streamOf(c.input);
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    Point t[6];
    readTriangles(in, out, err, t, t + 3);
    std::fclose(in);
    EXPECT_EQ(closeAndRead(out), kPrompts) << c.what;
    EXPECT_EQ(closeAndRead(err), c.warnings) << c.what;
    for (int v = 0; v < 6; ++v) {
      EXPECT_EQ(std::tie(t[v].x, t[v].y), std::tie(c.coordinates[2 * v], c.coordinates[2 * v + 1]))
          << c.what << " vertex " << v;
    }
  }
}

// At a terminal each line is an answer: pairs of numbers, or refused for a reason.
TEST(ParseAnswer, PairsOrWhyNot) {
  const struct {
    const char* line;
    int room;
    AnswerKind kind;
    int vertices;
    const char* word;
  } cases[] = {
      {"1.5 -2\n", 6, AnswerKind::kVertices, 1, ""},
      {"  0 0 4 0\t0 4 1 1 5 1 1 5 \n", 6, AnswerKind::kVertices, 6, ""},
      {"0 0 4 0\n", 1, AnswerKind::kTooMany, 0, ""},
      {"4\n", 6, AnswerKind::kNotPairs, 0, ""},
      {"0 0 0\n", 6, AnswerKind::kNotPairs, 0, ""},
      {"\n", 6, AnswerKind::kNotPairs, 0, ""},
      {"1,5 1\n", 6, AnswerKind::kDecimalComma, 0, "1,5"},
      {"x 1\n", 6, AnswerKind::kNotANumber, 0, "x"},
      {"1 2e\n", 6, AnswerKind::kNotANumber, 0, "2e"},
      {"1 inf\n", 6, AnswerKind::kNotUsable, 0, "inf"},
      {"1e19 1\n", 6, AnswerKind::kNotUsable, 0, "1e19"},
  };
  for (const auto& c : cases) {
    const Answer a = parseAnswer(c.line, c.room);
    EXPECT_EQ(std::tie(a.kind, a.vertices), std::tie(c.kind, c.vertices)) << c.line;
    EXPECT_STREQ(a.word, c.word) << c.line;
  }
  const Answer two = parseAnswer("1.5 -2 3 4e-1", 6);
  EXPECT_EQ(std::tie(two.points[0].x, two.points[0].y, two.points[1].x, two.points[1].y),
            std::make_tuple(1.5f, -2.0f, 3.0f, 0.4f));
}

// At a terminal: pairs fill the vertices in turn, with their prompts; refused lines are
// explained and asked again; the end of input before six vertices is reported.
TEST(ReadTrianglesAtTerminal, PairsRefusalsAndTheEnd) {
  const std::string again = "Uneti koordinate 1. temena (T1): ";
  const struct {
    const char* input;
    bool complete;
    std::string prompts;
    int refusals;
  } cases[] = {
      {"0 0 4 0 0 4\n1 1\n5 1 1 5\n", true, kPrompts, 0},
      {"1,5 1\n1 2 3 4 5 6 7 8 9 10 11 12 13 14\n0 0 4 0 0 4 1 1 5 1 1 5\n", true,
       again + again + kPrompts, 2},
      {"0 0\n", false, std::string(kPrompts).substr(0, 2 * again.size()), 0},
  };
  for (const auto& c : cases) {
    std::FILE* in = streamOf(c.input);
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    Point t[6];
    EXPECT_EQ(readTrianglesAtTerminal(in, out, err, t, t + 3), c.complete) << c.input;
    std::fclose(in);
    EXPECT_EQ(closeAndRead(out), c.prompts) << c.input;
    const std::string errors = closeAndRead(err);
    int refusals = 0;
    for (size_t at = 0; (at = errors.find("Neispravan unos", at)) != std::string::npos; ++at) {
      ++refusals;
    }
    EXPECT_EQ(refusals, c.refusals) << c.input;
    EXPECT_EQ(errors.find("Unos je prekinut") != std::string::npos, !c.complete) << c.input;
    EXPECT_EQ(std::tie(t[0].x, t[1].x, t[5].y),
              c.complete ? std::make_tuple(0.0f, 4.0f, 5.0f) : std::make_tuple(0.0f, 0.0f, 0.0f));
  }
}

}  // namespace
