// The real program, driven as a user would: answers on standard input, the results on
// standard output, and its window on a virtual X screen (Xvfb), closed as a window manager
// closes it.
// GoogleTest comes before Xlib, whose macros (None, Bool) would clash with it.
#include <gtest/gtest.h>
// clang-format off
#include <X11/Xlib.h>
#include <X11/Xutil.h>
// clang-format on
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

const char kTitle[] = "Geometrija - prikaz zadatka";
const char kPrompts[] =
    "Uneti koordinate 1. temena (T1): Uneti koordinate 2. temena (T1): "
    "Uneti koordinate 3. temena (T1): Uneti koordinate 1. temena (T2): "
    "Uneti koordinate 2. temena (T2): Uneti koordinate 3. temena (T2): \n";

// A child process with pipes on its standard streams.
struct Child {
  pid_t pid = -1;
  int in = -1;
  int out = -1;
  int err = -1;
};

// Starts argv[0] with the given environment change; DISPLAY is set, or removed when empty.
Child spawn(const std::vector<std::string>& args, const std::string& display) {
  int in[2], out[2], err[2];
  if (pipe(in) != 0 || pipe(out) != 0 || pipe(err) != 0) return {};
  const pid_t pid = fork();
  if (pid == 0) {
    dup2(in[0], 0);
    dup2(out[1], 1);
    dup2(err[1], 2);
    for (int fd : {in[0], in[1], out[0], out[1], err[0], err[1]}) close(fd);
    if (display.empty()) {
      unsetenv("DISPLAY");
    } else {
      setenv("DISPLAY", display.c_str(), 1);
    }
    std::vector<char*> argv;
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    execvp(argv[0], argv.data());
    _exit(127);
  }
  close(in[0]);
  close(out[1]);
  close(err[1]);
  return {pid, in[1], out[0], err[0]};
}

// Reads fd until it holds `want` bytes, it ends, or the time is up.
std::string readUntil(int fd, size_t want, std::chrono::seconds limit) {
  std::string text;
  const auto deadline = Clock::now() + limit;
  while (text.size() < want && Clock::now() < deadline) {
    pollfd p{fd, POLLIN, 0};
    if (poll(&p, 1, 100) <= 0) continue;
    char buffer[4096];
    const ssize_t got = read(fd, buffer, sizeof buffer);
    if (got <= 0) break;
    text.append(buffer, size_t(got));
  }
  return text;
}

// Waits for the child to end; -1 when it is still running after the limit.
int waitStatus(pid_t pid, std::chrono::seconds limit) {
  const auto deadline = Clock::now() + limit;
  while (Clock::now() < deadline) {
    int status = 0;
    if (waitpid(pid, &status, WNOHANG) == pid) return status;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return -1;
}

// A virtual 24-bit X screen for the length of the test suite.
class VirtualScreen {
 public:
  VirtualScreen() {
    int ready[2];
    if (pipe(ready) != 0) return;
    pid_ = fork();
    if (pid_ == 0) {
      close(ready[0]);
      const std::string fd = std::to_string(ready[1]);
      const int devNull = open("/dev/null", O_WRONLY);
      dup2(devNull, 1);
      dup2(devNull, 2);
      execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x1024x24", "-nolisten",
             "tcp", static_cast<char*>(nullptr));
      _exit(127);
    }
    close(ready[1]);
    const std::string number = readUntil(ready[0], 64, std::chrono::seconds(20));
    close(ready[0]);
    if (!number.empty() && number.back() == '\n') name_ = ":" + number.substr(0, number.size() - 1);
    if (!name_.empty()) display_ = XOpenDisplay(name_.c_str());
  }
  ~VirtualScreen() {
    if (display_ != nullptr) XCloseDisplay(display_);
    if (pid_ > 0) {
      kill(pid_, SIGTERM);
      waitpid(pid_, nullptr, 0);
    }
  }
  const std::string& name() const { return name_; }
  Display* display() const { return display_; }

 private:
  pid_t pid_ = -1;
  std::string name_;
  Display* display_ = nullptr;
};

VirtualScreen* gScreen = nullptr;

// The first window below `window` whose name is `title`, or 0.
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

struct Rgb8 {
  int r, g, b;
  bool operator==(const Rgb8& o) const { return r == o.r && g == o.g && b == o.b; }
};

