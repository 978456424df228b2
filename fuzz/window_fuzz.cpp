// Random sequences of the window's operations (presses of any button, moves anywhere, releases
// without a press, keys, the wheel, leaving, resizes down to one pixel) on a task from the
// input. Each step keeps the task valid; exactly one block is printed for each settled change,
// and it tells the task that a plain history of settled tasks (take back, bring back) expects:
// nothing printed twice, nothing lost.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/report.h"
#include "app/task_history.h"
#include "solver/solve.h"

namespace {

void check(bool ok, const char* what) {
  if (!ok) {
    std::fprintf(stderr, "broken: %s\n", what);
    std::abort();
  }
}

// What the console prints when the task is settled.
std::string block(const Task& task) {
  char* text = nullptr;
  size_t length = 0;
  std::FILE* out = open_memstream(&text, &length);
  std::fprintf(out, "%s\n", taskLine(task.t1, task.t2).c_str());
  printReport(solveTask(task.t1, task.t2), out);
  std::fclose(out);
  std::string printed(text, length);
  std::free(text);
  return printed;
}

// The input, a byte at a time; zeros once it ends.
struct Bytes {
  const std::uint8_t* data;
  size_t size;
  int next() { return size > 0 ? (--size, *data++) : 0; }
};

constexpr int kCodes[] = {'u', 'y', 'f',        '+',         '=',      '-',        'r', 'l',
                          'g', 'o', kArrowLeft, kArrowRight, kArrowUp, kArrowDown, 'x', 'q',
                          'k', ' ', kBackspace, kHome,       kEnd,     kEscape};

// One operation from the input; *action says which key it was, where it was one.
unsigned step(WindowState& s, Bytes& in, Action* action) {
  const int op = in.next() % 8;
  const int far = in.next(), x = in.next(), y = in.next();
  const Vec at =
      far == 255 ? Vec{1e30 * (x - 128), NAN} : planePointOfPixel(s, x * 5 - 100, y * 4 - 100);
  const Button button = op % 2 ? Button::kLeft : Button::kOther;
  *action = Action::kNone;
  if (op < 2) return press(s, button, at);
  if (op < 4) return release(s, button);
  if (op == 5) return wheel(s, at, in.next() % 7 - 3);
  if (op == 6) return in.next() % 4 ? move(s, at) : leave(s);
  if (op == 7) return resize(s, x * 5, y * 4);
  const int code = kCodes[in.next() % (sizeof kCodes / sizeof kCodes[0])];
  if (keyRowOf(code) != nullptr) *action = keyRowOf(code)->action;
  return key(s, code);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  Bytes in{data, size};
  Point t[6];
  for (Point& v : t) v = makePoint(in.next() % 11 - 3, in.next() % 11 - 3);
  char* text = nullptr;
  size_t length = 0, read = 0;
  std::FILE* out = open_memstream(&text, &length);
  resetScene();
  const TaskControl tasks = startTasks(t, t + 3, out);
  Point lo, hi;  // a view that the task fills, so that presses meet its vertices
  drawnBox(&lo, &hi);
  WindowState s = openState(fitting(lo, hi, 1.5), 600, 400, tasks);
  std::vector<std::string> settled = {block(s.tasks.shown())};  // each settled task's block
  size_t at = 0;                                                // the one on the screen
  for (int steps = 0; in.size > 0 && steps < 200; ++steps) {
    Action action;
    const unsigned changed = step(s, in, &action);
    std::fflush(out);
    const std::string printed(text + read, length - read), shown = block(s.tasks.shown());
    read = length;
    if (changed & kTaskSettled) {
      if (action == Action::kTakeBack) {
        check(at-- > 0, "take back only past the typed task");
      } else if (action == Action::kBringBack) {
        check(++at < settled.size(), "bring back only what was taken back");
      } else {
        settled.resize(++at);
        settled.push_back(shown);
      }
      check(printed == settled[at] && shown == settled[at], "one block: the settled task's");
    } else {
      check(printed.empty(), "nothing printed without a settled change");
    }
    if (s.active < 0) check(shown == settled[at], "nothing unsettled on the screen");
    const Task& task = s.tasks.shown();
    for (const Point& v :
         {task.t1[0], task.t1[1], task.t1[2], task.t2[0], task.t2[1], task.t2[2]}) {
      check(std::fabs(v.x) <= kMaxCoordinate && std::fabs(v.y) <= kMaxCoordinate, "a task");
    }
    check(s.lesson >= -1 && s.lesson < s.tasks.lessonStep(0, nullptr), "a step of the lesson");
    check(s.hot < candidateTotal(task) && s.active < 6 && s.width > 0 && s.height > 0 &&
              std::isfinite(s.view.cx + s.view.cy) && s.view.distance > 0,
          "state");
    if (changed & kQuit) break;
  }
  std::fclose(out);
  std::free(text);
  return 0;
}
