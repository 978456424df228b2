#include <GL/glx.h>

#include "viewer/window_system.h"

namespace {

int ignoreXError(Display*, XErrorEvent*) {
  return 0;
}

}  // namespace

bool windowGone() {
  Display* display = glXGetCurrentDisplay();
  const GLXDrawable window = glXGetCurrentDrawable();
  XErrorHandler previous = XSetErrorHandler(ignoreXError);
  XWindowAttributes attributes;
  if (XGetWindowAttributes(display, window, &attributes) == 0) {
    return true;  // errors stay ignored: GLUT's clean-up of the window that is gone fails too
  }
  XSetErrorHandler(previous);
  return false;
}

void syncWindowSystem() {
  XSync(glXGetCurrentDisplay(), False);
}
