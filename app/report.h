// The second half of the dialogue: the overlap polygon solved, printed on the console, and shown
// in the scene. The typed task and every task the window makes by dragging take the same path.
#pragma once

#include <cstdio>
#include <string>

#include "geometry/geometry.h"
#include "solver/solution.h"

// The three counts and, where there are two or more candidates, the polygon, as the console
// prints them.
std::string reportText(const Solution& solution);
void printReport(const Solution& solution, std::FILE* out);

// Makes the scene show the task and nothing else: both triangles in black, the candidates as
// red points, and the polygon's red outline.
void showInScene(const Point t1[3], const Point t2[3], const Solution& solution);

// Solves for t1 and t2, prints the result to out, and shows the task in the scene.
Solution reportOverlap(const Point t1[3], const Point t2[3], std::FILE* out);

// "Koraci:" and the steps of the rules for t1 and t2, numbered, one a line.
std::string lessonText(const Point t1[3], const Point t2[3]);

// "Zadatak: " and the twelve coordinates in the prompts' order, each the shortest decimal that
// reads back to the same single-precision number.
std::string taskLine(const Point t1[3], const Point t2[3]);
