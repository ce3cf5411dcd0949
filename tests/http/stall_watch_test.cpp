#include "pictures/http/stall_watch.h"

#include <gtest/gtest.h>

namespace chatmock::pictures {
namespace {

using std::chrono::milliseconds;

TEST(StallWatchTest, OnlySilenceLongerThanTheLimitEndsTheTransfer) {
  const StallWatch::Clock::time_point start = StallWatch::Clock::now();
  StallWatch watch(milliseconds(1000));
  struct Step {
    int atMs;
    curl_off_t received;
    bool goesOn;
  };
  const Step steps[] = {
      {500, 0, true},    // nothing yet, within the limit
      {900, 10, true},   // bytes arrive: the clock starts again
      {1800, 10, true},  // 900 ms of silence
      {1899, 10, true},
      {1900, 10, false},  // 1000 ms of silence
  };
  for (const Step& step : steps) {
    EXPECT_EQ(watch.Continue(step.received, start + milliseconds(step.atMs)), step.goesOn) << step.atMs;
  }
}

}  // namespace
}  // namespace chatmock::pictures
