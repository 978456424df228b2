// The window that shows the scene. Only this part of the program talks to OpenGL and GLUT.
#pragma once

#include "geometry/geometry.h"

// What the window calls when a drag or a step back makes t1, t2 the task: the scene is to show
// that task alone; once it is settled (the vertex dropped, or a drag taken back) the console is
// to be told too.
using TaskChanged = void (*)(const Point t1[3], const Point t2[3], bool settled);

// Opens the window over the finished scene, ready for GLUT's main loop; taskChanged solves the
// tasks that dragging makes.
void openViewer(int argc, char** argv, TaskChanged taskChanged);

// Opens the window and runs the GLUT main loop; never returns. Closing the window ends the
// process.
[[noreturn]] void runViewer(int argc, char** argv, TaskChanged taskChanged);

// Fits the projection to a new window size.
void onReshape(int width, int height);

// Draws one frame of the scene: circles, lines, segments, then points on top.
void onDisplay();

// A left press within kGrabRadius pixels of a triangle's vertex takes the nearest; the release
// drops it. (x, y) are GLUT's pixels, from the top-left corner.
void onMouse(int button, int state, int x, int y);

// A vertex taken follows the plane point under the cursor, snapped to a round step.
void onMotion(int x, int y);

// Takes vertex k (0..5, T1 then T2; -1 takes none) as a left press at its mark does.
void grabVertex(int k);

// Waits until the frame drawn last is on the screen.
void waitForFrame();
