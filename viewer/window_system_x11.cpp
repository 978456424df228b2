#include <GL/glx.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <csignal>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "viewer/window_system.h"

namespace {

int ignoreXError(Display*, XErrorEvent*) {
  return 0;
}

const char* gWords = "";
void (*gLost)() = nullptr;
// Where the X server of DISPLAY listens on this machine, as its socket's path and as the
// abstract name of the same; none for a display elsewhere.
sockaddr_un gServer[2];
bool gServerKnown = false;

// Whether the X server of DISPLAY no longer answers here. Only calls that a signal handler may
// make.
bool serverGone() {
  bool gone = gServerKnown;
  for (const sockaddr_un& server : gServer) {
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    if (fd < 0) return false;
    const socklen_t size = socklen_t(offsetof(sockaddr_un, sun_path) + 1 +
                                     strlen(server.sun_path + (server.sun_path[0] == '\0')));
    gone &= connect(fd, reinterpret_cast<const sockaddr*>(&server), size) != 0;
    close(fd);
  }
  return gone;
}

// The server's socket for a local DISPLAY (":1", ":1.0", "unix:1").
void findServer() {
  const char* display = std::getenv("DISPLAY");
  const char* colon = display != nullptr ? std::strchr(display, ':') : nullptr;
  if (colon == nullptr || (colon != display && std::strncmp(display, "unix:", 5) != 0)) return;
  const int number = std::atoi(colon + 1);
  for (int k = 0; k < 2; ++k) {
    gServer[k] = {};
    gServer[k].sun_family = AF_UNIX;
    std::snprintf(gServer[k].sun_path + k, sizeof gServer[k].sun_path - 1, "/tmp/.X11-unix/X%d",
                  number);
  }
  gServerKnown = true;
}

// Xlib calls this where the connection is gone; it must not return.
int connectionBroken(Display*) {
  std::fputs(gWords, stderr);
  gLost();
  std::_Exit(1);
}

// A fault: where the server has gone, a library met the broken connection; otherwise the
// program's own fault, which then ends the process as it would have.
void faulted(int) {
  if (serverGone()) {
    [[maybe_unused]] const ssize_t wrote = write(STDERR_FILENO, gWords, strlen(gWords));
    _exit(1);
  }
  std::signal(SIGSEGV, SIG_DFL);
}

}  // namespace

bool windowGone() {
  Display* display = glXGetCurrentDisplay();
  const GLXDrawable window = glXGetCurrentDrawable();
  XErrorHandler previous = XSetErrorHandler(ignoreXError);
  XWindowAttributes attributes;
  if (XGetWindowAttributes(display, window, &attributes) == 0) {
    return true;  // errors stay ignored: GLUT's clean-up of the window that is gone fails too
  }
  XSetErrorHandler(previous);
  return false;
}

void syncWindowSystem() {
  XSync(glXGetCurrentDisplay(), False);
}

void onDisplayLost(const char* words, void (*lost)()) {
  gWords = words;
  gLost = lost;
  findServer();
  XSetIOErrorHandler(connectionBroken);
  std::signal(SIGSEGV, faulted);
}
