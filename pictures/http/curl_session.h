#pragma once

#include <curl/curl.h>

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

  // The handle, or nullptr when libcurl could not be initialised.
  CURL* Handle() const { return handle_.get(); }
  std::unique_lock<std::mutex> Lock() { return std::unique_lock(mutex_); }

 private:
  CurlSession();
  ~CurlSession();

  struct EasyCleanup {
    void operator()(CURL* handle) const { curl_easy_cleanup(handle); }
  };

  bool globalReady_ = false;
  std::unique_ptr<CURL, EasyCleanup> handle_;
  std::mutex mutex_;
};

}  // namespace chatmock::pictures
