#include "transcript/clock.h"

#include <QTime>

#include <utility>

namespace chatmock {
namespace {

std::function<ClockReading()>& TestClock() {
  static std::function<ClockReading()> clock;
  return clock;
}

}  // namespace

ClockReading ReadLocalClock() {
  if (TestClock()) return TestClock()();
  const QTime now = QTime::currentTime();
  return ClockReading{now.hour(), now.minute(), now.second()};
}

void SetClockForTesting(std::function<ClockReading()> clock) { TestClock() = std::move(clock); }

}  // namespace chatmock
