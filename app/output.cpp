#include "app/output.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <deque>

#include "app/platform.h"

namespace {

constexpr int kFinalWaitMs = 2000;  // how long the end of a run waits for a slow reader

struct QueuedTask {
  std::string name;  // its task line
  std::string text;
  std::size_t written;
};

struct Output {
  std::deque<QueuedTask> queue;
  bool lost = false;
};
Output gOutput;

// The first loss is said; the run's status will say it too.
void lose() {
  if (!gOutput.lost) {
    std::fprintf(stderr, "Greska: standardni izlaz ne prima ispis (%s); ispis je izgubljen.\n",
                 lastErrorInWords().c_str());
  }
  gOutput.lost = true;
}

// Says on standard error which tasks were not written, and lets them go.
void dropQueue() {
  for (const QueuedTask& task : gOutput.queue) {
    std::fprintf(stderr, "Nije ispisano: %s\n", task.name.c_str());
  }
  gOutput.queue.clear();
}

}  // namespace

bool flushStandardOutput() {
  if (std::fflush(stdout) != 0 || std::ferror(stdout)) lose();
  return !gOutput.lost;
}

void queueTask(const std::string& taskLine, const std::string& lines) {
  gOutput.queue.push_back({taskLine, taskLine + "\n" + lines, 0});
  writeQueued();
}

void writeQueued() {
  while (!gOutput.queue.empty()) {
    QueuedTask& task = gOutput.queue.front();
    const Written done =
        writeStandardOutputNow(task.text.data() + task.written, task.text.size() - task.written);
    task.written += done.bytes;
    if (done.failed) {
      lose();
      dropQueue();
      return;
    }
    if (task.written < task.text.size()) return;  // the output takes no more for now
    gOutput.queue.pop_front();
  }
}

bool finishOutput() {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kFinalWaitMs);
  while (!gOutput.queue.empty() && std::chrono::steady_clock::now() < deadline) {
    if (waitForStandardOutput(50)) writeQueued();
  }
  if (!gOutput.queue.empty()) {
    errno = EAGAIN;
    lose();
    dropQueue();
  }
  return !gOutput.lost;
}

void endRun(int status) {
  const bool written = finishOutput();
  std::fflush(stderr);
  std::_Exit(written ? status : kLostOutput);
}
