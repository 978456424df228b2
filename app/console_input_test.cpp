#include "app/console_input.h"

#include <gtest/gtest.h>

#include <string>

#include "testing/console_texts.h"

namespace {

// The warning for vertex v (0..5), and the same from vertex v to the last one.
std::string warning(int v, const std::string& why, const char* used = "( 0 , 0 )") {
  return "Upozorenje: koordinate " + std::to_string(v % 3 + 1) + ". temena (T" +
         std::to_string(v / 3 + 1) + ") nisu ispravno ucitane (" + why + "); koristi se " + used +
         "\n";
}
std::string fromOn(int v, const std::string& why) {
  return v == 6 ? "" : warning(v, why) + fromOn(v + 1, why);
}

const std::string kComma =
    "\"1,5\" - ako je zarez decimalni, pisite tacku (1.5); ako razdvaja x i y, stavite razmak "
    "posle njega (1, 5) ili zagrade ((1,5))";

// Piped input: "%f %f" after each prompt; what cannot be used keeps the previous value and is
// explained, and the read fails. A word that is not a number stops every later read.
TEST(ReadTriangles, PromptsReadsAndExplains) {
  const struct {
    std::string input;
    float coordinates[12];  // T1 then T2, x and y of each vertex
    std::string warnings;
  } cases[] = {
      {"0 0 4 0 0 4 1 1 5 1 1 5", {0, 0, 4, 0, 0, 4, 1, 1, 5, 1, 1, 5}, ""},
      {"1e18 -1e18\n4 0\n0 4\n1 1\n5 1\n1 5\n", {1e18f, -1e18f, 4, 0, 0, 4, 1, 1, 5, 1, 1, 5}, ""},
      {"1 a\n2 2\n",
       {1},
       warning(0, "y: \"a\" nije broj", "( 1 , 0 )") + fromOn(1, "x i y: \"a\" nije broj")},
      {"4 0\n1,5 2\n",
       {4, 0, 1},
       warning(1, "y: " + kComma, "( 1 , 0 )") + fromOn(2, "x i y: " + kComma)},
      // The forms a terminal takes; a comma that is no decimal one is not called one.
      {"(0,0)\n4, 0\n(0, 4)\t(1,1) 5 1\n1 5\n", {0, 0, 4, 0, 0, 4, 1, 1, 5, 1, 1, 5}, ""},
      {"0 0 4 0 0 4 1 1 5 1 1 5\n7 7\n",
       {0, 0, 4, 0, 0, 4, 1, 1, 5, 1, 1, 5},
       "Upozorenje: ulaz se nastavlja posle sestog temena (\"7\"); taj deo se ne koristi.\n"},
      {"0 a,b", {}, warning(0, "y: \"a,b\" nije broj") + fromOn(1, "x i y: \"a,b\" nije broj")},
      // A value that is not finite or too large is skipped; the other coordinate is kept.
      {"nan 2\n3 -inf\n0 4\n1e39 1\n5 1\n1 -1e19\n",
       {0, 2, 3, 0, 0, 4, 0, 1, 5, 1, 1, 0},
       warning(0, "x = nan nije konacan broj", "( 0 , 2 )") +
           warning(1, "y = -inf nije konacan broj", "( 3 , 0 )") +
           warning(3, "x = inf nije konacan broj", "( 0 , 1 )") +
           warning(5, "y = -1e+19 je vece od 1e18 po velicini", "( 1 , 0 )")},
      {"0 0 4 0 0 4 1 1 5 1 7",
       {0, 0, 4, 0, 0, 4, 1, 1, 5, 1, 7},
       warning(5, "y: ulaz je zavrsen", "( 7 , 0 )")},
      {"", {}, fromOn(0, "x i y: ulaz je zavrsen")},
      // A NUL is named as what it is, inside the task and after it; a pair's parentheses may span
      // lines either side of its comma.
      {std::string("0 0 4 0 0 4 1 1 5 1 \0 5", 23),
       {0, 0, 4, 0, 0, 4, 1, 1, 5, 1},
       fromOn(5, "x i y: \"\\0\" nije broj")},
      {std::string("(0\n,0) 4 0 0 4 1 1 5 1 1 5\n\0\0", 29),
       {0, 0, 4, 0, 0, 4, 1, 1, 5, 1, 1, 5},
       "Upozorenje: ulaz se nastavlja posle sestog temena (\"\\0\\0\"); taj deo se ne koristi.\n"},
      // A lone sign is taken by the read and stops nothing; the word after it is not named.
      {"1 -\n4 0\n",
       {1, 0, 4},
       warning(0, "y: nepotpun broj", "( 1 , 0 )") + fromOn(2, "x i y: ulaz je zavrsen")},
  };
  for (const auto& c : cases) {
    std::FILE* in = streamOf(c.input);
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    Point t[6];
    EXPECT_EQ(readTriangles(in, out, err, t, t + 3), c.warnings.find("nisu") == std::string::npos)
        << c.input;
    std::fclose(in);
    EXPECT_EQ(closeAndRead(out), kPrompts) << c.input;
    EXPECT_EQ(closeAndRead(err), c.warnings) << c.input;
    for (int v = 0; v < 6; ++v) {
      EXPECT_EQ(std::tie(t[v].x, t[v].y), std::tie(c.coordinates[2 * v], c.coordinates[2 * v + 1]))
          << c.input << " vertex " << v;
    }
  }
}

// Piped input is read in blocks, and input that keeps coming after the sixth vertex is looked at
// only as far as it has come: a task followed by endless blanks gets its results.
TEST(ReadTriangles, ReadsInBlocksAndNeverWaitsPastTheTask) {
  class Endless : public ByteSource {
   public:
    std::size_t read(char* buffer, std::size_t size) override {
      ++reads;
      if (given >= (std::size_t(64) << 20)) return 0;  // an end, so that a fault fails, not hangs
      for (std::size_t k = 0; k < size; ++k, ++given) {
        buffer[k] = given < task.size() ? task[given] : '\n';
      }
      return size;
    }
    bool readyNow() override { return true; }
    std::string task = std::string(1 << 20, ' ') + "0 0 4 0 0 4 1 1 5 1 1 5";
    std::size_t given = 0;
    int reads = 0;
  } in;
  std::FILE* out = std::tmpfile();
  std::FILE* err = std::tmpfile();
  Point t[6];
  EXPECT_TRUE(readTriangles(in, out, err, t, t + 3));
  EXPECT_EQ(closeAndRead(err), "");
  EXPECT_EQ(std::tie(t[5].x, t[5].y), std::make_tuple(1.0f, 5.0f));
  EXPECT_LT(in.reads, 25);  // 16 blocks of 64 KiB hold the blanks before the task
  std::fclose(out);
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
      {"  0 0 4 0\t0 4 1 1 5 1 1 5 \n", 6, AnswerKind::kVertices, 6, ""},
      {"(1,5) (2, 3) 4, 0\n", 6, AnswerKind::kVertices, 3, ""},
      {"0 0 4 0\n", 1, AnswerKind::kTooMany, 0, ""},
      {"0 0 0\n", 6, AnswerKind::kNotPairs, 0, ""},
      {"\n", 6, AnswerKind::kNotPairs, 0, ""},
      {"1,5 1\n", 6, AnswerKind::kDecimalComma, 0, "1,5"},
      {"(1,5,2)\n", 6, AnswerKind::kDecimalComma, 0, "5,2"},
      {"1 2e\n", 6, AnswerKind::kNotANumber, 0, "2e"},
      {"1 inf\n", 6, AnswerKind::kNotUsable, 0, "inf"},
      {"1e19 1\n", 6, AnswerKind::kNotUsable, 0, "1e19"},
  };
  for (const auto& c : cases) {
    const Answer a = parseAnswer(c.line, c.room);
    EXPECT_EQ(std::tie(a.kind, a.vertices), std::tie(c.kind, c.vertices)) << c.line;
    EXPECT_STREQ(a.word, c.word) << c.line;
  }
  // The same point, typed four ways, and far along a long line.
  const std::string far = std::string(508, ' ') + "1.5 -2";
  for (const char* line : {"1.5 -2", "1.5, -2", "(1.5, -2)", "(1.5,-2)", far.c_str()}) {
    const Answer a = parseAnswer(line, 6);
    EXPECT_EQ(std::make_tuple(a.vertices, a.points[0].x, a.points[0].y),
              std::make_tuple(1, 1.5f, -2.0f))
        << line;
  }
}

}  // namespace
