#include "testing/x_session.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <fcntl.h>
#include <png.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

Display* xDisplay(void* display) {
  return static_cast<Display*>(display);
}

// X errors (a window that went away, or is not shown yet) make the call at hand fail instead
// of ending the test process.
int ignoreError(Display*, XErrorEvent*) {
  return 0;
}

// The first window below window whose name is title, or 0.
Window findByTitle(Display* display, Window window, const char* title) {
  char* name = nullptr;
  if (XFetchName(display, window, &name) != 0 && name != nullptr) {
    const bool match = std::strcmp(name, title) == 0;
    XFree(name);
    if (match) return window;
  }
  Window root, parent, *children = nullptr;
  unsigned count = 0;
  Window found = 0;
  if (XQueryTree(display, window, &root, &parent, &children, &count) != 0) {
    for (unsigned i = 0; i < count && found == 0; ++i) {
      found = findByTitle(display, children[i], title);
    }
    if (children != nullptr) XFree(children);
  }
  return found;
}

void setDisplay(const std::string& display) {
  if (display.empty()) {
    unsetenv("DISPLAY");
  } else {
    setenv("DISPLAY", display.c_str(), 1);
  }
}

}  // namespace

Child spawn(const char* program, const std::string& display, bool terminal) {
  if (terminal) {
    int fd = -1;
    const pid_t pid = forkpty(&fd, nullptr, nullptr, nullptr);
    if (pid == 0) {
      setDisplay(display);
      execl(program, program, static_cast<char*>(nullptr));
      _exit(127);
    }
    return {pid, fd, fd, -1};
  }
  int in[2], out[2], err[2];
  if (pipe(in) != 0 || pipe(out) != 0 || pipe(err) != 0) return {};
  const pid_t pid = fork();
  if (pid == 0) {
    dup2(in[0], 0);
    dup2(out[1], 1);
    dup2(err[1], 2);
    for (int fd : {in[0], in[1], out[0], out[1], err[0], err[1]}) close(fd);
    setDisplay(display);
    execl(program, program, static_cast<char*>(nullptr));
    _exit(127);
  }
  close(in[0]);
  close(out[1]);
  close(err[1]);
  return {pid, in[1], out[0], err[0]};
}

std::string readUntil(int fd, const std::string& until, std::chrono::seconds limit) {
  std::string text;
  const auto deadline = Clock::now() + limit;
  while ((until.empty() || text.find(until) == std::string::npos) && Clock::now() < deadline) {
    pollfd p{fd, POLLIN, 0};
    if (poll(&p, 1, 100) <= 0) continue;
    char buffer[4096];
    const ssize_t got = read(fd, buffer, sizeof buffer);
    if (got <= 0) break;
    text.append(buffer, size_t(got));
  }
  return text;
}

int waitStatus(pid_t pid, std::chrono::seconds limit) {
  const auto deadline = Clock::now() + limit;
  while (Clock::now() < deadline) {
    int status = 0;
    if (waitpid(pid, &status, WNOHANG) == pid) return status;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return -1;
}

bool Screenshot::near(int x, int y, Rgb8 colour, int radius) const {
  for (int py = y - radius; py <= y + radius; ++py) {
    for (int px = x - radius; px <= x + radius; ++px) {
      if (px >= 0 && py >= 0 && px < width && py < height && at(px, py) == colour) return true;
    }
  }
  return false;
}

bool exitedWith(int status, int code) {
  return status != -1 && WIFEXITED(status) && WEXITSTATUS(status) == code;
}

void Screenshot::project(const double camera[3], double x, double y, int* px, int* py) const {
  const double f = 1.0 / std::tan(22.5 * M_PI / 180.0);
  const double ndcX = (x - camera[0]) * f * height / width / camera[2];
  const double ndcY = (y - camera[1]) * f / camera[2];
  *px = int(std::lround((ndcX + 1) * width / 2 - 0.5));
  *py = int(std::lround((1 - ndcY) * height / 2 - 0.5));
}

std::vector<int> Screenshot::drawnBox(Rgb8 background) const {
  std::vector<int> box = {width, height, -1, -1};
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      if (at(x, y) == background) continue;
      box = {std::min(box[0], x), std::min(box[1], y), std::max(box[2], x), std::max(box[3], y)};
    }
  }
  return box;
}

Screenshot readPng(const std::string& path) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  Screenshot shot;
  if (!png_image_begin_read_from_file(&image, path.c_str())) return shot;
  image.format = PNG_FORMAT_RGB;
  std::vector<unsigned char> rgb(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr)) return shot;
  shot.width = int(image.width);
  shot.height = int(image.height);
  for (size_t i = 0; i + 2 < rgb.size(); i += 3)
    shot.pixels.push_back({rgb[i], rgb[i + 1], rgb[i + 2]});
  return shot;
}

void Screenshot::savePpm(const std::string& path) const {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return;
  std::fprintf(file, "P6\n%d %d\n255\n", width, height);
  for (const Rgb8& c : pixels) {
    const unsigned char rgb[3] = {(unsigned char)c.r, (unsigned char)c.g, (unsigned char)c.b};
    std::fwrite(rgb, 1, 3, file);
  }
  std::fclose(file);
}

