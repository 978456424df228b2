// The real program, driven as a user would: answers on standard input, the results on
// standard output, and its window on a virtual X screen (Xvfb), closed as a window manager
// closes it.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "tools/console_texts.h"
#include "tools/x_harness.h"

namespace {

const char kTitle[] = "Geometrija - prikaz zadatka";

const Rgb8 kBackground{230, 230, 204};
const Rgb8 kRed{255, 0, 0};
const Rgb8 kBlack{0, 0, 0};

VirtualScreen* gScreen = nullptr;

// A plane point and the colour the window must show there.
struct Mark {
  double x, y;
  Rgb8 colour;
};

struct WindowCase {
  const char* what;
  const char* input;
  const char* results;
  double cx, cy, distance;  // the camera: it stands distance above (cx, cy)
  std::vector<Mark> marks;
};

// The pixel that shows the plane point (x, y): the camera looks straight down with a
// vertical field of view of 45 degrees into the 1024 x 700 window.
void project(const WindowCase& c, double x, double y, int* px, int* py) {
  const double f = 1.0 / std::tan(22.5 * M_PI / 180.0);
  const double ndcX = (x - c.cx) * f / (1024.0 / 700.0) / c.distance;
  const double ndcY = (y - c.cy) * f / c.distance;
  *px = int(std::lround((ndcX + 1) * 512.0 - 0.5));
  *py = int(std::lround((1 - ndcY) * 350.0 - 0.5));
}

class PresekWindow : public ::testing::TestWithParam<WindowCase> {};

TEST_P(PresekWindow, ResultsThenTheWindowThenACleanClose) {
  const WindowCase& c = GetParam();
  ASSERT_TRUE(gScreen->ready()) << "Xvfb did not start";
  const Child child = spawn({PRESEK_BINARY}, gScreen->name());
  ASSERT_GT(child.pid, 0);
  ASSERT_EQ(write(child.in, c.input, std::strlen(c.input)), ssize_t(std::strlen(c.input)));
  close(child.in);
  const std::string expected = std::string(kPrompts) + c.results;
  EXPECT_EQ(readUntil(child.out, expected.size(), std::chrono::seconds(20)), expected);

  const unsigned long window = gScreen->findWindow(kTitle, std::chrono::seconds(20));
  ASSERT_NE(window, 0u) << "no window titled " << kTitle;
  int left = 0, top = 0, width = 0, height = 0;
  ASSERT_TRUE(gScreen->geometry(window, &left, &top, &width, &height));
  EXPECT_EQ(width, 1024);
  EXPECT_EQ(height, 700);
  EXPECT_EQ(left, 100);
  EXPECT_EQ(top, 50);

  // The first frame is out when the corners show the clear colour.
  bool drawn = false;
  for (int tries = 0; tries < 200 && !drawn; ++tries) {
    const Screenshot shot = gScreen->shoot(window, 1024, 700);
    drawn = shot.valid() && shot.at(3, 3) == kBackground && shot.at(1020, 696) == kBackground;
    if (!drawn) std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  ASSERT_TRUE(drawn) << "the window never showed its background";
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  const Screenshot shot = gScreen->shoot(window, 1024, 700);
  shot.savePpm(std::string(c.what) + ".ppm");
  for (const Mark& mark : c.marks) {
    int px = 0, py = 0;
    project(c, mark.x, mark.y, &px, &py);
    const Rgb8 seen = shot.at(px, py);
    EXPECT_TRUE(shot.near(px, py, mark.colour, 2))
        << c.what << ": (" << mark.x << ", " << mark.y << ") at pixel (" << px << ", " << py
        << ") shows " << seen.r << "," << seen.g << "," << seen.b;
  }

  gScreen->close(window);
  const int status = waitStatus(child.pid, std::chrono::seconds(20));
  if (status == -1) kill(child.pid, SIGKILL);
  EXPECT_TRUE(status != -1 && WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
  close(child.out);
  close(child.err);
}

INSTANTIATE_TEST_SUITE_P(
    Runs, PresekWindow,
    ::testing::Values(
        // The box is (0, 0)-(5, 5): the camera stands 5 above (2.5, 2.5).
        WindowCase{"typical",
                   "0 0\n4 0\n0 4\n1 1\n5 1\n1 5\n",
                   kTypicalResults,
                   2.5,
                   2.5,
                   5,
                   {{2, 2, kRed},             // the outline over T1's long side
                    {1, 2, kRed},             // over T2's left side
                    {2, 1, kRed},             // over T2's lower side
                    {3, 3, kBlack},           // T2's long side
                    {0, 2, kBlack},           // T1's left side
                    {4.5, 1, kBlack},         // T2's lower side past the overlap
                    {1.8, 1.8, kBackground},  // inside the overlap: outlines only
                    {4.5, 4.5, kBackground}}},
        WindowCase{"disjoint",
                   "0 0\n1 0\n0 1\n5 5\n6 5\n5 6\n",
                   kNoOverlapResults,
                   3,
                   3,
                   6,
                   {{5.5, 5, kBlack}, {5, 5.2, kBlack}, {0.3, 0.7, kBlack}, {3, 3, kBackground}}},
        WindowCase{"nested",
                   "0 0\n10 0\n0 10\n1 1\n3 1\n1 3\n",
                   kNestedResults,
                   5,
                   5,
                   10,
                   {{2, 1, kRed}, {1, 2, kRed}, {5, 5, kBlack}}}),
    [](const ::testing::TestParamInfo<WindowCase>& info) { return std::string(info.param.what); });

// Without a display GLUT cannot open the window: the results are all out, and the process
// fails with GLUT's message.
TEST(PresekWithoutDisplay, PrintsEverythingThenFails) {
  const Child child = spawn({PRESEK_BINARY}, "");
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
