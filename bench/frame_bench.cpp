// The time from a motion event that drags a vertex to the frame that shows the new task: the
// task solved, the scene filled again, and the frame drawn with its names and on the X server.
// It needs a display (Xvfb will do):
//   printf '0 0 4 0 0 4 1 1 5 1 1 5' | build/bench/frame_bench
// reads the task as the program does, opens the window over it, takes T2.1, and moves it to and
// fro across the view, one frame an iteration.
#include <benchmark/benchmark.h>

#include <cstdio>

#include "app/report.h"
#include "app/task_history.h"
#include "scene/scene.h"
#include "viewer/viewer.h"

namespace {

void BM_DragFrame(benchmark::State& state) {
  grabVertex(3);
  int motion = 0;
  for (auto _ : state) {
    onMotion(400 + 40 * (motion++ % 2), 300);
    onDisplay();
    waitForFrame();
  }
}
BENCHMARK(BM_DragFrame)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  Point t[6];
  for (Point& v : t) {
    if (std::scanf("%f %f", &v.x, &v.y) != 2) return 2;
  }
  std::FILE* quiet = std::fopen("/dev/null", "w");
  reportOverlap(t, t + 3, quiet);
  benchmark::Initialize(&argc, argv);
  openViewer(argc, argv, startTasks(t, t + 3, quiet));
  onReshape(kWindowWidth, kWindowHeight);
  benchmark::RunSpecifiedBenchmarks();
  std::fclose(quiet);
  return 0;
}
