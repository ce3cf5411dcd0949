#pragma once

#include <cstdint>
#include <vector>

namespace chatmock::pictures::testing {

using Bytes = std::vector<std::uint8_t>;

inline void PutU8(Bytes& out, unsigned value) { out.push_back(static_cast<std::uint8_t>(value)); }
inline void PutU16(Bytes& out, unsigned value) {
  PutU8(out, value & 0xFF);
  PutU8(out, (value >> 8) & 0xFF);
}
inline void PutU32(Bytes& out, std::uint32_t value) {
  PutU16(out, value & 0xFFFF);
  PutU16(out, value >> 16);
}
inline void PutBytes(Bytes& out, const Bytes& more) { out.insert(out.end(), more.begin(), more.end()); }

}  // namespace chatmock::pictures::testing
