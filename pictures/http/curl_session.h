#pragma once

#include <curl/curl.h>

#include "pictures/http/curl_library.h"

#include <memory>
#include <mutex>

namespace chatmock::pictures {

// The one libcurl easy handle of the process, with its cookie engine on. It is made at the first fetch and
// kept until the process ends, so the cookies it learns and the connections it holds outlive a fetch. A handle must not
// be driven by two threads at once; Lock() serializes its users.
class CurlSession {
 public:
  static CurlSession& Instance();

  CurlSession(const CurlSession&) = delete;
  CurlSession& operator=(const CurlSession&) = delete;

  // The handle, or nullptr when libcurl could not be loaded or initialised.
  CURL* Handle() const { return handle_.get(); }
  // The library behind the handle; only valid while Handle() is not null.
  const CurlLibrary& Curl() const { return *curl_; }
  std::unique_lock<std::mutex> Lock() { return std::unique_lock(mutex_); }

 private:
  CurlSession();
  ~CurlSession();

  struct EasyCleanup {
    const CurlLibrary* curl = nullptr;
    void operator()(CURL* handle) const { curl->easyCleanup(handle); }
  };

  const CurlLibrary* curl_ = nullptr;
  bool globalReady_ = false;
  std::unique_ptr<CURL, EasyCleanup> handle_;
  std::mutex mutex_;
};

}  // namespace chatmock::pictures
