#include "app/terminal_lines.h"

#include <editline/readline.h>

#include <cstdlib>

namespace {

constexpr int kRemembered = 500;  // answers kept in the history file

}  // namespace

TerminalLines::TerminalLines(std::string historyFile) : historyFile_(std::move(historyFile)) {
  using_history();
  stifle_history(kRemembered);
  // A file that is missing or has no history's header loads nothing.
  if (!historyFile_.empty()) read_history(historyFile_.c_str());
}

TerminalLines::~TerminalLines() {
  if (!historyFile_.empty()) write_history(historyFile_.c_str());
}

bool TerminalLines::next(const char* prompt, std::string* line) {
  char* typed = readline(prompt);
  if (typed == nullptr) return false;
  *line = typed;
  if (line->find_first_not_of(" \t") != std::string::npos) add_history(typed);
  std::free(typed);
  return true;
}

std::string historyFileInHome() {
  const char* home = std::getenv("HOME");
  return home != nullptr && *home != '\0' ? std::string(home) + "/.presek_history" : "";
}
