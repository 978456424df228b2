// The answers typed at a terminal, kept between runs in a file of the program's own
// (~/.presek_history), in the form libedit writes: a header line, then one answer a line with
// blanks and backslashes written as octal escapes ("0\0400" for "0 0").
#pragma once

#include <string>
#include <vector>

// The answers a history file's text holds, oldest first: only lines that decode to printable text
// of at most kLongestAnswer characters; others are skipped. *ours is false where the text lacks
// the header, and then nothing is taken.
std::vector<std::string> historyAnswers(const std::string& text, bool* ours);

// The history file's line for an answer, its line end included; empty where the answer is too
// long or holds what is not printable, and is not kept.
std::string historyLine(const std::string& answer);

constexpr std::size_t kLongestAnswer = 200;

// The history file of one run: read once, checked line by line, and added to as each answer is
// given, so that two runs at once, Ctrl-C or a signal lose nothing already typed. A file that is
// not the program's, not a regular file or not readable is left as it is; the run then keeps no
// history, and says why once on standard error.
class HistoryFile {
 public:
  explicit HistoryFile(std::string name) : name_(std::move(name)) {}
  // The answers kept, oldest first (at most the last `kept`); the file is shortened to them
  // where it has grown well past that.
  std::vector<std::string> load(int kept);
  // Adds an answer to the file, where it keeps one.
  void add(const std::string& answer);

 private:
  // The file replaced by its header and these answers, through a file beside it and a rename.
  void shorten(const std::vector<std::string>& answers);
  void giveUp(const std::string& why);
  std::string name_;
  bool usable_ = false;
  bool exists_ = false;
};
