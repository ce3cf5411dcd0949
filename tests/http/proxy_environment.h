#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace chatmock::pictures::loopback {

// Clears every proxy variable libcurl reads for as long as it lives and puts the previous values back
// afterwards, so a test talks to loopback directly whatever the machine's environment says.
class ProxyEnvironment {
 public:
  ProxyEnvironment();
  ~ProxyEnvironment();

  ProxyEnvironment(const ProxyEnvironment&) = delete;
  ProxyEnvironment& operator=(const ProxyEnvironment&) = delete;

  // Sets one variable for the rest of this object's life (e.g. "http_proxy").
  void Set(const std::string& name, const std::string& value);

 private:
  std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

}  // namespace chatmock::pictures::loopback
