// One send click with 0, 100, 1,000 and 10,000 entries already in the
// transcript, on the real window (offscreen platform). Each click's entry
// is removed again outside the timed part, so every iteration clicks on a
// transcript of the same size.

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QElapsedTimer>
#include <QTextDocument>

#include <benchmark/benchmark.h>

#include "app/codepage.h"
#include "app/control_ref.h"
#include "app/main_window.h"
#include "app/program.h"
#include "app/properties.h"
#include "app/shell.h"
#include "bench/thread_clock.h"
#include "bench/transcript_filler.h"
#include "transcript/rich_edit.h"

namespace chatmock::bench {
namespace {

constexpr PropertyIndex kText = 8;      // edit box
constexpr PropertyIndex kContext = 9;   // rich edit box
constexpr PropertyIndex kChecked = 18;  // radio box
constexpr int kSettleMs = 200;
const int kTranscriptSizes[] = {0, 100, 1000, 10000};

RichEdit& Transcript() {
  MainWindow* window = FindLoadedWindow(kMainWindowId);
  return *static_cast<RichEdit*>(window->FindControl(controls::超级编辑框1.control)->widget.data());
}

void WriteText(ControlRef box, PropertyIndex index, const char* utf8) {
  const TextValue text = TextFromQString(QString::fromUtf8(utf8));
  WriteProperty(box, index, kWholeValue, text);
}

// What a person would have typed before pressing send.
void TypeTheMessage() {
  WriteText(controls::编辑框2, kText, "小红");
  WriteText(controls::编辑框3, kText, "小明");
  WriteText(controls::超级编辑框2, kContext, "今天下午三点在会议室见，别忘了带上周的资料。");
  WriteProperty(controls::单选框1, kChecked, kWholeValue, 1);
}

// Lets the layout and the repaint of a fresh transcript finish before timing.
void Settle(RichEdit& transcript) {
  transcript.document()->documentLayout()->documentSize();
  QElapsedTimer waited;
  waited.start();
  while (waited.elapsed() < kSettleMs) QApplication::processEvents(QEventLoop::AllEvents, kSettleMs);
}

int& FilledEntries() {
  static int entries = -1;
  return entries;
}

void SendClick(benchmark::State& state, int entries, bool withRepaint) {
  RichEdit& transcript = Transcript();
  if (FilledEntries() != entries) {
    if (!FillTranscript(transcript, entries)) {
      state.SkipWithError("the transcript does not hold the entries asked for");
      return;
    }
    FilledEntries() = entries;
    Settle(transcript);
  }
  double wall = 0;
  for (auto _ : state) {
    const int end = TranscriptEnd(transcript);
    const double wallStart = WallSeconds();
    const double cpuStart = ThreadCpuSeconds();
    ClickSend();
    // The entry is on the screen once the posted layout and paint are done.
    if (withRepaint) QApplication::processEvents();
    state.SetIterationTime(ThreadCpuSeconds() - cpuStart);
    wall += WallSeconds() - wallStart;
    TruncateTranscript(transcript, end);
    QApplication::processEvents();
  }
  state.counters["entries"] = entries;
  state.counters["wall_us"] = benchmark::Counter(wall * 1e6, benchmark::Counter::kAvgIterations);
}

void RegisterSizes() {
  for (const bool withRepaint : {false, true}) {
    for (const int entries : kTranscriptSizes) {
      const std::string name =
          std::string("posting/") + (withRepaint ? "click_and_repaint/" : "handler/") + std::to_string(entries);
      benchmark::RegisterBenchmark(name.c_str(), SendClick, entries, withRepaint)
          ->UseManualTime()
          ->Unit(benchmark::kMicrosecond);
    }
  }
}

}  // namespace
}  // namespace chatmock::bench

int main(int argc, char** argv) {
  using namespace chatmock;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  // The start of StartProgram, without its event loop: the benchmark drives the events.
  InitRuntime();
  InitProgram();
  SetExitRoutine(&EndProgram);
  LoadWindow(kMainWindowId);
  bench::TypeTheMessage();
  bench::RegisterSizes();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return FinishRun(0);
}
