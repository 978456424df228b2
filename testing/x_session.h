// Driving a program as a user would: a child process on pipes or on a terminal, and a virtual
// X screen (Xvfb) on which its window can be found, looked at, typed into and closed.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <string>
#include <vector>

// A child process; on a terminal, in and out are both the terminal and err is -1.
struct Child {
  pid_t pid = -1;
  int in = -1;
  int out = -1;
  int err = -1;
};

// Starts program with DISPLAY set to display (removed when empty), on pipes or on a
// pseudo-terminal.
Child spawn(const char* program, const std::string& display, bool terminal = false);

// Reads fd until its text holds `until` (or, with an empty `until`, until it ends) or the
// time is up.
std::string readUntil(int fd, const std::string& until, std::chrono::seconds limit);

// The wait status of pid once it ends; -1 when it still runs after the limit.
int waitStatus(pid_t pid, std::chrono::seconds limit);

struct Rgb8 {
  int r, g, b;
  bool operator==(const Rgb8& o) const { return r == o.r && g == o.g && b == o.b; }
};

// Whether a child's wait status is a normal exit with this code.
bool exitedWith(int status, int code);

// What a window showed: its pixels, row by row (empty when it could not be read).
struct Screenshot {
  int width = 0, height = 0;
  std::vector<Rgb8> pixels;
  Rgb8 at(int x, int y) const { return pixels[size_t(y) * size_t(width) + size_t(x)]; }
  // Whether a pixel of this colour lies within radius pixels of (x, y).
  bool near(int x, int y, Rgb8 colour, int radius) const;
  // The pixel that shows the plane point (x, y) when a camera stands distance above (cx, cy)
  // and looks straight down with a vertical field of view of 45 degrees.
  void project(const double camera[3], double x, double y, int* px, int* py) const;
  // The box (left, top, right, bottom) of the pixels not of the background colour.
  std::vector<int> drawnBox(Rgb8 background) const;
  void savePpm(const std::string& path) const;
};

// The pixels of a PNG file (none when it cannot be read).
Screenshot readPng(const std::string& path);

// A virtual 24-bit X screen, 1280 x 1024, for as long as the object lives.
class VirtualScreen {
 public:
  VirtualScreen();
  ~VirtualScreen();
  VirtualScreen(const VirtualScreen&) = delete;
  VirtualScreen& operator=(const VirtualScreen&) = delete;

  bool ready() const { return display_ != nullptr; }
  const std::string& name() const { return name_; }
  // The first window with this title, waiting up to the limit for it; 0 when none shows.
  unsigned long findWindow(const char* title, std::chrono::seconds limit) const;
  // Size of the window and where its top-left corner lies on the screen.
  bool geometry(unsigned long window, int* left, int* top, int* width, int* height) const;
  Screenshot shoot(unsigned long window) const;
  // Types a key into the window with real key events (XTest): a key name such as "f",
  // "plus", "Escape" or "Left".
  void press(unsigned long window, const char* key) const;
  // Resizes the window, as a user dragging its corner does.
  void resize(unsigned long window, int width, int height) const;
  // Asks the window to close, as a window manager does (WM_DELETE_WINDOW).
  void close(unsigned long window) const;

 private:
  pid_t pid_ = -1;
  std::string name_;
  void* display_ = nullptr;
};

// A program on the screen, given its input on a pipe, with its window shown and its first
// frame drawn (the corner shows the background colour).
class WindowRun {
 public:
  WindowRun(const VirtualScreen& screen, const char* program, const char* title,
            const std::string& input, const std::string& until, Rgb8 background,
            std::chrono::seconds limit);
  const std::string& out() const { return out_; }
  unsigned long window() const { return window_; }
  Screenshot shot() const { return screen_.shoot(window_); }
  // What the window shows once the key has been handled.
  Screenshot after(const char* key) const;
  // Ends the run by the key, or as a window manager closes a window; the wait status.
  int end(const char* key, std::chrono::seconds limit);

 private:
  const VirtualScreen& screen_;
  Child child_;
  unsigned long window_ = 0;
  std::string out_;
};
