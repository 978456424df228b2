// The second half of the dialogue: the overlap polygon solved, printed on the console, and shown
// in the scene. The typed task and every task the window makes by dragging take the same path.
#pragma once

#include <cstdio>
#include <string>

#include "geometry/geometry.h"
#include "solver/candidates.h"

// What the report found: the candidates (crossings, vertices of T1 inside T2, vertices of T2
// inside T1) and the ring they form (m vertices and a closing copy of the first; m = 0 when
// there are fewer than two candidates).
struct Report {
  Point candidates[kMaxCandidates];
  Origin origins[kMaxCandidates];  // how each candidate was found
  int n = 0, p = 0, q = 0;
  int total = 0;
  Point polygon[kMaxCandidates + 1];
  int m = 0;
};

// Solves for t1 and t2; prints nothing and touches no scene.
Report solveOverlap(const Point t1[3], const Point t2[3]);

// The three counts and, where there are two or more candidates, the polygon, as the console
// prints them.
std::string reportText(const Report& report);
void printReport(const Report& report, std::FILE* out);

// Makes the scene show the task and nothing else: both triangles in black, the candidates as
// red points, the polygon's red outline, and the task in words for the window.
void showInScene(const Point t1[3], const Point t2[3], const Report& report);

// Solves for t1 and t2, prints the result to out, and shows the task in the scene.
Report reportOverlap(const Point t1[3], const Point t2[3], std::FILE* out);

// "Koraci:" and the steps of the rules for t1 and t2, numbered, one a line.
std::string lessonText(const Point t1[3], const Point t2[3]);

// "Zadatak: " and the twelve coordinates in the prompts' order, each the shortest decimal that
// reads back to the same single-precision number.
std::string taskLine(const Point t1[3], const Point t2[3]);

// The task the window has made (a drag, or a step back): shown in the scene, and, once it is
// settled, its task line and its result queued for standard output.
void retask(const Point t1[3], const Point t2[3], bool settled);
