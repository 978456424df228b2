#include "viewer/display_loss.h"

void onDisplayLost(const char*, void (*)()) {}
