// The real program, driven as a user would: answers on standard input or typed at a terminal,
// the results on standard output, and its window on a virtual X screen (Xvfb), looked at,
// typed into and closed.
#include <gtest/gtest.h>
#include <png.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "testing/console_texts.h"
#include "testing/x_session.h"

namespace {

const char kTitle[] = "Geometrija - prikaz zadatka";
const Rgb8 kBackground{230, 230, 204};
const Rgb8 kRed{255, 0, 0};
const Rgb8 kBlack{0, 0, 0};

VirtualScreen* gScreen = nullptr;

// A plane point and the colour the window must show within two pixels of it, or, for a
// point mark (4 pixels wide), exactly one pixel below and right of it, where no line passes.
struct Mark {
  double x, y;
  Rgb8 colour;
  bool pointMark = false;
};

// The pixel that shows the plane point (x, y) when the camera stands distance above (cx, cy)
// and looks straight down with a vertical field of view of 45 degrees.
void project(const double camera[3], const Screenshot& shot, double x, double y, int* px, int* py) {
  const double f = 1.0 / std::tan(22.5 * M_PI / 180.0);
  const double ndcX = (x - camera[0]) * f * shot.height / shot.width / camera[2];
  const double ndcY = (y - camera[1]) * f / camera[2];
  *px = int(std::lround((ndcX + 1) * shot.width / 2 - 0.5));
  *py = int(std::lround((1 - ndcY) * shot.height / 2 - 0.5));
}

void expectMarks(const Screenshot& shot, const double camera[3], const std::vector<Mark>& marks,
                 const char* what) {
  for (const Mark& mark : marks) {
    int px = 0, py = 0;
    project(camera, shot, mark.x, mark.y, &px, &py);
    EXPECT_TRUE(mark.pointMark ? shot.at(px + 1, py + 1) == mark.colour
                               : shot.near(px, py, mark.colour, 2))
        << what << ": (" << mark.x << ", " << mark.y << ") at pixel (" << px << ", " << py << ")";
  }
}

// A running program with its window shown and its first frame drawn.
struct Session {
  Child child;
  unsigned long window = 0;
  std::string out;

  Session(const char* input, const std::string& expected) {
    child = spawn(PRESEK_BINARY, gScreen->name());
    EXPECT_EQ(write(child.in, input, std::strlen(input)), ssize_t(std::strlen(input)));
    close(child.in);
    out = readUntil(child.out, expected, std::chrono::seconds(20));
    window = gScreen->findWindow(kTitle, std::chrono::seconds(20));
    for (int tries = 0; window != 0 && tries < 200; ++tries) {
      const Screenshot shot = gScreen->shoot(window);
      if (!shot.pixels.empty() && shot.at(3, 3) == kBackground) break;
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
  }
  // What the window shows once the key has been handled.
  Screenshot after(const char* key) const {
    gScreen->press(window, key);
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    return gScreen->shoot(window);
  }
  // Ends the run as a window manager would, or by a key; the exit status.
  int end(const char* key = nullptr) {
    if (key == nullptr) gScreen->close(window);
    if (key != nullptr) gScreen->press(window, key);
    const int status = waitStatus(child.pid, std::chrono::seconds(20));
    if (status == -1) kill(child.pid, SIGKILL);
    close(child.out);
    close(child.err);
    return status;
  }
};

bool exitedWith(int status, int code) {
  return status != -1 && WIFEXITED(status) && WEXITSTATUS(status) == code;
}

// The pixels of a PNG file, or none.
std::vector<Rgb8> readPng(const char* path) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  std::vector<Rgb8> pixels;
  if (!png_image_begin_read_from_file(&image, path)) return pixels;
  image.format = PNG_FORMAT_RGB;
  std::vector<unsigned char> rgb(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr)) return pixels;
  for (size_t i = 0; i + 2 < rgb.size(); i += 3) pixels.push_back({rgb[i], rgb[i + 1], rgb[i + 2]});
  return pixels;
}

