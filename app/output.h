// Standard output, checked: the results of the typed task go out through the C library and are
// checked once flushed; once the window is open, each settled task's lines are queued and written
// as the output takes them, so that a pipe nobody reads never stops the window. What cannot be
// written is said once on standard error, and the run then ends with kLostOutput.
#pragma once

#include <string>

// The status of a run whose standard output could not take all that was written to it.
constexpr int kLostOutput = 3;

// Flushes what the C library holds for standard output; false (said on standard error) where
// standard output has not taken all of it.
bool flushStandardOutput();

// Queues a settled task's lines, named by its task line, and writes what the output takes now.
void queueTask(const std::string& taskLine, const std::string& lines);

// Writes what the output takes now of the queue, without waiting.
void writeQueued();

// Ends the run at once with status, or kLostOutput where output was lost, once the queue is
// written where it can be; nothing else is cleaned up at exit.
[[noreturn]] void endRun(int status);

// Waits a little for the output to take the rest of the queue; false where some of it, or
// anything before, was lost (each task not written is named on standard error).
bool finishOutput();
