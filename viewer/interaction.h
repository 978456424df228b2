// The window's interaction as one state and the named operations that change it. The GLUT
// callbacks turn a pixel into a plane point once and call one operation; drawing only reads
// the state. Nothing here draws, so the operations run without a window.
#pragma once

#include "scene/labels.h"
#include "scene/lesson_frame.h"
#include "scene/scene.h"
#include "viewer/camera.h"
#include "viewer/keys.h"

// What the window may do to the task. app/ hands these over: the task and its history live
// there, the one place where a settled task is printed.
struct TaskControl {
  const Task& (*shown)();             // the task on the screen
  void (*tryTask)(const Point v[6]);  // a dragged vertex moved: v (T1, then T2) solved, shown
  bool (*settle)();                   // the vertex dropped: a new task is told; whether it was
  bool (*takeBack)();                 // the settled task before comes back and is told
  bool (*bringBack)();                // what takeBack took back comes back and is told
  void (*flush)();                    // what the output takes now of the tasks told is written
  void (*end)(int status);            // the run ends now, its tasks told written where they can be
  // The lesson of the task on the screen: the number of its steps, and step k (clamped to them)
  // in *frame where frame is given.
  int (*lessonStep)(int k, LessonFrame* frame);
};

// What an operation changed, as bits of its answer.
constexpr unsigned kRedraw = 1;       // the frame
constexpr unsigned kViewMoved = 2;    // the camera or the window's size: the projection set again
constexpr unsigned kTaskChanged = 4;  // the task on the screen
constexpr unsigned kTaskSettled = 8;  // a task was told to the console
constexpr unsigned kQuit = 16;        // the window is to close
constexpr unsigned kSave = 32;        // the frame is to be saved as a handout

// A mouse button; the wheel comes as clicks of its own.
enum class Button { kLeft, kOther };

// The state of the window: the view, its size, what is shown, the pointer, the candidate under
// it (hot), the vertex held (active), and the side each name took in the last frame.
struct WindowState {
  TaskControl tasks{};
  Camera firstView{}, view{};
  int width = kWindowWidth, height = kWindowHeight;
  bool showWords = true, showGrid = false, showOrigins = false;
  bool showSolution = true;  // false: the task alone, as a handout without its solution
  bool pointerIn = false;
  Vec pointer{};               // the plane point under the pointer, while it is in the window
  int hot = -1;                // the candidate under the pointer, or -1
  int active = -1;             // the vertex held (0..5, T1 then T2), or -1
  bool keepSides = false;      // each name keeps the side it had, where that is still clear
  int sides[kMaxLabels] = {};  // by the name's id, the side it took (-1: not shown)
  int wordsTop = 0;            // pixels the words take at the top of the window
  int lesson = -1;             // the lesson's step shown, or -1: the lesson is not shown
};

// The state of a window of the given size that opens over the camera `first`.
WindowState openState(Camera first, int width, int height, TaskControl tasks);

// The plane point at GLUT's pixel (x, y), counted from the top-left corner.
Vec planePointOfPixel(const WindowState& s, int x, int y);

// A press at plane point `at`: the left button takes the triangle vertex within reach.
unsigned press(WindowState& s, Button button, Vec at);

// The pointer at `at`: the vertex held follows it, snapped to a round step; the candidate under
// it is hot.
unsigned move(WindowState& s, Vec at);

// A release: the left button drops the vertex held, which settles the task.
unsigned release(WindowState& s, Button button);

// A key by its code (a character, kEscape, an arrow); keys outside the table change nothing.
// While the lesson is shown, the arrows, space, Backspace, Home and End step through it, and
// Esc or k leaves it; a new task on the screen leaves it too.
unsigned key(WindowState& s, int code);

// The wheel turned by `clicks` (up > 0) with the pointer at `at`: a zoom that keeps that plane
// point under the pointer.
unsigned wheel(WindowState& s, Vec at, int clicks);

// The window is closed other than by its keys (its title bar, another client): the vertex held
// is dropped first, so that nothing is lost.
unsigned closeWindow(WindowState& s);

// The pointer leaves the window: nothing is hot.
unsigned leave(WindowState& s);

// The window's new size (a size of 0 counts as 1).
unsigned resize(WindowState& s, int width, int height);

// A frame's names took these sides (by id), kept while they still fit; its words took wordsTop
// pixels at the top.
void framed(WindowState& s, const int sides[kMaxLabels], int wordsTop);

// The view that shows the box lo..hi whole, centred in the room the words leave under them.
Camera fitView(const WindowState& s, Point lo, Point hi);

// Whether a press at the pointer would take a vertex (the cursor is then a hand).
bool overVertex(const WindowState& s);

// The width of the window over its height.
double aspectOf(const WindowState& s);
