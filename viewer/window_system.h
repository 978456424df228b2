// What the window asks of the window system beneath GLUT, where GLUT has no call for it: one
// source for X11, one for Windows.
#pragma once

// Whether another client has destroyed the current window (xdotool windowclose, a window
// manager's kill) while GLUT still waits for its events. Once it has, the window system's
// complaints about that window are ignored.
bool windowGone();

// Waits until the window system has carried out every request sent to it so far.
void syncWindowSystem();

// From now on, where the connection to the display breaks, words go to standard error and lost
// is called, which must not return: the process ends without the clean-up at exit, which would
// wait on the broken connection. A library that faults on the broken connection instead (Mesa's
// GLX does, where the server ends while the window is being made) ends the run the same way,
// without lost. Windows has no such connection to lose.
void onDisplayLost(const char* words, void (*lost)());
