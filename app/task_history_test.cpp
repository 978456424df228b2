// The window's operations driven without a window, with the task's history behind them.
#include "app/task_history.h"

#include <gtest/gtest.h>

#include <string>

#include "app/report.h"

namespace {

constexpr char kTypical[] =  // the typed task
    "Zadatak: 0 0 4 0 0 4 1 1 5 1 1 5\nBroj presecnih tacaka : n = 2\nBroj temena trougla T1 u "
    "trouglu T2: p = 0\n"
    "Broj temena trougla T2 u trouglu T1: q = 1\nBroj temena presecnog poligona je : 3\n"
    "T[0]=( 3.000 , 1.000 )\nT[1]=( 1.000 , 3.000 )\nT[2]=( 1.000 , 1.000 )\n";
constexpr char kDragged[] =  // T2.1 dragged to (3, 1)
    "Zadatak: 0 0 4 0 0 4 3 1 5 1 1 5\nBroj presecnih tacaka : n = 1\n"
    "Broj temena trougla T1 u trouglu T2: p = 0\nBroj temena trougla T2 u trouglu T1: q = 0\n";

// The typical task in a window of the first size, at its first view, (2.5, 2.5) from 5.
struct Session {
  std::FILE* out = std::tmpfile();
  long read = 0;
  WindowState s;
  Session() {
    const Point t[6] = {{0, 0}, {4, 0}, {0, 4}, {1, 1}, {5, 1}, {1, 5}};
    s = openState({2.5f, 2.5f, 5}, kWindowWidth, kWindowHeight, startTasks(t, t + 3, out));
  }
  ~Session() { std::fclose(out); }
  // What was printed since the last look.
  std::string printed() {
    std::string text;
    std::fseek(out, read, SEEK_SET);
    for (int c; (c = std::fgetc(out)) != EOF;) text += char(c);
    read = std::ftell(out);
    return text;
  }
  // A left-button drag from one plane point to another, through the point halfway.
  unsigned drag(Vec from, Vec to) {
    const unsigned changed = press(s, Button::kLeft, from) |
                             move(s, {(from.x + to.x) / 2, (from.y + to.y) / 2}) | move(s, to);
    return changed | release(s, Button::kLeft);
  }
};

TEST(WindowOperations, ADragPrintsOneBlockWhenDropped) {
  Session w;
  EXPECT_EQ(press(w.s, Button::kOther, {1, 1}) | release(w.s, Button::kLeft), 0u);
  EXPECT_EQ(w.drag({1, 3}, {2, 3}), 0u) << "a red point that is no vertex is no handle";
  EXPECT_EQ(w.drag({1.02, 1.01}, {0.98, 1.03}), kRedraw) << "taken and dropped in place";
  EXPECT_EQ(press(w.s, Button::kLeft, {1.05, 1.02}), kRedraw);
  EXPECT_TRUE(move(w.s, {2.02, 0.98}) & kTaskChanged);
  EXPECT_EQ(move(w.s, {2.01, 1.01}) & kTaskChanged, 0u) << "the same snapped place";
  EXPECT_TRUE(move(w.s, {3.01, 0.99}) & kTaskChanged);
  EXPECT_EQ(w.printed(), "") << "nothing is told while the vertex is held";
  EXPECT_EQ(release(w.s, Button::kLeft), kRedraw | kTaskSettled);
  EXPECT_EQ(w.printed(), kDragged);
  EXPECT_EQ(w.s.tasks.shown().origins[0].code, originOf(Found::kSidesCross, 1, 0).code);
}

TEST(WindowOperations, TakeBackAndBringBackAreInverse) {
  Session w;
  w.drag({1, 1}, {3, 1});
  w.drag({0, 0}, {0, -1});
  const std::string second = w.printed().substr(std::string(kDragged).size());
  EXPECT_EQ(second.substr(0, second.find('\n')), "Zadatak: 0 -1 4 0 0 4 3 1 5 1 1 5");
  const std::string steps[] = {kDragged, kTypical, "", kDragged, second, ""};
  const char keys[] = {'u', 'u', 'u', 'y', 'y', 'y'};
  for (int k = 0; k < 6; ++k) {
    EXPECT_EQ(bool(key(w.s, keys[k]) & kTaskSettled), !steps[k].empty()) << k;
    EXPECT_EQ(w.printed(), steps[k]) << k;
  }
  key(w.s, 'u');
  w.drag({4, 0}, {4, 1});  // a new task forgets what u took back
  w.printed();
  EXPECT_EQ(key(w.s, 'y') & kTaskSettled, 0u);
  EXPECT_EQ(w.printed(), "");
}

TEST(WindowOperations, KeysDuringADragKeepTheVertexHeld) {
  Session w;
  press(w.s, Button::kLeft, {1, 1});
  move(w.s, {3, 1});
  EXPECT_EQ(key(w.s, 'u') & kTaskSettled, 0u);
  EXPECT_EQ(key(w.s, 'y') & kTaskSettled, 0u);
  key(w.s, '+');
  key(w.s, kArrowLeft);
  EXPECT_TRUE(w.s.view.distance == 4 && w.s.view.cx == 2.5f - 0.4f) << "+ and an arrow";
  EXPECT_EQ(w.s.active, 3);
  EXPECT_EQ(w.printed(), "");
  EXPECT_EQ(key(w.s, 'q'), kRedraw | kTaskSettled | kQuit) << "closing drops the vertex";
  EXPECT_EQ(w.printed(), kDragged);
}

TEST(WindowOperations, HoverLeaveWheelAndResize) {
  Session w;
  EXPECT_EQ(move(w.s, {3.02, 1}), kRedraw);
  EXPECT_EQ(w.s.hot, 0) << "T[0] = (3, 1)";
  EXPECT_EQ(leave(w.s), kRedraw);
  EXPECT_EQ(w.s.hot, -1);
  // The wheel keeps the plane point under the pointer on its pixel.
  const Vec at = {1, 1}, pixel = windowPointOf(w.s.view, w.s.width, w.s.height, at);
  for (int clicks : {1, 3, -2}) {
    const float before = w.s.view.distance;
    EXPECT_TRUE(wheel(w.s, at, clicks) & kViewMoved);
    EXPECT_FLOAT_EQ(w.s.view.distance, before * std::pow(0.8f, float(clicks)));
    const Vec after = windowPointOf(w.s.view, w.s.width, w.s.height, at);
    EXPECT_NEAR(after.x, pixel.x, 1e-3);
    EXPECT_NEAR(after.y, pixel.y, 1e-3);
  }
  EXPECT_EQ(w.s.hot, 2) << "T2.1 = T[2] at (1, 1) is under the pointer";
}

// The lesson's keys step through the shown task's steps within them; the view stays; Esc and k
// leave it and q still closes; a dragged or taken-back task leaves it, and so does h, which
// hides the solution that the lesson finds.
TEST(WindowOperations, TheLessonStepsAndLeaves) {
  Session w;
  const Camera view = w.s.view;
  const struct {
    int code, step;
  } keys[] = {{'k', 0},      {kArrowLeft, 0}, {kArrowRight, 1}, {' ', 2},       {kArrowDown, 3},
              {kEnd, 17},    {' ', 17},       {kBackspace, 16}, {kArrowUp, 15}, {kHome, 0},
              {kEscape, -1}, {'k', 0},        {'k', -1}};
  for (const auto& k : keys) {
    EXPECT_EQ(key(w.s, k.code) & (kQuit | kTaskChanged), 0u) << k.code;
    EXPECT_EQ(w.s.lesson, k.step) << k.code;
  }
  EXPECT_TRUE(w.s.view.cx == view.cx && w.s.view.cy == view.cy) << "the arrows did not pan";
  key(w.s, 'k');
  w.drag({1, 1}, {3, 1});
  EXPECT_EQ(w.s.lesson, -1) << "a dragged task";
  w.printed();
  key(w.s, 'k');
  key(w.s, 'u');
  EXPECT_EQ(w.s.lesson, -1) << "a task taken back";
  EXPECT_EQ(w.printed(), kTypical);
  press(w.s, Button::kLeft, {1, 1});
  EXPECT_EQ(key(w.s, 'y') & kTaskSettled, 0u) << "nothing brought back under a vertex held";
  EXPECT_EQ(key(w.s, 'k'), kRedraw | kViewMoved) << "no lesson of a task held";
  EXPECT_EQ(w.s.lesson, -1);
  release(w.s, Button::kLeft);
  key(w.s, 'h');
  EXPECT_TRUE(key(w.s, 'k') && w.s.lesson == 0 && w.s.showSolution) << "k over the task alone";
  EXPECT_TRUE(key(w.s, 'h') && w.s.lesson == -1) << "h hides the lesson with the solution";
  key(w.s, 'k');
  EXPECT_EQ(key(w.s, 'q') & kQuit, kQuit);
}

}  // namespace
