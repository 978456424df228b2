// The window that shows the scene. Only this part of the program talks to OpenGL and GLUT.
#pragma once

// Opens the window over the finished scene and runs the GLUT main loop; never returns.
// Closing the window ends the process.
[[noreturn]] void runViewer(int argc, char** argv);

// Fits the projection to a new window size.
void onReshape(int width, int height);

// Draws one frame of the scene: circles, lines, segments, then points on top.
void onDisplay();