TEST(Presek, ResultsThenTheWindowThenACleanClose) {
  ASSERT_TRUE(gScreen->ready()) << "Xvfb did not start";
  const struct {
    const char* what;
    const char* input;
    const char* results;
    double camera[3];  // where the camera stands: over (cx, cy), distance above
    std::vector<Mark> marks;
  } runs[] = {
      {"typical",
       "0 0\n4 0\n0 4\n1 1\n5 1\n1 5\n",
       kTypicalResults,
       {2.5, 2.5, 5},
       {{2, 2, kRed},
        {1, 2, kRed},
        {2, 1, kRed},
        {3, 3, kBlack},
        {0, 2, kBlack},
        {4.5, 1, kBlack},
        {1.8, 1.8, kBackground}}},
      // A lone red point where the triangles touch, over the black end marks of their sides.
      {"touching",
       "0 0\n2 0\n0 2\n2 0\n4 0\n3 2\n",
       "Broj presecnih tacaka : n = 1\n"
       "Broj temena trougla T1 u trouglu T2: p = 0\n"
       "Broj temena trougla T2 u trouglu T1: q = 0\n",
       {2, 1, 4},
       {{2, 0, kRed, true}, {4, 0, kBlack, true}, {1, 1, kBlack}}},
      // Scenes beyond the old clip planes: both drawn.
      {"large",
       "4000 4000\n6000 4000\n4000 6000\n7000 7000\n7100 7000\n7000 7100\n",
       kNoOverlapResults,
       {4062, 3900, 8124},
       {{5000, 4000, kBlack}, {4000, 5000, kBlack}}},
      {"small",
       "0.05 0.05\n0.25 0.05\n0.05 0.25\n0.3 0.3\n0.35 0.3\n0.3 0.35\n",
       kNoOverlapResults,
       {0.2, 0.2, 0.4},
       {{0.15, 0.05, kBlack}, {0.05, 0.15, kBlack}}},
  };
  for (const auto& run : runs) {
    Session session(run.input, std::string(kPrompts) + run.results);
    EXPECT_EQ(session.out, std::string(kPrompts) + run.results) << run.what;
    ASSERT_NE(session.window, 0u) << run.what << ": no window titled " << kTitle;
    int left = 0, top = 0, width = 0, height = 0;
    ASSERT_TRUE(gScreen->geometry(session.window, &left, &top, &width, &height));
    EXPECT_EQ(std::tie(left, top, width, height), std::make_tuple(100, 50, 1024, 700));
    const Screenshot shot = gScreen->shoot(session.window);
    ASSERT_FALSE(shot.pixels.empty());
    shot.savePpm(std::string(run.what) + ".ppm");
    expectMarks(shot, run.camera, run.marks, run.what);
    if (std::strcmp(run.what, "typical") == 0) {
      EXPECT_TRUE(shot.pixels == readPng(PRESEK_SOURCE "/docs/window.png"))
          << "the first frame differs from docs/window.png";
    }
    EXPECT_TRUE(exitedWith(session.end(), 0)) << run.what;
  }
}

// The bounding box of the pixels that are not background.
struct Drawn {
  int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
};
Drawn drawn(const Screenshot& shot) {
  Drawn d;
  for (int y = 0; y < shot.height; ++y) {
    for (int x = 0; x < shot.width; ++x) {
      if (shot.at(x, y) == kBackground) continue;
      d = {std::min(d.left, x), std::min(d.top, y), std::max(d.right, x), std::max(d.bottom, y)};
    }
  }
  return d;
}

