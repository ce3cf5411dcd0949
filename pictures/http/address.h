#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace chatmock::pictures {

inline constexpr std::size_t kMaxHostLength = 256, kMaxPathLength = 2048, kMaxUserLength = 128,
                             kMaxPasswordLength = 128;

struct HttpAddress {
  std::string scheme;
  std::string host;
  int port = 0;
  std::string user;
  std::string password;
  std::string path;
};

// Splits an absolute address ("http://user:pw@host:port/path?query#frag"). The path keeps its query and
// fragment here; nullopt when it cannot be split or a component passes its limit.
std::optional<HttpAddress> SplitAddress(std::string_view address);

// The request target sent on the wire: the path cut at its first '#', then every byte that may not stand
// in an HTTP request line (space, control bytes 0x00-0x1F and 0x7F, bytes 0x80 and above) percent-encoded
// as %XX (upper-case hex); every other byte passes exactly as typed (an existing "%41" stays "%41").
std::string RequestTarget(std::string_view path);

}  // namespace chatmock::pictures
