// The lesson's steps as the window draws them.
#pragma once

#include "scene/lesson_frame.h"
#include "solver/lesson.h"

// Step k (0 <= k < lesson.count) of the lesson as the window draws it.
LessonFrame lessonFrameOf(const Lesson& lesson, int k);