TEST(Presek, KeysMoveTheViewAndClose) {
  ASSERT_TRUE(gScreen->ready()) << "Xvfb did not start";
  Session session("0 0\n4 0\n0 4\n1 1\n5 1\n1 5\n", std::string(kPrompts) + kTypicalResults);
  ASSERT_NE(session.window, 0u);
  const Screenshot first = gScreen->shoot(session.window);

  // f: the whole task, (0, 0)-(5, 5) with its 4-pixel end marks, fills the window's height.
  const Screenshot fitted = session.after("f");
  const Drawn d = drawn(fitted);
  EXPECT_GT(d.top, 0);
  EXPECT_LT(d.bottom, fitted.height - 1);
  EXPECT_GT(d.bottom - d.top, fitted.height * 8 / 10);
  const Mark vertices[] = {{0, 0, kBlack}, {4, 0, kBlack}, {0, 4, kBlack},
                           {1, 1, kRed},   {5, 1, kBlack}, {1, 5, kBlack}};
  for (Mark v : vertices) {
    const int px = (d.left + 2) + int(std::lround(v.x / 5 * (d.right - d.left - 4)));
    const int py = (d.bottom - 2) - int(std::lround(v.y / 5 * (d.bottom - d.top - 4)));
    EXPECT_TRUE(fitted.near(px, py, v.colour, 3)) << v.x << "," << v.y;
  }
  // + and - zoom, the arrows pan, and r brings the first view back.
  EXPECT_FALSE(session.after("plus").pixels == fitted.pixels);
  EXPECT_FALSE(session.after("Left").pixels == fitted.pixels);
  EXPECT_TRUE(session.after("r").pixels == first.pixels);
  EXPECT_TRUE(exitedWith(session.end("Escape"), 0));
}

// Typed at a terminal: a refused answer is explained and asked again; several pairs on a line
// answer several prompts; input that ends early ends the program with status 1.
TEST(Presek, TerminalDialogue) {
  const struct {
    const char* what;
    std::vector<const char*> lines;
    std::vector<const char*> expected;  // in what the terminal shows
    int status;
  } dialogues[] = {
      {"a decimal comma, then every vertex",
       {"1,5 1\n", "0 0 4 0 0 4\n", "1 1\n", "5 1 1 5\n"},
       {"decimalni zarez u \"1,5\"",
        "-2).\r\nUneti koordinate 1. temena (T1): ", "T[2]=( 1.000 , 1.000 )"},
       1},  // there is no display: GLUT fails once the results are out
      {"input ends after one vertex", {"0 0\n", "\x04"}, {"Unos je prekinut"}, 1},
  };
  for (const auto& dialogue : dialogues) {
    Child child = spawn(PRESEK_BINARY, "", true);
    std::string shown = readUntil(child.out, "(T1): ", std::chrono::seconds(20));
    for (const char* line : dialogue.lines) {
      ASSERT_EQ(write(child.in, line, std::strlen(line)), ssize_t(std::strlen(line)));
      shown += readUntil(child.out, ": ", std::chrono::seconds(5));
    }
    shown += readUntil(child.out, "", std::chrono::seconds(20));
    for (const char* text : dialogue.expected) {
      EXPECT_NE(shown.find(text), std::string::npos) << dialogue.what << ":\n" << shown;
    }
    EXPECT_TRUE(exitedWith(waitStatus(child.pid, std::chrono::seconds(20)), dialogue.status))
        << dialogue.what;
    close(child.out);
  }
}

// Without a display GLUT cannot open the window: the results are all out, and the process
// fails with GLUT's message.
TEST(Presek, WithoutDisplayPrintsEverythingThenFails) {
  const Child child = spawn(PRESEK_BINARY, "");
  const char input[] = "0 0 4 0 0 4 1 1 5 1 1 5\n";
  ASSERT_EQ(write(child.in, input, sizeof input - 1), ssize_t(sizeof input - 1));
  close(child.in);
  EXPECT_EQ(readUntil(child.out, "", std::chrono::seconds(20)),
            std::string(kPrompts) + kTypicalResults);
  EXPECT_NE(readUntil(child.err, "", std::chrono::seconds(20)).find("failed to open display"),
            std::string::npos);
  EXPECT_TRUE(exitedWith(waitStatus(child.pid, std::chrono::seconds(20)), 1));
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
