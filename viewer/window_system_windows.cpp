#include <windows.h>

#include "viewer/window_system.h"

bool windowGone() {
  return IsWindow(WindowFromDC(wglGetCurrentDC())) == FALSE;
}

void syncWindowSystem() {
  GdiFlush();
}