VirtualScreen::VirtualScreen() {
  // Xvfb picks a free display and writes its number to the pipe.
  int ready[2];
  if (pipe(ready) != 0) return;
  pid_ = fork();
  if (pid_ == 0) {
    ::close(ready[0]);
    const std::string fd = std::to_string(ready[1]);
    const int devNull = open("/dev/null", O_WRONLY);
    dup2(devNull, 1);
    dup2(devNull, 2);
    execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x1024x24", "-nolisten",
           "tcp", static_cast<char*>(nullptr));
    _exit(127);
  }
  ::close(ready[1]);
  const std::string number = readUntil(ready[0], "\n", std::chrono::seconds(20));
  ::close(ready[0]);
  if (!number.empty() && number.back() == '\n') name_ = ":" + number.substr(0, number.size() - 1);
  if (!name_.empty()) display_ = XOpenDisplay(name_.c_str());
  XSetErrorHandler(ignoreError);
}

VirtualScreen::~VirtualScreen() {
  if (display_ != nullptr) XCloseDisplay(xDisplay(display_));
  if (pid_ > 0) {
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
  }
}

unsigned long VirtualScreen::findWindow(const char* title, std::chrono::seconds limit) const {
  Display* display = xDisplay(display_);
  for (auto deadline = Clock::now() + limit; Clock::now() < deadline;
       std::this_thread::sleep_for(std::chrono::milliseconds(50))) {
    if (const Window w = findByTitle(display, DefaultRootWindow(display), title)) return w;
  }
  return 0;
}

bool VirtualScreen::geometry(unsigned long window, int* left, int* top, int* width,
                             int* height) const {
  Display* display = xDisplay(display_);
  XWindowAttributes attributes;
  if (XGetWindowAttributes(display, window, &attributes) == 0) return false;
  *width = attributes.width;
  *height = attributes.height;
  Window unused;
  XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, left, top, &unused);
  return true;
}

Screenshot VirtualScreen::shoot(unsigned long window) const {
  Screenshot shot;
  XWindowAttributes attributes;
  if (XGetWindowAttributes(xDisplay(display_), window, &attributes) == 0 ||
      attributes.map_state != IsViewable) {
    return shot;
  }
  XImage* image = XGetImage(xDisplay(display_), window, 0, 0, unsigned(attributes.width),
                            unsigned(attributes.height), AllPlanes, ZPixmap);
  if (image == nullptr) return shot;
  shot.width = attributes.width;
  shot.height = attributes.height;
  for (int y = 0; y < shot.height; ++y) {
    for (int x = 0; x < shot.width; ++x) {
      const unsigned long p = XGetPixel(image, x, y);
      shot.pixels.push_back({int((p >> 16) & 255), int((p >> 8) & 255), int(p & 255)});
    }
  }
  XDestroyImage(image);
  return shot;
}

void VirtualScreen::press(unsigned long window, const char* key) const {
  Display* display = xDisplay(display_);
  XSetInputFocus(display, window, RevertToParent, CurrentTime);
  const KeyCode code = XKeysymToKeycode(display, XStringToKeysym(key));
  XTestFakeKeyEvent(display, code, True, CurrentTime);
  XTestFakeKeyEvent(display, code, False, CurrentTime);
  XFlush(display);
}

void VirtualScreen::resize(unsigned long window, int width, int height) const {
  XResizeWindow(xDisplay(display_), window, unsigned(width), unsigned(height));
  XFlush(xDisplay(display_));
}

void VirtualScreen::close(unsigned long window) const {
  Display* display = xDisplay(display_);
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = long(XInternAtom(display, "WM_DELETE_WINDOW", False));
  event.xclient.data.l[1] = CurrentTime;
  XSendEvent(display, window, False, NoEventMask, &event);
  XFlush(display);
}

WindowRun::WindowRun(const VirtualScreen& screen, const char* program, const char* title,
                     const std::string& input, const std::string& until, Rgb8 background,
                     std::chrono::seconds limit)
    : screen_(screen), child_(spawn(program, screen.name())) {
  if (write(child_.in, input.data(), input.size()) != ssize_t(input.size())) return;
  ::close(child_.in);
  out_ = readUntil(child_.out, until, limit);
  window_ = screen.findWindow(title, limit);
  for (int tries = 0; window_ != 0 && tries < 200; ++tries) {
    const Screenshot first = shot();
    if (!first.pixels.empty() && first.at(3, 3) == background) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
}

Screenshot WindowRun::after(const char* key) const {
  screen_.press(window_, key);
  std::this_thread::sleep_for(std::chrono::milliseconds(500));
  return shot();
}

int WindowRun::end(const char* key, std::chrono::seconds limit) {
  if (key == nullptr) screen_.close(window_);
  if (key != nullptr) screen_.press(window_, key);
  const int status = waitStatus(child_.pid, limit);
  if (status == -1) kill(child_.pid, SIGKILL);
  ::close(child_.out);
  ::close(child_.err);
  return status;
}
