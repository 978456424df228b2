// The POSIX side of the console's seam.
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <cstring>

#include "app/platform.h"

namespace {

class StandardInput : public ByteSource {
 public:
  std::size_t read(char* buffer, std::size_t size) override {
    for (;;) {
      const ssize_t got = ::read(STDIN_FILENO, buffer, size);
      if (got >= 0) return std::size_t(got);
      if (errno != EINTR) return 0;  // an input that cannot be read has ended
    }
  }
  bool readyNow() override {
    pollfd watched = {STDIN_FILENO, POLLIN, 0};
    return poll(&watched, 1, 0) != 0;
  }
};

}  // namespace

bool standardInputIsTerminal() {
  return isatty(STDIN_FILENO) != 0;
}

ByteSource& standardInputBytes() {
  static StandardInput input;
  return input;
}

void keepRunningWhenReaderGoes() {
  std::signal(SIGPIPE, SIG_IGN);
}

Written writeStandardOutputNow(const char* data, std::size_t size) {
  Written written = {0, false};
  while (written.bytes < size) {
    pollfd watched = {STDOUT_FILENO, POLLOUT, 0};
    if (poll(&watched, 1, 0) <= 0) break;
    if (watched.revents & (POLLERR | POLLNVAL)) {
      written.failed = true;
      errno = EPIPE;
      break;
    }
    // A pipe that polls writable takes PIPE_BUF bytes without waiting.
    const std::size_t chunk = std::min<std::size_t>(size - written.bytes, PIPE_BUF);
    const ssize_t wrote = ::write(STDOUT_FILENO, data + written.bytes, chunk);
    if (wrote < 0 && errno == EINTR) continue;
    if (wrote <= 0) {
      written.failed = true;
      break;
    }
    written.bytes += std::size_t(wrote);
  }
  return written;
}

bool waitForStandardOutput(int milliseconds) {
  pollfd watched = {STDOUT_FILENO, POLLOUT, 0};
  return poll(&watched, 1, milliseconds) > 0;
}

std::string lastErrorInWords() {
  switch (errno) {
    case ENOSPC:
      return "nema mesta";
    case EAGAIN:
      return "niko ne cita izlaz";
    case EPIPE:
      return "citalac je zatvorio cev";
    case EACCES:
    case EPERM:
      return "nema dozvole";
    case ENOENT:
      return "ne postoji";
    default:
      return std::strerror(errno);
  }
}
