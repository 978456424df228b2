// A Windows console edits the line itself (and Ctrl-Z ends its input); no history is kept.
#include <cstdio>

#include "app/terminal_lines.h"

class HistoryFile {};

TerminalLines::TerminalLines(const std::string&) {}

TerminalLines::~TerminalLines() = default;

bool TerminalLines::next(const char* prompt, std::string* line) {
  std::fputs(prompt, stdout);
  std::fflush(stdout);
  line->clear();
  char part[256];
  while (std::fgets(part, sizeof part, stdin) != nullptr) {
    *line += part;
    if (line->back() == '\n') return true;
  }
  return !line->empty();
}

std::string historyFileInHome() {
  return "";
}
