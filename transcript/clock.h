#pragma once
// The local clock, read through one seam so that tests can set the time.

#include <functional>

namespace chatmock {

struct ClockReading {
  int hour;    // 0 to 23
  int minute;  // 0 to 59
  int second;  // 0 to 59
};

ClockReading ReadLocalClock();

// Replaces the clock; an empty function restores the system clock.
void SetClockForTesting(std::function<ClockReading()> clock);

}  // namespace chatmock
