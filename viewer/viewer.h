// The window that shows the scene. Only this part of the program talks to OpenGL and GLUT.
#pragma once

#include "viewer/interaction.h"

// Opens the window over the finished scene, ready for GLUT's main loop; tasks are what the
// window may do to the task (solve what a drag makes, settle it, take it back, bring it back).
void openViewer(int argc, char** argv, TaskControl tasks);

// Opens the window and runs the GLUT main loop; never returns. Closing the window ends the
// process.
[[noreturn]] void runViewer(int argc, char** argv, TaskControl tasks);

// Fits the projection to a new window size.
void onReshape(int width, int height);

// Draws one frame of the scene and shows it.
void onDisplay();

// Draws one frame into the back buffer: the grid, circles, lines, segments, then points on top,
// and the words.
void drawFrame();

// A left press within kGrabRadius pixels of a triangle's vertex takes the nearest; the release
// drops it; the wheel zooms about the pointer. (x, y) are GLUT's pixels, from the top-left
// corner.
void onMouse(int button, int state, int x, int y);

// A vertex taken follows the plane point under the cursor, snapped to a round step.
void onMotion(int x, int y);

// Takes vertex k (0..5, T1 then T2) as a left press at its mark does.
void grabVertex(int k);

// Waits until the frame drawn last is on the screen.
void waitForFrame();
