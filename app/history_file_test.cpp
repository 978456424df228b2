#include "app/history_file.h"

#include <gtest/gtest.h>

namespace {

// Only the program's own file is read, line by line: what does not decode to a printable answer
// of a bounded length is skipped, and libedit is never handed it.
TEST(HistoryAnswers, OnlyCheckedLinesOfTheProgramsOwnFile) {
  const std::string header = "_HiStOrY_V2_\n";
  const struct {
    std::string text;
    bool ours;
    std::vector<std::string> answers;
  } cases[] = {
      {header + "0\\0400\n(1,5)\n1\\0115\na\\\\b\n", true, {"0 0", "(1,5)", "1\t5", "a\\b"}},
      {header + "\\\326\n\\04\n\\0a0\n" + std::string(201, '7') + "\n\x01\n4\\0400\n2",
       true,
       {"4 0"}},
      {"0 0\n1 1\n", false, {}},
  };
  for (const auto& c : cases) {
    bool ours = !c.ours;
    EXPECT_EQ(historyAnswers(c.text, &ours), c.answers);
    EXPECT_EQ(ours, c.ours);
  }
  for (const std::string answer : {"(1.5, -2)", "a\\b\t1"}) {
    bool ours = false;
    EXPECT_EQ(historyAnswers(header + historyLine(answer), &ours), std::vector{answer});
  }
  EXPECT_EQ(historyLine(std::string(201, '1')) + historyLine("1\x7f"), "");
}

}  // namespace
