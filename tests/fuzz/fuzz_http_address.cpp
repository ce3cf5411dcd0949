// Address splitting and the request target, on arbitrary typed text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "pictures/http/address.h"

namespace {

// What may stand in a request line as it is sent.
bool SafeOnTheWire(unsigned char c) { return c > 0x20 && c < 0x7F && c != '#'; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace chatmock::pictures;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::optional<HttpAddress> parts = SplitAddress(text);
  if (parts) {
    const bool withinLimits = parts->host.size() <= kMaxHostLength && parts->path.size() <= kMaxPathLength &&
                              parts->user.size() <= kMaxUserLength && parts->password.size() <= kMaxPasswordLength;
    if (!withinLimits) std::abort();
  }
  // Any typed path, split or not, must come out as a request target that cannot break the request line.
  for (const unsigned char c : RequestTarget(text)) {
    if (!SafeOnTheWire(c)) std::abort();
  }
  return 0;
}
