#include "viewer/keys.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

namespace {

// Each key does one thing, and the list in words names every row.
TEST(KeyTable, EachKeyInOneRow) {
  for (const KeyRow& row : kKeyRows) {
    for (int code : row.codes) {
      EXPECT_TRUE(code == 0 || keyRowOf(code) == &row) << row.names;
    }
    EXPECT_NE(keysInWords(", ").find(std::string(row.names) + " - " + row.words),
              std::string::npos);
  }
  EXPECT_EQ(keyRowOf('x'), nullptr);
  EXPECT_EQ(keyRowOf(0), nullptr);
}

// The README's table of keys is this table: the same rows in the same order.
TEST(KeyTable, TheReadmeListsItsRows) {
  std::ifstream readme(PRESEK_SOURCE_DIR "/README.md");
  std::vector<std::string> rows;
  bool inTable = false;
  for (std::string line; std::getline(readme, line);) {
    if (line.rfind("| key or button |", 0) == 0) inTable = true;
    if (inTable && line.rfind("|", 0) != 0) break;
    if (!inTable) continue;
    if (line.rfind("|---", 0) != 0 && line.rfind("| key or button |", 0) != 0) {
      rows.push_back(line.substr(0, line.find(" |", line.find(" | ") + 3)));
    }
  }
  std::vector<std::string> expected;
  for (const KeyRow& row : kKeyRows) {
    expected.push_back(std::string("| `") + row.names + "` | " + row.words);
  }
  EXPECT_EQ(rows, expected);
}

}  // namespace
