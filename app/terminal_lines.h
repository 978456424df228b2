// Answers typed at a terminal, a line each, edited in place (the arrows, the usual editing keys)
// and remembered: the up arrow brings back earlier answers, of this run and of earlier ones.
#pragma once

#include <string>

class TerminalLines {
 public:
  // Earlier answers come from historyFile; where it is missing, unreadable or damaged there
  // are none. An empty name keeps no history beyond this run.
  explicit TerminalLines(std::string historyFile);
  // Saves the answers to the history file, where it can be written.
  ~TerminalLines();
  TerminalLines(const TerminalLines&) = delete;
  TerminalLines& operator=(const TerminalLines&) = delete;

  // Shows prompt and reads the answer into *line; false at the end of input.
  bool next(const char* prompt, std::string* line);

 private:
  std::string historyFile_;
};

// The history file in the user's home, ~/.presek_history; empty where there is no home.
std::string historyFileInHome();
