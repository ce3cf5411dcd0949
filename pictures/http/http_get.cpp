#include "pictures/http/http_get.h"

#include <curl/curl.h>

#include <algorithm>
#include <string>

#include "pictures/http/address.h"
#include "pictures/http/curl_session.h"
#include "pictures/http/response_sink.h"
#include "pictures/http/stall_watch.h"

namespace chatmock::pictures {
namespace {

// Only called while the session has a handle, so the library is loaded.
const CurlLibrary& Curl() { return CurlSession::Instance().Curl(); }

constexpr char kUserAgent[] = "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)";
// Neither the first request nor any redirection may leave the web: no file:, ftp: or the like.
constexpr char kWebProtocols[] = "http,https";
constexpr long kMaxRedirections = 10;
constexpr long kStallBytesPerSecond = 1;
constexpr long kMillisecondsPerSecond = 1000;
// libcurl reads 0 as "no limit" for its time-outs; the shortest real limit keeps every fetch bounded.
constexpr long kShortestTimeout = 1;
constexpr int kLowestPort = 1;
constexpr int kHighestPort = 65535;

std::optional<std::string> WebScheme(std::string_view scheme) {
  std::string lower(scheme);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; });
  if (lower == "http" || lower == "https") return lower;
  return std::nullopt;
}

// The address libcurl gets is rebuilt from the split pieces, so its own parser never sees the raw typed
// path; the user name and password travel as separate options and never need escaping.
std::optional<std::string> CurlUrl(const HttpAddress& parts) {
  const std::optional<std::string> scheme = WebScheme(parts.scheme);
  if (!scheme || parts.port < kLowestPort || parts.port > kHighestPort) return std::nullopt;
  return *scheme + "://" + parts.host + ":" + std::to_string(parts.port) + RequestTarget(parts.path);
}

long StallSeconds(long stallTimeoutMs) {
  const long bounded = std::max(stallTimeoutMs, kShortestTimeout);
  const long rounding = bounded % kMillisecondsPerSecond != 0 ? 1 : 0;
  return bounded / kMillisecondsPerSecond + rounding;
}

bool SetLong(CURL* handle, CURLoption option, long value) {
  return Curl().easySetopt(handle, option, value) == CURLE_OK;
}

bool SetText(CURL* handle, CURLoption option, const char* value) {
  return Curl().easySetopt(handle, option, value) == CURLE_OK;
}

bool SetProtocolOptions(CURL* handle, const std::string& url) {
  // Proxy options are left alone: libcurl then follows http_proxy, https_proxy and no_proxy itself.
  return SetText(handle, CURLOPT_URL, url.c_str()) && SetText(handle, CURLOPT_PROTOCOLS_STR, kWebProtocols) &&
         SetText(handle, CURLOPT_REDIR_PROTOCOLS_STR, kWebProtocols) &&
         SetLong(handle, CURLOPT_HTTP_VERSION, CURL_HTTP_VERSION_1_0) && SetLong(handle, CURLOPT_HTTP09_ALLOWED, 0L) &&
         // The target was already encoded as typed; libcurl must not fold "/../" out of it.
         SetLong(handle, CURLOPT_PATH_AS_IS, 1L) && SetText(handle, CURLOPT_USERAGENT, kUserAgent) &&
         SetLong(handle, CURLOPT_FOLLOWLOCATION, 1L) && SetLong(handle, CURLOPT_MAXREDIRS, kMaxRedirections);
}

// Set on every fetch, to nothing when the address has none, so no fetch inherits another's credentials.
bool SetCredentials(CURL* handle, const HttpAddress& parts) {
  const bool given = !parts.user.empty() || !parts.password.empty();
  return SetText(handle, CURLOPT_USERNAME, given ? parts.user.c_str() : nullptr) &&
         SetText(handle, CURLOPT_PASSWORD, given ? parts.password.c_str() : nullptr);
}

bool SetTimeouts(CURL* handle, const HttpLimits& limits) {
  // No signals: the fetch runs on the GUI thread, where an alarm would interrupt more than libcurl.
  return SetLong(handle, CURLOPT_NOSIGNAL, 1L) &&
         SetLong(handle, CURLOPT_CONNECTTIMEOUT_MS, std::max(limits.connectTimeoutMs, kShortestTimeout)) &&
         SetLong(handle, CURLOPT_LOW_SPEED_LIMIT, kStallBytesPerSecond) &&
         SetLong(handle, CURLOPT_LOW_SPEED_TIME, StallSeconds(limits.stallTimeoutMs)) &&
         SetLong(handle, CURLOPT_TIMEOUT_MS, std::max(limits.totalTimeoutMs, kShortestTimeout));
}

bool SetStallWatch(CURL* handle, StallWatch* watch) {
  return Curl().easySetopt(handle, CURLOPT_XFERINFOFUNCTION, watch ? &StallWatch::OnProgress : nullptr) == CURLE_OK &&
         Curl().easySetopt(handle, CURLOPT_XFERINFODATA, watch) == CURLE_OK &&
         SetLong(handle, CURLOPT_NOPROGRESS, watch ? 0L : 1L);
}

bool SetReceivers(CURL* handle, ResponseSink* sink) {
  return Curl().easySetopt(handle, CURLOPT_HEADERFUNCTION, &ResponseSink::OnHeader) == CURLE_OK &&
         Curl().easySetopt(handle, CURLOPT_HEADERDATA, sink) == CURLE_OK &&
         Curl().easySetopt(handle, CURLOPT_WRITEFUNCTION, &ResponseSink::OnBody) == CURLE_OK &&
         Curl().easySetopt(handle, CURLOPT_WRITEDATA, sink) == CURLE_OK;
}

// Every option a fetch uses is set again here instead of starting from curl_easy_reset: the reset also
// switches off the cookie engine, and switching it back on after each reset leaks memory in libcurl 7.88.
bool SetRequestOptions(CURL* handle, const std::string& url, const HttpAddress& parts, const HttpLimits& limits,
                       ResponseSink& sink) {
  return SetProtocolOptions(handle, url) && SetCredentials(handle, parts) && SetTimeouts(handle, limits) &&
         SetReceivers(handle, &sink);
}

std::optional<std::vector<std::uint8_t>> Fetch(const HttpAddress& parts, const std::string& url,
                                               const HttpLimits& limits) {
  CurlSession& session = CurlSession::Instance();
  const auto lock = session.Lock();
  CURL* handle = session.Handle();
  if (handle == nullptr) return std::nullopt;

  ResponseSink sink(limits.maxBodyBytes);
  StallWatch stallWatch{std::chrono::milliseconds(limits.stallTimeoutMs)};
  const bool completed = SetRequestOptions(handle, url, parts, limits, sink) &&
                         SetStallWatch(handle, &stallWatch) && session.Curl().easyPerform(handle) == CURLE_OK;
  // The sink and the watch die with this call; the handle must not keep pointing at them.
  SetReceivers(handle, nullptr);
  SetStallWatch(handle, nullptr);
  if (!completed) return std::nullopt;
  return sink.TakeBody();
}

}  // namespace

std::optional<std::vector<std::uint8_t>> HttpGet(std::string_view address, const HttpLimits& limits) {
  try {
    if (address.empty()) return std::nullopt;
    const std::optional<HttpAddress> parts = SplitAddress(address);
    if (!parts) return std::nullopt;
    const std::optional<std::string> url = CurlUrl(*parts);
    if (!url) return std::nullopt;
    return Fetch(*parts, *url, limits);
  } catch (...) {
    return std::nullopt;
  }
}

}  // namespace chatmock::pictures
