// Answers typed at a terminal, a line each. On Linux they are edited in place (the arrows, the
// usual editing keys; a tab is a blank) and remembered: the up arrow brings back earlier answers,
// of this run and of earlier ones. A Windows console edits the line itself and keeps no history.
#pragma once

#include <memory>
#include <string>

class HistoryFile;

class TerminalLines {
 public:
  // Earlier answers come from historyFile, where it is the program's own; an empty name keeps no
  // history beyond this run.
  explicit TerminalLines(const std::string& historyFile);
  ~TerminalLines();
  TerminalLines(const TerminalLines&) = delete;
  TerminalLines& operator=(const TerminalLines&) = delete;

  // Shows prompt and reads the answer into *line; false at the end of input.
  bool next(const char* prompt, std::string* line);

 private:
  std::unique_ptr<HistoryFile> history_;
};

// The history file in the user's home, ~/.presek_history; empty where there is no home.
std::string historyFileInHome();
