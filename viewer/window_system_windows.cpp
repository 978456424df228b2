#include <windows.h>

#include "viewer/window_system.h"

bool windowGone() {
  return IsWindow(WindowFromDC(wglGetCurrentDC())) == FALSE;
}

void syncWindowSystem() {
  GdiFlush();
}

void onDisplayLost(const char*, void (*)()) {}  // no connection to lose
