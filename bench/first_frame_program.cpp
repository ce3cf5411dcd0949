// The program as it starts, stopped by the benchmark after its first
// painted frame (and an optional rest): StartProgram's steps, with a watch
// on the first paint installed before the window is loaded.

#include "app/control_ref.h"
#include "app/program.h"
#include "app/shell.h"
#include "bench/first_paint_watch.h"

int main(int argc, char** argv) {
  using namespace chatmock;
  const int restMs = bench::RestMsFromArguments(argc, argv);
  InitRuntime();
  InitProgram();
  SetExitRoutine(&EndProgram);
  const bench::FirstPaintWatch watch(restMs);
  LoadWindow(kMainWindowId);
  RunEventLoop();
  return FinishRun(0);
}
