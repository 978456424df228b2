// The Windows side of the console's seam.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/platform.h"

namespace {

class StandardInput : public ByteSource {
 public:
  StandardInput() { _setmode(_fileno(stdin), _O_BINARY); }
  std::size_t read(char* buffer, std::size_t size) override {
    const int got = _read(_fileno(stdin), buffer, unsigned(std::min<std::size_t>(size, 1 << 20)));
    return got > 0 ? std::size_t(got) : 0;
  }
  // A pipe tells what waits in it; a file or anything else always answers at once.
  bool readyNow() override {
    const HANDLE in = HANDLE(_get_osfhandle(_fileno(stdin)));
    if (GetFileType(in) != FILE_TYPE_PIPE) return true;
    DWORD waiting = 0;
    return !PeekNamedPipe(in, nullptr, 0, nullptr, &waiting, nullptr) || waiting > 0;
  }
};

}  // namespace

bool standardInputIsTerminal() {
  return _isatty(_fileno(stdin)) != 0;
}

ByteSource& standardInputBytes() {
  static StandardInput input;
  return input;
}

void keepRunningWhenReaderGoes() {}  // a write to a closed pipe fails; nothing is signalled

// Windows' pipes cannot be asked how much they take: the write waits until it is taken.
Written writeStandardOutputNow(const char* data, std::size_t size) {
  std::size_t done = 0;
  while (done < size) {
    const int wrote = _write(_fileno(stdout), data + done, unsigned(size - done));
    if (wrote <= 0) return {done, true};
    done += std::size_t(wrote);
  }
  return {done, false};
}

bool waitForStandardOutput(int) {
  return true;
}

std::string lastErrorInWords() {
  switch (errno) {
    case ENOSPC:
      return "nema mesta";
    case EAGAIN:
      return "niko ne cita izlaz";
    case EPIPE:
    case EINVAL:
      return "citalac je zatvorio cev";
    case EACCES:
      return "nema dozvole";
    case ENOENT:
      return "ne postoji";
    default:
      return std::strerror(errno);
  }
}
