// Idle cost: the program's window left alone for a while, at rest or with
// an animated show picture of 50 ms frames in 图片框3. CPU time and context
// switches come from getrusage for the whole process; the event census
// tells which objects received timer events.
//
// "rest" starts measuring once the caret has stopped blinking (a while
// after the last input), "rest-from-start" two seconds after the window
// showed, so that the blinking before the caret rests is counted too.
//
//   chatmock_bench_idle rest|rest-from-start|animated SECONDS OUT.json

#include <sys/resource.h>

#include <QApplication>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>

#include "app/caret_rest.h"
#include "app/control_ref.h"
#include "app/main_window.h"
#include "app/program.h"
#include "app/properties.h"
#include "app/shell.h"
#include "app/values.h"
#include "bench/event_census.h"
#include "bench/show_gif.h"
#include "bench/thread_clock.h"

namespace chatmock::bench {
namespace {

constexpr PropertyIndex kPicture = 10;  // picture box
constexpr int kFiftyMsCs = 5;
constexpr auto kSettle = std::chrono::seconds(2);
constexpr double kMsPerSecond = 1000.0;

std::chrono::milliseconds SettleTime(const std::string& mode) {
  if (mode == "rest") return std::chrono::milliseconds(kCaretRestMs) + kSettle;
  return kSettle;
}

struct Usage {
  double wallMs = 0;
  double cpuMs = 0;
  long voluntary = 0;
  long involuntary = 0;
};

Usage Now() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  const auto ms = [](const timeval& t) { return t.tv_sec * kMsPerSecond + t.tv_usec / kMsPerSecond; };
  return Usage{WallSeconds() * kMsPerSecond, ms(usage.ru_utime) + ms(usage.ru_stime), usage.ru_nvcsw,
               usage.ru_nivcsw};
}

QWidget* ShowBox() {
  return FindLoadedWindow(kMainWindowId)->FindControl(controls::图片框3.control)->widget.data();
}

void StartAnimation() {
  const std::vector<std::uint8_t> gif = MakeShowGif(kShowFrames, kFiftyMsCs);
  const ByteValue bytes = ByteValue::Copy(gif);
  WriteProperty(controls::图片框3, kPicture, kWholeValue, bytes);
}

void WriteJson(const std::string& path, const std::string& mode, const Usage& begin, const Usage& end,
               const EventCensus& census) {
  const double wall = end.wallMs - begin.wallMs;
  const double cpu = end.cpuMs - begin.cpuMs;
  std::ofstream out(path);
  out << "{\n  \"mode\": \"" << mode << "\",\n  \"wall_ms\": " << wall << ",\n  \"cpu_ms\": " << cpu
      << ",\n  \"cpu_percent_of_one_core\": " << 100.0 * cpu / wall
      << ",\n  \"voluntary_switches\": " << end.voluntary - begin.voluntary
      << ",\n  \"involuntary_switches\": " << end.involuntary - begin.involuntary
      << ",\n  \"events\": " << census.Events() << ",\n  \"timer_events\": " << census.TimerEvents()
      << ",\n  \"show_box_paints\": " << census.WatchedPaints() << ",\n  \"timers_by_receiver\": {";
  const char* separator = "";
  for (const auto& [receiver, count] : census.TimersByReceiver()) {
    out << separator << "\"" << receiver << "\": " << count;
    separator = ", ";
  }
  out << "}\n}\n";
}

}  // namespace
}  // namespace chatmock::bench

int main(int argc, char** argv) {
  using namespace chatmock;
  using namespace chatmock::bench;
  if (argc != 4) {
    std::fprintf(stderr, "usage: %s rest|rest-from-start|animated SECONDS OUT.json\n", argv[0]);
    return 2;
  }
  const std::string mode = argv[1];
  const auto measured = std::chrono::seconds(std::atoi(argv[2]));
  InitRuntime();
  InitProgram();
  SetExitRoutine(&EndProgram);
  LoadWindow(kMainWindowId);
  if (mode == "animated") StartAnimation();
  EventCensus census(ShowBox());

  // The clock runs on a thread of its own: a timer in the GUI thread would
  // itself be one of the wake-ups being counted.
  Usage begin;
  Usage end;
  std::jthread clock([&] {
    std::this_thread::sleep_for(SettleTime(mode));
    begin = Now();
    census.SetCounting(true);
    std::this_thread::sleep_for(measured);
    census.SetCounting(false);
    end = Now();
    QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit, Qt::QueuedConnection);
  });
  RunEventLoop();
  clock.join();
  WriteJson(argv[3], mode, begin, end, census);
  return FinishRun(0);
}
