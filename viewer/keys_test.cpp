#include "viewer/keys.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

namespace {

// The README's table of keys is this table: the same rows in the same order, and no other.
TEST(KeyTable, TheReadmeListsItsRows) {
  std::ifstream readme(PRESEK_SOURCE_DIR "/README.md");
  const std::string text((std::istreambuf_iterator<char>(readme)), {});
  std::size_t at = text.find("|---", text.find("| key or button |"));
  for (const KeyRow& row : kKeyRows) {  // each row on the line after the one before
    at = text.find('\n', at) + 1;
    const std::string line = std::string("| `") + row.names + "` | " + row.words + " |";
    EXPECT_EQ(text.compare(at, line.size(), line), 0) << line;
  }
  EXPECT_EQ(text.compare(text.find('\n', at), 2, "\n\n"), 0) << "the table ends";
}

}  // namespace
