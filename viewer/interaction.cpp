#include "viewer/interaction.h"

#include <algorithm>
#include <cmath>

#include "viewer/drag.h"

namespace {

constexpr float kZoomStep = 0.8f;  // + brings the camera this much closer
constexpr float kPanStep = 0.1f;   // an arrow moves by this much of the distance

// The task's vertices, T1's then T2's.
void verticesOf(const Task& task, Point v[6]) {
  std::copy(task.t1, task.t1 + 3, v);
  std::copy(task.t2, task.t2 + 3, v + 3);
}

// How far, on the plane, a point may lie from the pointer to be under it.
double reachOnPlane(const WindowState& s) {
  return kGrabRadius * 2 * halfHeightSeen(s.view) / s.height;
}

// Of points[0..count), the one within reach of the pointer, or -1.
int markUnderPointer(const WindowState& s, const Point points[], int count) {
  if (!s.pointerIn) return -1;
  double x[kMaxCandidates > 6 ? kMaxCandidates : 6], y[kMaxCandidates > 6 ? kMaxCandidates : 6];
  count = std::min(count, kMaxCandidates);
  for (int k = 0; k < count; ++k) {
    x[k] = points[k].x;
    y[k] = points[k].y;
  }
  return nearestWithin(x, y, count, s.pointer.x, s.pointer.y, reachOnPlane(s));
}

int vertexUnderPointer(const WindowState& s) {
  Point v[6];
  verticesOf(s.tasks.shown(), v);
  return markUnderPointer(s, v, 6);
}

// The candidate under the pointer becomes hot; a change is to be drawn.
unsigned hover(WindowState& s) {
  const Task& task = s.tasks.shown();
  const int hot = s.showSolution ? markUnderPointer(s, task.candidates, candidateTotal(task)) : -1;
  const unsigned changed = hot != s.hot ? kRedraw : 0;
  s.hot = hot;
  return changed;
}

// The camera moves; the pointer stays on its pixel, over another plane point.
void setView(WindowState& s, Camera view) {
  if (s.pointerIn) {
    const Vec pixel = windowPointOf(s.view, s.width, s.height, s.pointer);
    s.pointer = planePointAt(view, s.width, s.height, pixel);
  }
  s.view = view;
}

// The vertex held moves to the pointer, snapped; a new place makes a new task on the screen.
unsigned drag(WindowState& s) {
  if (!std::isfinite(s.pointer.x) || !std::isfinite(s.pointer.y)) return 0;
  const double step = dragStep(s.view, aspectOf(s), s.showGrid);
  const Point moved = makePoint(snapped(s.pointer.x, step), snapped(s.pointer.y, step));
  Point v[6];
  verticesOf(s.tasks.shown(), v);
  if (samePlace(moved, v[s.active])) return 0;
  v[s.active].x = moved.x;
  v[s.active].y = moved.y;
  s.tasks.tryTask(v);
  s.lesson = -1;  // the steps shown belong to the task shown
  s.keepSides = true;
  return kRedraw | kTaskChanged | hover(s);
}

// The vertex held is dropped: the task is settled.
unsigned drop(WindowState& s) {
  if (s.active < 0) return 0;
  s.active = -1;
  return kRedraw | (s.tasks.settle() ? kTaskSettled : 0);
}

// What a key of the table does to the view and to what is shown.
unsigned act(WindowState& s, Action action, int code) {
  Point lo, hi;
  switch (action) {
    case Action::kClose:
      return drop(s) | kQuit;
    case Action::kTakeBack:
    case Action::kBringBack:
      if (s.active >= 0) return 0;  // the task held is not settled yet
      if (!(action == Action::kTakeBack ? s.tasks.takeBack() : s.tasks.bringBack())) return 0;
      s.lesson = -1;
      return kTaskSettled | kTaskChanged;
    case Action::kFit:
      if (drawnBox(&lo, &hi)) setView(s, fitView(s, lo, hi));
      return 0;
    case Action::kZoomIn:
    case Action::kZoomOut:
      setView(s, zoomed(s.view, action == Action::kZoomIn ? kZoomStep : 1 / kZoomStep));
      return 0;
    case Action::kPan: {
      const float right = code == kArrowRight ? kPanStep : code == kArrowLeft ? -kPanStep : 0;
      const float up = code == kArrowUp ? kPanStep : code == kArrowDown ? -kPanStep : 0;
      setView(s, panned(s.view, right, up));
      return 0;
    }
    case Action::kFirstView:
      setView(s, s.firstView);
      return 0;
    case Action::kWords:
      s.showWords = !s.showWords;
      return 0;
    case Action::kGrid:
      s.showGrid = !s.showGrid;
      return 0;
    case Action::kOrigins:
      s.showOrigins = !s.showOrigins;
      return 0;
    case Action::kSolution:  // the task alone has no lesson: the lesson finds the solution
      s.showSolution = !s.showSolution;
      if (!s.showSolution) s.lesson = -1;
      return 0;
    case Action::kSave:
      return kSave;
    case Action::kLesson:
      if (s.active >= 0) return 0;  // a task held is not settled yet
      s.lesson = 0;
      s.showSolution = true;
      return 0;
    case Action::kStep:
    case Action::kNone:
      break;
  }
  return 0;
}

// The lesson's step `to`, kept within its steps.
void stepTo(WindowState& s, int to) {
  const int last = s.tasks.lessonStep(0, nullptr) - 1;
  s.lesson = std::max(0, std::min(to, last));
}

// What a key does while the lesson is shown; false for a key that does what it does elsewhere.
bool lessonKey(WindowState& s, int code) {
  switch (code) {
    case kArrowRight:
    case kArrowDown:
    case ' ':
      stepTo(s, s.lesson + 1);
      return true;
    case kArrowLeft:
    case kArrowUp:
    case kBackspace:
      stepTo(s, s.lesson - 1);
      return true;
    case kHome:
      stepTo(s, 0);
      return true;
    case kEnd:
      stepTo(s, s.tasks.lessonStep(0, nullptr) - 1);
      return true;
    case kEscape:
    case 'k':
      s.lesson = -1;
      return true;
    default:
      return false;
  }
}

}  // namespace

