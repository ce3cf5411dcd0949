#include "pictures/http/curl_library.h"

#include <dlfcn.h>

namespace chatmock::pictures {
namespace {

constexpr const char* kCurlSoname = "libcurl.so.4";

template <class Function>
bool Resolve(void* library, const char* name, Function& function) {
  function = reinterpret_cast<Function>(dlsym(library, name));
  return function != nullptr;
}

const CurlLibrary* Load() {
  // Local symbols: nothing else in the process binds to what libcurl brings.
  void* library = dlopen(kCurlSoname, RTLD_NOW | RTLD_LOCAL);
  if (library == nullptr) return nullptr;
  static CurlLibrary curl;
  const bool complete = Resolve(library, "curl_global_init", curl.globalInit) &&
                        Resolve(library, "curl_global_cleanup", curl.globalCleanup) &&
                        Resolve(library, "curl_easy_init", curl.easyInit) &&
                        Resolve(library, "curl_easy_cleanup", curl.easyCleanup) &&
                        Resolve(library, "curl_easy_setopt", curl.easySetopt) &&
                        Resolve(library, "curl_easy_perform", curl.easyPerform);
  // The library stays loaded for the life of the process, like the handle made from it.
  return complete ? &curl : nullptr;
}

}  // namespace

const CurlLibrary* LoadCurlLibrary() {
  static const CurlLibrary* const library = Load();
  return library;
}

}  // namespace chatmock::pictures
