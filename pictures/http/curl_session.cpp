#include "pictures/http/curl_session.h"

namespace chatmock::pictures {

CurlSession& CurlSession::Instance() {
  // A function-local static: made on first use, destroyed at exit after the last fetch.
  static CurlSession session;
  return session;
}

namespace {

// An empty cookie file name reads nothing but switches the cookie engine on: cookies a reply sets are kept
// in memory, for later fetches, until the process ends.
constexpr char kCookiesInMemory[] = "";

}  // namespace

CurlSession::CurlSession() : globalReady_(curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK) {
  if (!globalReady_) return;
  handle_.reset(curl_easy_init());
  if (handle_ && curl_easy_setopt(handle_.get(), CURLOPT_COOKIEFILE, kCookiesInMemory) != CURLE_OK) handle_.reset();
}

CurlSession::~CurlSession() {
  // The easy handle must go before libcurl's global state does.
  handle_.reset();
  if (globalReady_) curl_global_cleanup();
}

}  // namespace chatmock::pictures
