#include "app/task_history.h"

#include <algorithm>
#include <cstring>

#include "app/lesson_frame.h"
#include "app/output.h"
#include "app/report.h"
#include "solver/solve.h"

TaskHistory gTasks;

namespace {

// Whether two tasks have the same coordinates, to the bit (a negative zero differs).
bool sameCoordinates(const Point a[6], const Point b[6]) {
  for (int k = 0; k < 6; ++k) {
    if (std::memcmp(&a[k].x, &b[k].x, sizeof(float)) != 0 ||
        std::memcmp(&a[k].y, &b[k].y, sizeof(float)) != 0) {
      return false;
    }
  }
  return true;
}

}  // namespace

void TaskHistory::start(const Point t1[3], const Point t2[3], std::FILE* out) {
  out_ = out;
  std::copy(t1, t1 + 3, settled_.v);
  std::copy(t2, t2 + 3, settled_.v + 3);
  earlier_.clear();
  later_.clear();
  show(settled_);
}

void TaskHistory::show(const Vertices& task) {
  const Solution solution = solveTask(task.v, task.v + 3);
  showInScene(task.v, task.v + 3, solution);
  static_cast<Solution&>(shown_) = solution;
  std::copy(task.v, task.v + 3, shown_.t1);
  std::copy(task.v + 3, task.v + 6, shown_.t2);
}

void TaskHistory::tell() const {
  const std::string line = taskLine(shown_.t1, shown_.t2);
  const std::string results = reportText(shown_);
  if (out_ == stdout) {
    queueTask(line, results);  // the window never waits for standard output
  } else {
    std::fprintf(out_, "%s\n%s", line.c_str(), results.c_str());
    std::fflush(out_);
  }
}

void TaskHistory::tryTask(const Point v[6]) {
  Vertices task;
  std::copy(v, v + 6, task.v);
  show(task);
}

bool TaskHistory::settle() {
  Vertices task;
  std::copy(shown_.t1, shown_.t1 + 3, task.v);
  std::copy(shown_.t2, shown_.t2 + 3, task.v + 3);
  if (sameCoordinates(task.v, settled_.v)) return false;
  earlier_.push_back(settled_);
  later_.clear();
  settled_ = task;
  tell();
  return true;
}

bool TaskHistory::takeBack() {
  return stepTo(&earlier_, &later_);
}

bool TaskHistory::bringBack() {
  return stepTo(&later_, &earlier_);
}

bool TaskHistory::stepTo(std::vector<Vertices>* from, std::vector<Vertices>* to) {
  if (from->empty()) return false;
  to->push_back(settled_);
  settled_ = from->back();
  from->pop_back();
  show(settled_);
  tell();
  return true;
}

namespace {

// The lesson of the task shown: the number of its steps, and step k, kept within them.
int shownLessonStep(int k, LessonFrame* frame) {
  const Task& task = gTasks.shown();
  const Lesson lesson = lessonOf(task.t1, task.t2);
  if (frame != nullptr) *frame = lessonFrameOf(lesson, std::max(0, std::min(k, lesson.count - 1)));
  return lesson.count;
}

}  // namespace

TaskControl startTasks(const Point t1[3], const Point t2[3], std::FILE* out) {
  gTasks.start(t1, t2, out);
  return {[]() -> const Task& { return gTasks.shown(); },
          [](const Point v[6]) { gTasks.tryTask(v); },
          []() { return gTasks.settle(); },
          []() { return gTasks.takeBack(); },
          []() { return gTasks.bringBack(); },
          writeQueued,
          endRun,
          shownLessonStep};
}
