#include "tests/http/proxy_environment.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string_view>

namespace chatmock::pictures::loopback {
namespace {

constexpr std::array<std::string_view, 8> kProxyVariables = {"http_proxy", "HTTP_PROXY", "https_proxy", "HTTPS_PROXY",
                                                             "all_proxy",  "ALL_PROXY",  "no_proxy",    "NO_PROXY"};

std::optional<std::string> CurrentValue(const std::string& name) {
  const char* value = std::getenv(name.c_str());
  return value ? std::optional<std::string>(value) : std::nullopt;
}

}  // namespace

ProxyEnvironment::ProxyEnvironment() {
  for (const std::string_view variable : kProxyVariables) {
    const std::string name(variable);
    saved_.emplace_back(name, CurrentValue(name));
    ::unsetenv(name.c_str());
  }
}

ProxyEnvironment::~ProxyEnvironment() {
  for (const auto& [name, value] : saved_) {
    if (value) {
      ::setenv(name.c_str(), value->c_str(), 1);
    } else {
      ::unsetenv(name.c_str());
    }
  }
}

void ProxyEnvironment::Set(const std::string& name, const std::string& value) {
  const bool known = std::any_of(saved_.begin(), saved_.end(), [&](const auto& entry) { return entry.first == name; });
  if (!known) saved_.emplace_back(name, CurrentValue(name));
  ::setenv(name.c_str(), value.c_str(), 1);
}

}  // namespace chatmock::pictures::loopback
