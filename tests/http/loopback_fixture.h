#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tests/http/proxy_environment.h"
#include "tests/http/scripted_server.h"

namespace chatmock::pictures::loopback {

// Base of every test that fetches from a loopback server: no proxy variable of the machine applies.
class LoopbackTest : public ::testing::Test {
 protected:
  ProxyEnvironment environment_;
};

inline std::string AsText(const std::vector<std::uint8_t>& bytes) { return std::string(bytes.begin(), bytes.end()); }

// The first line of a raw request, without its CR LF.
inline std::string RequestLine(std::string_view request) {
  return std::string(request.substr(0, request.find("\r\n")));
}

// A 200 reply that announces its length.
inline std::string OkReply(std::string_view body) {
  return Reply("HTTP/1.0 200 OK", "Content-Length: " + std::to_string(body.size()) + "\r\n", body);
}

inline ConnectionScript Answer(std::string bytes) { return ConnectionScript{{ReplyStep{std::move(bytes)}}}; }

}  // namespace chatmock::pictures::loopback
