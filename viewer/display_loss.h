// The display's loss: where the window system's connection breaks (the X server ends), at any
// moment, even inside a call of GLUT's or OpenGL's.
#pragma once

// From now on, where the connection to the display breaks, words go to standard error and lost
// is called, which must not return: the process ends without the clean-up at exit, which would
// wait on the broken connection. A library that faults on the broken connection instead (Mesa's
// GLX does, where the server ends while the window is being made) ends the run the same way,
// without lost. Windows has no such connection to lose.
void onDisplayLost(const char* words, void (*lost)());
