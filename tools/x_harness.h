// Driving a program and its window as a user would: a child process with pipes on its
// standard streams, and a virtual X screen (Xvfb) on which its windows can be found, looked
// at and closed. Xlib stays inside; windows are plain X ids.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <string>
#include <vector>

// A child process with pipes on its standard streams.
struct Child {
  pid_t pid = -1;
  int in = -1;
  int out = -1;
  int err = -1;
};

// Starts args[0] with DISPLAY set to display, or removed when display is empty.
Child spawn(const std::vector<std::string>& args, const std::string& display);

// Reads fd until it holds want bytes, it ends, or the time is up.
std::string readUntil(int fd, size_t want, std::chrono::seconds limit);

// The wait status of pid once it ends; -1 when it still runs after the limit.
int waitStatus(pid_t pid, std::chrono::seconds limit);

struct Rgb8 {
  int r, g, b;
  bool operator==(const Rgb8& o) const { return r == o.r && g == o.g && b == o.b; }
};

// What a window showed, read back from the X server.
class Screenshot {
 public:
  Screenshot(int width, int height, std::vector<Rgb8> pixels)
      : width_(width), height_(height), pixels_(std::move(pixels)) {}
  bool valid() const { return !pixels_.empty(); }
  Rgb8 at(int x, int y) const { return pixels_[size_t(y) * size_t(width_) + size_t(x)]; }
  // Whether a pixel of this colour lies within radius pixels of (x, y).
  bool near(int x, int y, Rgb8 colour, int radius) const;
  void savePpm(const std::string& path) const;

 private:
  int width_, height_;
  std::vector<Rgb8> pixels_;
};

// A virtual 24-bit X screen, 1280 x 1024, for as long as the object lives.
class VirtualScreen {
 public:
  VirtualScreen();
  ~VirtualScreen();
  VirtualScreen(const VirtualScreen&) = delete;
  VirtualScreen& operator=(const VirtualScreen&) = delete;

  bool ready() const { return display_ != nullptr; }
  // The display name, such as ":1".
  const std::string& name() const { return name_; }
  // The first window with this title, waiting up to the limit for it; 0 when none shows.
  unsigned long findWindow(const char* title, std::chrono::seconds limit) const;
  // Size of the window and where its top-left corner lies on the screen.
  bool geometry(unsigned long window, int* left, int* top, int* width, int* height) const;
  Screenshot shoot(unsigned long window, int width, int height) const;
  // Asks the window to close, as a window manager does (WM_DELETE_WINDOW).
  void close(unsigned long window) const;

 private:
  pid_t pid_ = -1;
  std::string name_;
  void* display_ = nullptr;
};
