#include "pictures/http/stall_watch.h"

namespace chatmock::pictures {

bool StallWatch::Continue(curl_off_t received, Clock::time_point now) {
  if (received != received_) {
    received_ = received;
    lastProgress_ = now;
    return true;
  }
  return now - lastProgress_ < limit_;
}

int StallWatch::OnProgress(void* userdata, curl_off_t, curl_off_t downloaded, curl_off_t, curl_off_t) {
  auto* watch = static_cast<StallWatch*>(userdata);
  // Any non-zero result aborts the transfer.
  return watch->Continue(downloaded, Clock::now()) ? 0 : 1;
}

}  // namespace chatmock::pictures
