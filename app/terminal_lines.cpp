#include "app/terminal_lines.h"

#include <editline/readline.h>

#include <cstdlib>

#include "app/history_file.h"

namespace {

constexpr int kRemembered = 500;  // answers kept in the history file

}  // namespace

TerminalLines::TerminalLines(const std::string& historyFile) {
  using_history();
  stifle_history(kRemembered);
  rl_bind_key('\t', rl_insert);  // a tab is a blank, not a file name to complete
  if (historyFile.empty()) return;
  history_ = std::make_unique<HistoryFile>(historyFile);
  for (const std::string& answer : history_->load(kRemembered)) add_history(answer.c_str());
}

TerminalLines::~TerminalLines() = default;

bool TerminalLines::next(const char* prompt, std::string* line) {
  char* typed = readline(prompt);
  if (typed == nullptr) return false;
  *line = typed;
  std::free(typed);
  if (line->find_first_not_of(" \t") == std::string::npos) return true;
  add_history(line->c_str());
  if (history_) history_->add(*line);
  return true;
}

std::string historyFileInHome() {
  const char* home = std::getenv("HOME");
  return home != nullptr && *home != '\0' ? std::string(home) + "/.presek_history" : "";
}