// What the window shows, read back from the X server.
class Screenshot {
 public:
  Screenshot(Display* display, Window window, int width, int height)
      : image_(XGetImage(display, window, 0, 0, unsigned(width), unsigned(height), AllPlanes,
                         ZPixmap)),
        width_(width),
        height_(height) {}
  ~Screenshot() {
    if (image_ != nullptr) XDestroyImage(image_);
  }
  bool valid() const { return image_ != nullptr; }
  Rgb8 at(int x, int y) const {
    const unsigned long pixel = XGetPixel(image_, x, y);
    return {int((pixel >> 16) & 255), int((pixel >> 8) & 255), int(pixel & 255)};
  }
  // Whether a pixel of this colour lies within `radius` pixels of (x, y).
  bool near(int x, int y, Rgb8 colour, int radius) const {
    for (int dy = -radius; dy <= radius; ++dy) {
      for (int dx = -radius; dx <= radius; ++dx) {
        const int px = x + dx, py = y + dy;
        if (px >= 0 && py >= 0 && px < width_ && py < height_ && at(px, py) == colour) return true;
      }
    }
    return false;
  }
  void savePpm(const std::string& path) const {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return;
    std::fprintf(file, "P6\n%d %d\n255\n", width_, height_);
    for (int y = 0; y < height_; ++y) {
      for (int x = 0; x < width_; ++x) {
        const Rgb8 c = at(x, y);
        const unsigned char rgb[3] = {(unsigned char)c.r, (unsigned char)c.g, (unsigned char)c.b};
        std::fwrite(rgb, 1, 3, file);
      }
    }
    std::fclose(file);
  }

 private:
  XImage* image_;
  int width_, height_;
};

const Rgb8 kBackground{230, 230, 204};
const Rgb8 kRed{255, 0, 0};
const Rgb8 kBlack{0, 0, 0};

// Where the window shows the plane point (x, y): the camera stands `distance` above
// (cx, cy) and looks down with a vertical field of view of 45 degrees.
struct Pixel {
  int x, y;
};
Pixel project(double x, double y, double cx, double cy, double distance) {
  const double f = 1.0 / std::tan(45.0 / 2.0 * M_PI / 180.0);
  const double aspect = 1024.0 / 700.0;
  const double ndcX = (x - cx) * f / aspect / distance;
  const double ndcY = (y - cy) * f / distance;
  return {int(std::lround((ndcX + 1) * 512.0 - 0.5)), int(std::lround((1 - ndcY) * 350.0 - 0.5))};
}

struct WindowCase {
  const char* what;
  const char* input;
  const char* results;
  // Plane points whose pixels must show a colour, for the camera (cx, cy, distance).
  double cx, cy, distance;
  std::vector<std::pair<Pixel, Rgb8>> marks;
};

std::vector<std::pair<Pixel, Rgb8>> marks(
    double cx, double cy, double distance,
    std::vector<std::pair<std::pair<double, double>, Rgb8>> at) {
  std::vector<std::pair<Pixel, Rgb8>> result;
  for (const auto& [point, colour] : at) {
    result.push_back({project(point.first, point.second, cx, cy, distance), colour});
  }
  return result;
}

class PresekWindow : public ::testing::TestWithParam<WindowCase> {};

TEST_P(PresekWindow, ResultsThenTheWindowThenACleanClose) {
  const WindowCase& c = GetParam();
  ASSERT_NE(gScreen->display(), nullptr) << "Xvfb did not start";
  Child child = spawn({PRESEK_BINARY}, gScreen->name());
  ASSERT_GT(child.pid, 0);
  ASSERT_EQ(write(child.in, c.input, std::strlen(c.input)), ssize_t(std::strlen(c.input)));
  close(child.in);
  const std::string expected = std::string(kPrompts) + c.results;
  EXPECT_EQ(readUntil(child.out, expected.size(), std::chrono::seconds(20)), expected);

  Display* display = gScreen->display();
  Window window = 0;
  for (auto deadline = Clock::now() + std::chrono::seconds(20);
       window == 0 && Clock::now() < deadline;
       std::this_thread::sleep_for(std::chrono::milliseconds(50))) {
    window = findByTitle(display, DefaultRootWindow(display), kTitle);
  }
  ASSERT_NE(window, 0u) << "no window titled " << kTitle;
  XWindowAttributes attributes;
  ASSERT_NE(XGetWindowAttributes(display, window, &attributes), 0);
  EXPECT_EQ(attributes.width, 1024);
  EXPECT_EQ(attributes.height, 700);
  int left = 0, top = 0;
  Window unused;
  XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, &left, &top, &unused);
  EXPECT_EQ(left, 100);
  EXPECT_EQ(top, 50);

  // Wait for the first frame: the corner shows the clear colour.
  bool drawn = false;
  for (auto deadline = Clock::now() + std::chrono::seconds(20); !drawn && Clock::now() < deadline;
       std::this_thread::sleep_for(std::chrono::milliseconds(100))) {
    Screenshot shot(display, window, 1024, 700);
    drawn = shot.valid() && shot.at(3, 3) == kBackground && shot.at(1020, 696) == kBackground;
  }
  ASSERT_TRUE(drawn) << "the window never showed its background";
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  const Screenshot shot(display, window, 1024, 700);
  ASSERT_TRUE(shot.valid());
  shot.savePpm(std::string(c.what) + ".ppm");
  for (const auto& [pixel, colour] : c.marks) {
    EXPECT_TRUE(shot.near(pixel.x, pixel.y, colour, 2))
        << c.what << ": pixel (" << pixel.x << ", " << pixel.y << ") should be " << colour.r << ","
        << colour.g << "," << colour.b << " but is " << shot.at(pixel.x, pixel.y).r << ","
        << shot.at(pixel.x, pixel.y).g << "," << shot.at(pixel.x, pixel.y).b;
  }

  // Close the window as a window manager does.
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = long(XInternAtom(display, "WM_DELETE_WINDOW", False));
  event.xclient.data.l[1] = CurrentTime;
  XSendEvent(display, window, False, NoEventMask, &event);
  XFlush(display);
  const int status = waitStatus(child.pid, std::chrono::seconds(20));
  if (status == -1) kill(child.pid, SIGKILL);
  EXPECT_TRUE(status != -1 && WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
  close(child.out);
  close(child.err);
}

