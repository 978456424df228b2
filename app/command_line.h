// The command line: help, or the options GLUT takes, and nothing else.
#pragma once

#include <cstdio>

// What the command line asks for: the program's run (with the steps of the rules printed after
// the results: --koraci), its help, or neither (a word it does not take, named in *refused).
enum class Invocation { kRun, kRunWithSteps, kHelp, kRefused };
Invocation readCommandLine(int argc, char** argv, const char** refused);

// What the program does, how to type a point, how to pipe a task, the keys and the mouse.
void printHelp(std::FILE* out);

// One line on how to start the program.
void printUsage(std::FILE* out);
