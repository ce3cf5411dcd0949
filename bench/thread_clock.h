#pragma once
// Seconds of CPU spent by the calling thread: the machine the benchmarks
// run on is shared, and wall-clock time would count the other users' work.

#include <ctime>

namespace chatmock::bench {

inline double ThreadCpuSeconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

inline double WallSeconds() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

}  // namespace chatmock::bench
