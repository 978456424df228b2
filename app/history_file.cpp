#include "app/history_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "app/platform.h"

namespace {

constexpr char kHeader[] = "_HiStOrY_V2_\n";
constexpr std::size_t kReadLimit = 256 * 1024;  // the file's end is read, at most this much
constexpr std::size_t kShortenAt = 64 * 1024;   // a file past this is shortened on loading

bool printable(char c) {
  return c >= 0x20 && c < 0x7f;
}

// An escaped line decoded: "\040" and the like as octal, "\\" as a backslash; false where it
// holds another escape or what is not printable.
bool decoded(const std::string& line, std::string* out) {
  out->clear();
  for (std::size_t k = 0; k < line.size(); ++k) {
    char c = line[k];
    if (c == '\\' && k + 1 < line.size() && line[k + 1] == '\\') {
      ++k;
    } else if (c == '\\') {
      if (k + 3 >= line.size()) return false;
      int value = 0;
      for (int d = 1; d <= 3; ++d) {
        const char digit = line[k + std::size_t(d)];
        if (digit < '0' || digit > '7') return false;
        value = value * 8 + (digit - '0');
      }
      k += 3;
      c = char(value);
      if (c != ' ' && c != '\t' && !printable(c)) return false;
    } else if (!printable(c)) {
      return false;
    }
    *out += c;
  }
  return out->size() <= kLongestAnswer;
}

// All of text written to fd; false where a write fails.
bool writeAll(int fd, const std::string& text) {
  std::size_t done = 0;
  while (done < text.size()) {
    const ssize_t wrote = ::write(fd, text.data() + done, text.size() - done);
    if (wrote < 0 && errno == EINTR) continue;
    if (wrote <= 0) return false;
    done += std::size_t(wrote);
  }
  return true;
}

// The first bytes of a regular file and at most kReadLimit of its end; the reason where the name
// is no regular file or cannot be read. Opening never waits on a pipe.
bool readEnds(const std::string& name, std::string* head, std::string* tail, bool* missing,
              std::string* why) {
  const int fd = open(name.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  *missing = fd < 0 && errno == ENOENT;
  if (fd < 0) return *why = lastErrorInWords(), false;
  struct stat about;
  bool ok = fstat(fd, &about) == 0 && S_ISREG(about.st_mode);
  if (!ok) *why = "nije obicna datoteka";
  const off_t size = ok ? about.st_size : 0;
  const off_t from = size > off_t(kReadLimit) ? size - off_t(kReadLimit) : 0;
  head->resize(sizeof kHeader - 1);
  tail->resize(std::size_t(size - from));
  ok = ok && pread(fd, &(*head)[0], head->size(), 0) >= 0 &&
       pread(fd, &(*tail)[0], tail->size(), from) == ssize_t(tail->size());
  if (!ok && why->empty()) *why = lastErrorInWords();
  // A tail that starts inside a line starts with the next one.
  if (ok && from > 0) tail->erase(0, tail->find('\n') + 1);
  close(fd);
  return ok;
}

}  // namespace

std::vector<std::string> historyAnswers(const std::string& text, bool* ours) {
  std::vector<std::string> answers;
  *ours = text.compare(0, sizeof kHeader - 1, kHeader) == 0;
  if (!*ours) return answers;
  std::string answer;
  for (std::size_t at = sizeof kHeader - 1; at < text.size();) {
    const std::size_t end = text.find('\n', at);
    if (end == std::string::npos) break;  // a line cut short is no answer
    if (decoded(text.substr(at, end - at), &answer) && !answer.empty()) answers.push_back(answer);
    at = end + 1;
  }
  return answers;
}

std::string historyLine(const std::string& answer) {
  if (answer.size() > kLongestAnswer) return "";
  std::string line;
  for (char c : answer) {
    if (c == ' ') {
      line += "\\040";
    } else if (c == '\t') {
      line += "\\011";
    } else if (c == '\\') {
      line += "\\\\";
    } else if (printable(c)) {
      line += c;
    } else {
      return "";
    }
  }
  return line + "\n";
}

std::vector<std::string> HistoryFile::load(int kept) {
  std::string head, tail, why;
  bool missing = false;
  if (!readEnds(name_, &head, &tail, &missing, &why)) {
    usable_ = missing;
    if (!missing) giveUp(why);
    return {};
  }
  bool ours = false;
  historyAnswers(head, &ours);
  if (!ours) {
    giveUp("nije istorija ovog programa, ostaje kakva jeste");
    return {};
  }
  usable_ = exists_ = true;
  std::vector<std::string> answers = historyAnswers(kHeader + tail, &ours);
  if (answers.size() > std::size_t(kept)) answers.erase(answers.begin(), answers.end() - kept);
  if (head.size() + tail.size() > kShortenAt) shorten(answers);
  return answers;
}

void HistoryFile::shorten(const std::vector<std::string>& answers) {
  std::string text = kHeader;
  for (const std::string& answer : answers) text += historyLine(answer);
  const std::string beside = name_ + ".novo." + std::to_string(getpid());
  const int fd = open(beside.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  const bool written = fd >= 0 && writeAll(fd, text) && fsync(fd) == 0;
  if (fd >= 0 && (close(fd) != 0 || !written || std::rename(beside.c_str(), name_.c_str()))) {
    unlink(beside.c_str());
  }
}

void HistoryFile::add(const std::string& answer) {
  const std::string line = historyLine(answer);
  if (!usable_ || line.empty()) return;
  // A new file is made with the header; an existing one is appended to, in one write.
  int fd = exists_ ? -1 : open(name_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  const bool made = fd >= 0;
  if (!made) fd = open(name_.c_str(), O_WRONLY | O_APPEND | O_NONBLOCK | O_CLOEXEC);
  struct stat about;
  const bool ok = fd >= 0 && fstat(fd, &about) == 0 && S_ISREG(about.st_mode) &&
                  writeAll(fd, made ? kHeader + line : line);
  const std::string why = ok ? "" : lastErrorInWords();
  if (fd >= 0) close(fd);
  exists_ = true;
  if (!ok) giveUp(why);
}

void HistoryFile::giveUp(const std::string& why) {
  usable_ = false;
  std::fprintf(stderr, "Istorija unosa se ne koristi (%s: %s).\n", name_.c_str(), why.c_str());
}
