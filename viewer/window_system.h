// What the window asks of the window system beneath GLUT, where GLUT has no call for it: one
// source for X11, one for Windows.
#pragma once

// Whether another client has destroyed the current window (xdotool windowclose, a window
// manager's kill) while GLUT still waits for its events. Once it has, the window system's
// complaints about that window are ignored.
bool windowGone();

// Waits until the window system has carried out every request sent to it so far.
void syncWindowSystem();
