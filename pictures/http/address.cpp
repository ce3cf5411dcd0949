#include "pictures/http/address.h"

#include <algorithm>
#include <climits>

#include "pictures/http/leading_integer.h"

namespace chatmock::pictures {
namespace {

constexpr std::string_view kSchemeSeparator = "://";
// Characters that end the authority; whatever follows belongs to the path.
constexpr std::string_view kAuthorityEnd = "/?#";
constexpr int kHttpPort = 80;
constexpr int kHttpsPort = 443;
constexpr char kHexDigits[] = "0123456789ABCDEF";
constexpr int kNibbleBits = 4;
constexpr unsigned kLowNibble = 0x0F;
constexpr unsigned char kFirstPrintable = 0x21;  // everything below, space included, is encoded
constexpr unsigned char kDelete = 0x7F;          // it and everything above is encoded

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return lower(x) == lower(y); });
}

int DefaultPortFor(std::string_view scheme) {
  if (EqualsIgnoringCase(scheme, "http")) return kHttpPort;
  if (EqualsIgnoringCase(scheme, "https")) return kHttpsPort;
  return 0;
}

// The port is read leniently ("80x" is 80); HttpGet rejects what no socket could use.
int ReadPort(std::string_view text) {
  const long long value = ReadLeadingInteger(text);
  return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

struct HostAndPort {
  std::string_view host;
  std::string_view portText;  // empty when the address names no port
};

// A bracketed IPv6 literal keeps its brackets so it can be put back into an address unchanged.
std::optional<HostAndPort> SplitHostAndPort(std::string_view hostPort) {
  if (!hostPort.empty() && hostPort.front() == '[') {
    const std::size_t close = hostPort.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    const std::string_view after = hostPort.substr(close + 1);
    if (after.empty()) return HostAndPort{hostPort, {}};
    if (after.front() != ':') return std::nullopt;
    return HostAndPort{hostPort.substr(0, close + 1), after.substr(1)};
  }
  const std::size_t colon = hostPort.rfind(':');
  if (colon == std::string_view::npos) return HostAndPort{hostPort, {}};
  return HostAndPort{hostPort.substr(0, colon), hostPort.substr(colon + 1)};
}

bool WithinLimits(const HttpAddress& parts) {
  return parts.host.size() <= kMaxHostLength && parts.path.size() <= kMaxPathLength &&
         parts.user.size() <= kMaxUserLength && parts.password.size() <= kMaxPasswordLength;
}

// A query or fragment right after the authority ("http://host?x") still needs the root in front of it.
std::string RootedPath(std::string_view path) {
  if (!path.empty() && path.front() == '/') return std::string(path);
  std::string rooted(1, '/');
  rooted.append(path);
  return rooted;
}

bool MustBeEncoded(unsigned char byte) { return byte < kFirstPrintable || byte >= kDelete; }

}  // namespace

std::optional<HttpAddress> SplitAddress(std::string_view address) {
  const std::size_t separator = address.find(kSchemeSeparator);
  if (separator == std::string_view::npos || separator == 0) return std::nullopt;

  const std::string_view afterScheme = address.substr(separator + kSchemeSeparator.size());
  const std::size_t authorityEnd = std::min(afterScheme.find_first_of(kAuthorityEnd), afterScheme.size());
  const std::string_view authority = afterScheme.substr(0, authorityEnd);
  const std::string_view path = afterScheme.substr(authorityEnd);

  // The last '@' ends the user part: a password may contain '@', a host never does.
  const std::size_t at = authority.rfind('@');
  const std::string_view userInfo = at == std::string_view::npos ? std::string_view{} : authority.substr(0, at);
  const std::string_view hostPort = at == std::string_view::npos ? authority : authority.substr(at + 1);

  const std::optional<HostAndPort> hostAndPort = SplitHostAndPort(hostPort);
  if (!hostAndPort || hostAndPort->host.empty()) return std::nullopt;

  HttpAddress parts;
  parts.scheme = std::string(address.substr(0, separator));
  parts.host = std::string(hostAndPort->host);
  const std::size_t colon = userInfo.find(':');
  parts.user = std::string(userInfo.substr(0, colon));
  if (colon != std::string_view::npos) parts.password = std::string(userInfo.substr(colon + 1));
  parts.path = std::string(path);
  if (!WithinLimits(parts)) return std::nullopt;

  parts.port = hostAndPort->portText.empty() ? DefaultPortFor(parts.scheme) : ReadPort(hostAndPort->portText);
  parts.path = RootedPath(parts.path);
  return parts;
}

// Typed text with a space or a Chinese character would otherwise make a malformed request line, and a
// typed CR LF could add header lines of its own; percent-encoding keeps the request line one token.
std::string RequestTarget(std::string_view path) {
  const std::string_view beforeFragment = path.substr(0, path.find('#'));
  std::string target;
  target.reserve(beforeFragment.size());
  for (const char c : beforeFragment) {
    const auto byte = static_cast<unsigned char>(c);
    if (MustBeEncoded(byte)) {
      target += '%';
      target += kHexDigits[byte >> kNibbleBits];
      target += kHexDigits[byte & kLowNibble];
    } else {
      target += c;
    }
  }
  return target;
}

}  // namespace chatmock::pictures
