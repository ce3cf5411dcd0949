#pragma once

#include <chrono>

#include <curl/curl.h>

namespace chatmock::pictures {

// Ends a transfer that has received nothing for a while. libcurl's own
// low-speed check averages over a window, so a server that sends a few bytes
// and then falls silent would hold the window for far longer than the limit.
class StallWatch {
 public:
  using Clock = std::chrono::steady_clock;

  explicit StallWatch(std::chrono::milliseconds limit) : limit_(limit), lastProgress_(Clock::now()) {}

  // True while the transfer may go on, given the bytes received so far.
  bool Continue(curl_off_t received, Clock::time_point now);

  // Adapter with the signature of CURLOPT_XFERINFOFUNCTION; userdata is the StallWatch.
  static int OnProgress(void* userdata, curl_off_t downloadTotal, curl_off_t downloaded,
                        curl_off_t uploadTotal, curl_off_t uploaded);

 private:
  std::chrono::milliseconds limit_;
  curl_off_t received_ = 0;
  Clock::time_point lastProgress_;
};

}  // namespace chatmock::pictures