const char kTypicalResults[] =
    "Broj presecnih tacaka : n = 2\n"
    "Broj temena trougla T1 u trouglu T2: p = 0\n"
    "Broj temena trougla T2 u trouglu T1: q = 1\n"
    "Broj temena presecnog poligona je : 3\n"
    "T[0]=( 3.000 , 1.000 )\n"
    "T[1]=( 1.000 , 3.000 )\n"
    "T[2]=( 1.000 , 1.000 )\n";

INSTANTIATE_TEST_SUITE_P(
    Runs, PresekWindow,
    ::testing::Values(
        // The box is (0, 0)-(5, 5): the camera stands 5 above (2.5, 2.5).
        WindowCase{"typical", "0 0\n4 0\n0 4\n1 1\n5 1\n1 5\n", kTypicalResults, 2.5, 2.5, 5,
                   marks(2.5, 2.5, 5,
                         {{{2, 2}, kRed},             // outline over T1's long side
                          {{1, 2}, kRed},             // outline over T2's left side
                          {{2, 1}, kRed},             // outline over T2's lower side
                          {{3, 3}, kBlack},           // T2's long side
                          {{0, 2}, kBlack},           // T1's left side
                          {{4.5, 1}, kBlack},         // T2's lower side past the overlap
                          {{1.8, 1.8}, kBackground},  // inside the overlap: only outlines
                          {{4.5, 4.5}, kBackground}})},
        WindowCase{"disjoint", "0 0\n1 0\n0 1\n5 5\n6 5\n5 6\n",
                   "Broj presecnih tacaka : n = 0\n"
                   "Broj temena trougla T1 u trouglu T2: p = 0\n"
                   "Broj temena trougla T2 u trouglu T1: q = 0\n",
                   3, 3, 6,
                   marks(3, 3, 6,
                         {{{5.5, 5}, kBlack},
                          {{5, 5.2}, kBlack},
                          {{0.3, 0.7}, kBlack},
                          {{3, 3}, kBackground}})},
        WindowCase{"nested", "0 0\n10 0\n0 10\n1 1\n3 1\n1 3\n",
                   "Broj presecnih tacaka : n = 0\n"
                   "Broj temena trougla T1 u trouglu T2: p = 0\n"
                   "Broj temena trougla T2 u trouglu T1: q = 3\n"
                   "Broj temena presecnog poligona je : 3\n"
                   "T[0]=( 1.000 , 1.000 )\n"
                   "T[1]=( 3.000 , 1.000 )\n"
                   "T[2]=( 1.000 , 3.000 )\n",
                   5, 5, 10, marks(5, 5, 10, {{{2, 1}, kRed}, {{1, 2}, kRed}, {{5, 5}, kBlack}})}),
    [](const ::testing::TestParamInfo<WindowCase>& info) { return std::string(info.param.what); });

// Without a display GLUT cannot open the window: the results are all out, and the process
// fails with GLUT's message.
TEST(PresekWithoutDisplay, PrintsEverythingThenFails) {
  Child child = spawn({PRESEK_BINARY}, "");
  ASSERT_GT(child.pid, 0);
  const char input[] = "0 0 4 0 0 4 1 1 5 1 1 5\n";
  ASSERT_EQ(write(child.in, input, sizeof input - 1), ssize_t(sizeof input - 1));
  close(child.in);
  const std::string out = readUntil(child.out, size_t(-1), std::chrono::seconds(20));
  const std::string err = readUntil(child.err, size_t(-1), std::chrono::seconds(20));
  const int status = waitStatus(child.pid, std::chrono::seconds(20));
  EXPECT_EQ(out, std::string(kPrompts) + kTypicalResults);
  EXPECT_NE(err.find("failed to open display"), std::string::npos) << err;
  EXPECT_TRUE(status != -1 && WIFEXITED(status) && WEXITSTATUS(status) != 0) << status;
  close(child.out);
  close(child.err);
}

}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  signal(SIGPIPE, SIG_IGN);
  VirtualScreen screen;
  gScreen = &screen;
  return RUN_ALL_TESTS();
}