WindowState openState(Camera first, int width, int height, TaskControl tasks) {
  WindowState s;
  s.tasks = tasks;
  s.firstView = s.view = first;
  resize(s, width, height);
  std::fill(s.sides, s.sides + kMaxLabels, -1);
  return s;
}

Vec planePointOfPixel(const WindowState& s, int x, int y) {
  return planePointAt(s.view, s.width, s.height, {x + 0.5, s.height - y - 0.5});
}

unsigned press(WindowState& s, Button button, Vec at) {
  s.pointer = at;
  s.pointerIn = true;
  if (button != Button::kLeft || s.active >= 0) return 0;
  s.active = vertexUnderPointer(s);
  if (s.active < 0) return 0;
  s.keepSides = true;
  return kRedraw;
}

unsigned move(WindowState& s, Vec at) {
  s.pointer = at;
  s.pointerIn = true;
  return s.active < 0 ? hover(s) : drag(s);
}

unsigned release(WindowState& s, Button button) {
  return button == Button::kLeft ? drop(s) : 0;
}

unsigned key(WindowState& s, int code) {
  if (s.lesson >= 0 && lessonKey(s, code)) return kRedraw | hover(s);
  const KeyRow* row = keyRowOf(code);
  if (row == nullptr) return 0;
  const unsigned changed = act(s, row->action, code);
  if (changed & (kQuit | kSave)) return changed;  // a frame saved is the one shown
  s.keepSides = false;                            // after a key the names are placed afresh
  return changed | kRedraw | kViewMoved | hover(s);
}

unsigned wheel(WindowState& s, Vec at, int clicks) {
  if (clicks == 0 || !std::isfinite(at.x) || !std::isfinite(at.y)) return 0;
  const Camera before = s.view;
  Camera view = zoomed(before, std::pow(kZoomStep, float(clicks)));
  const double factor = double(view.distance) / before.distance;
  view.cx = float(at.x + (before.cx - at.x) * factor);
  view.cy = float(at.y + (before.cy - at.y) * factor);
  s.view = view;
  s.pointer = at;
  s.pointerIn = true;
  s.keepSides = false;
  return kRedraw | kViewMoved | hover(s);
}

unsigned closeWindow(WindowState& s) {
  return drop(s) | kQuit;
}

unsigned leave(WindowState& s) {
  s.pointerIn = false;
  return hover(s);
}

unsigned resize(WindowState& s, int width, int height) {
  s.width = std::max(width, 1);
  s.height = std::max(height, 1);
  s.keepSides = false;
  return kRedraw | kViewMoved;
}

void framed(WindowState& s, const int sides[kMaxLabels], int wordsTop) {
  std::copy(sides, sides + kMaxLabels, s.sides);
  s.wordsTop = wordsTop;
}

Camera fitView(const WindowState& s, Point lo, Point hi) {
  const int top = s.showWords ? std::clamp(s.wordsTop, 0, s.height - 1) : 0;
  const int room = s.height - top;
  Camera view = fitting(lo, hi, double(s.width) / room);
  // That view fills a window of the room's height: the whole window shows more, and the box
  // stands half the words' height lower.
  view.distance = float(view.distance * double(s.height) / room);
  view.cy = float(view.cy + top * halfHeightSeen(view) / s.height);
  return view;
}

bool overVertex(const WindowState& s) {
  return vertexUnderPointer(s) >= 0;
}

double aspectOf(const WindowState& s) {
  return double(s.width) / s.height;
}
