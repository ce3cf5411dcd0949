#pragma once

#include <curl/curl.h>

namespace chatmock::pictures {

// The few libcurl entry points a fetch uses, loaded from the shared library
// at the first fetch rather than linked: libcurl brings two dozen libraries
// (TLS, Kerberos, LDAP, SSH...) whose loading and relocation would otherwise
// slow every start and stay resident in a window that may never fetch.
struct CurlLibrary {
  CURLcode (*globalInit)(long flags);
  void (*globalCleanup)();
  CURL* (*easyInit)();
  void (*easyCleanup)(CURL* handle);
  CURLcode (*easySetopt)(CURL* handle, CURLoption option, ...);
  CURLcode (*easyPerform)(CURL* handle);
};

// Loads libcurl once for the process; null when it cannot be loaded.
const CurlLibrary* LoadCurlLibrary();

}  // namespace chatmock::pictures
