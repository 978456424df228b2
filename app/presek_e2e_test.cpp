// The real program, driven as a user would: answers on standard input or typed at a terminal,
// the results on standard output, and its window on a virtual X screen (Xvfb), looked at,
// typed into and closed.
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "testing/console_texts.h"
#include "testing/x_session.h"

namespace {

const char kTitle[] = "Geometrija - prikaz zadatka";
const Rgb8 kBackground{230, 230, 204};
const Rgb8 kRed{255, 0, 0};
const Rgb8 kBlack{0, 0, 0};
const std::chrono::seconds kLimit = std::chrono::seconds(20);

VirtualScreen* gScreen = nullptr;

WindowRun start(const char* input, const std::string& results) {
  return WindowRun(*gScreen, PRESEK_BINARY, kTitle, input, std::string(kPrompts) + results,
                   kBackground, kLimit);
}

// A plane point and the colour the window must show within two pixels of it, or, for a
// point mark (4 pixels wide), exactly one pixel below and right of it, where no line passes.
struct Mark {
  double x, y;
  Rgb8 colour;
  bool pointMark = false;
};

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
    WindowRun session = start(run.input, run.results);
    EXPECT_EQ(session.out(), std::string(kPrompts) + run.results) << run.what;
    ASSERT_NE(session.window(), 0u) << run.what << ": no window titled " << kTitle;
    int left = 0, top = 0, width = 0, height = 0;
    ASSERT_TRUE(gScreen->geometry(session.window(), &left, &top, &width, &height));
    EXPECT_EQ(std::tie(left, top, width, height), std::make_tuple(100, 50, 1024, 700));
    const Screenshot shot = session.shot();
    ASSERT_FALSE(shot.pixels.empty());
    shot.savePpm(std::string(run.what) + ".ppm");
    for (const Mark& mark : run.marks) {
      int px = 0, py = 0;
      shot.project(run.camera, mark.x, mark.y, &px, &py);
      EXPECT_TRUE(mark.pointMark ? shot.at(px + 1, py + 1) == mark.colour
                                 : shot.near(px, py, mark.colour, 2))
          << run.what << ": (" << mark.x << ", " << mark.y << ") at (" << px << ", " << py << ")";
    }
    if (std::strcmp(run.what, "typical") == 0) {
      EXPECT_TRUE(shot.pixels == readPng(PRESEK_SOURCE "/docs/window.png").pixels)
          << "the first frame differs from docs/window.png";
    }
    EXPECT_TRUE(exitedWith(session.end(nullptr, kLimit), 0)) << run.what;
  }
}

TEST(Presek, KeysMoveTheViewAndClose) {
  ASSERT_TRUE(gScreen->ready()) << "Xvfb did not start";
  WindowRun session = start("0 0\n4 0\n0 4\n1 1\n5 1\n1 5\n", kTypicalResults);
  ASSERT_NE(session.window(), 0u);
  const Screenshot first = session.shot();

  // f: the whole task, (0, 0)-(5, 5) with its 4-pixel end marks, fills the window's height,
  // and each vertex is drawn where that box puts it.
  const Screenshot fitted = session.after("f");
  const std::vector<int> box = fitted.drawnBox(kBackground);  // left, top, right, bottom
  EXPECT_TRUE(box[1] > 0 && box[3] < fitted.height - 1 && box[3] - box[1] > fitted.height * 8 / 10);
  const Mark vertices[] = {{0, 0, kBlack}, {4, 0, kBlack}, {0, 4, kBlack},
                           {1, 1, kRed},   {5, 1, kBlack}, {1, 5, kBlack}};
  for (const Mark& v : vertices) {
    const int px = box[0] + 2 + int(std::lround(v.x / 5 * (box[2] - box[0] - 4)));
    const int py = box[3] - 2 - int(std::lround(v.y / 5 * (box[3] - box[1] - 4)));
    EXPECT_TRUE(fitted.near(px, py, v.colour, 3)) << v.x << "," << v.y;
  }
  // + brings the camera closer, other keys than the arrows do nothing, the arrows pan, and
  // r brings the first view back.
  const Screenshot closer = session.after("plus");
  EXPECT_GT(closer.drawnBox(kBackground)[3], box[3]);
  EXPECT_TRUE(session.after("F1").pixels == closer.pixels);
  EXPECT_FALSE(session.after("Left").pixels == closer.pixels);
  EXPECT_TRUE(session.after("r").pixels == first.pixels);
  // A resized window keeps the camera over (2.5, 2.5), at the new size's aspect.
  gScreen->resize(session.window(), 600, 500);
  const Screenshot resized = session.after("r");
  ASSERT_EQ(std::tie(resized.width, resized.height), std::make_tuple(600, 500));
  const double camera[3] = {2.5, 2.5, 5};
  for (const Mark& mark : {Mark{1, 2, kRed}, Mark{2, 1, kRed}, Mark{3, 3, kBlack}}) {
    int px = 0, py = 0;
    resized.project(camera, mark.x, mark.y, &px, &py);
    EXPECT_TRUE(resized.near(px, py, mark.colour, 1)) << mark.x << "," << mark.y;
  }
  EXPECT_TRUE(exitedWith(session.end("Escape", kLimit), 0));
}

// Typed at a terminal: a refused answer is explained and asked again, and several pairs on a
// line answer several prompts; the window then opens. Input that ends early ends the program
// with status 1. (What a program writes just before it ends may not reach a terminal reader,
// so the texts are read while the window is open.)
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
       0},
      {"input ends after one vertex", {"0 0\n", "\x04"}, {}, 1},
  };
  for (const auto& dialogue : dialogues) {
    Child child = spawn(PRESEK_BINARY, gScreen->name(), true);
    std::string shown = readUntil(child.out, "(T1): ", kLimit);
    for (const char* line : dialogue.lines) {
      ASSERT_EQ(write(child.in, line, std::strlen(line)), ssize_t(std::strlen(line)));
    }
    if (dialogue.status == 0) {
      shown += readUntil(child.out, "T[2]=( 1.000 , 1.000 )", kLimit);
      gScreen->close(gScreen->findWindow(kTitle, kLimit));
    }
    for (const char* text : dialogue.expected) {
      EXPECT_NE(shown.find(text), std::string::npos) << dialogue.what << ":\n" << shown;
    }
    EXPECT_TRUE(exitedWith(waitStatus(child.pid, kLimit), dialogue.status)) << dialogue.what;
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
  EXPECT_EQ(readUntil(child.out, "", kLimit), std::string(kPrompts) + kTypicalResults);
  EXPECT_NE(readUntil(child.err, "", kLimit).find("failed to open display"), std::string::npos);
  EXPECT_TRUE(exitedWith(waitStatus(child.pid, kLimit), 1));
}

}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  signal(SIGPIPE, SIG_IGN);
  VirtualScreen screen;
  gScreen = &screen;
  return RUN_ALL_TESTS();
}
