// The task the window shows and the settled tasks before and after it: what u takes back and
// y brings back. The one place where a task the window makes is printed.
#pragma once

#include <cstdio>
#include <vector>

#include "scene/scene.h"
#include "viewer/interaction.h"

class TaskHistory {
 public:
  // The typed task t1, t2, already printed: shown and settled, with nothing before or after it;
  // later tasks are printed to out.
  void start(const Point t1[3], const Point t2[3], std::FILE* out);

  const Task& shown() const { return shown_; }

  // A vertex dragged: the task v (T1, then T2) solved and shown, not printed.
  void tryTask(const Point v[6]);

  // The task shown, where it differs from the settled one, is settled and printed; whether it
  // was.
  bool settle();

  // The settled task before the last comes back, shown and printed; false where there is none.
  bool takeBack();

  // What takeBack took back comes back, shown and printed; false where there is none. A new
  // settled task forgets it.
  bool bringBack();

 private:
  struct Vertices {
    Point v[6];
  };
  // The last task of *from settles, shown and printed; the one it replaces goes to *to.
  bool stepTo(std::vector<Vertices>* from, std::vector<Vertices>* to);
  void show(const Vertices& task);
  void tell() const;

  std::FILE* out_ = stdout;
  Task shown_;
  Vertices settled_{};
  std::vector<Vertices> earlier_, later_;
};

// The history of this run's window, and the functions over it that the window is handed.
extern TaskHistory gTasks;
TaskControl startTasks(const Point t1[3], const Point t2[3], std::FILE* out);
