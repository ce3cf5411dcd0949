#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace chatmock::pictures {

struct HttpLimits {                      // production values are the defaults; tests may shorten them
  long connectTimeoutMs = 10'000;        // connect within 10 s
  long stallTimeoutMs = 10'000;          // a transfer that receives nothing for 10 s ends
  long totalTimeoutMs = 20'000;          // one fetch lasts at most 20 s
  std::size_t maxBodyBytes = 16u << 20;  // a larger body ends the fetch with no result
};

// Blocking GET of an absolute http:// or https:// address. Returns the body whatever the status code;
// nullopt when no byte was received or on any failure. Never throws.
std::optional<std::vector<std::uint8_t>> HttpGet(std::string_view address, const HttpLimits& limits = {});

}  // namespace chatmock::pictures
