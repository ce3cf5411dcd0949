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

CurlSession::CurlSession() : curl_(LoadCurlLibrary()), handle_(nullptr, EasyCleanup{curl_}) {
  if (curl_ == nullptr) return;
  globalReady_ = curl_->globalInit(CURL_GLOBAL_DEFAULT) == CURLE_OK;
  if (!globalReady_) return;
  handle_.reset(curl_->easyInit());
  if (handle_ && curl_->easySetopt(handle_.get(), CURLOPT_COOKIEFILE, kCookiesInMemory) != CURLE_OK) {
    handle_.reset();
  }
}

CurlSession::~CurlSession() {
  // The easy handle must go before libcurl's global state does.
  handle_.reset();
  if (globalReady_) curl_->globalCleanup();
}

}  // namespace chatmock::pictures
