#include "solver/lesson.h"
