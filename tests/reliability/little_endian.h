#pragma once
// Appending little-endian fields, as BMP and GIF store them.

#include <cstdint>
#include <vector>

namespace chatmock::reliability {

inline void PutByte(std::vector<std::uint8_t>& out, unsigned value) {
  out.push_back(static_cast<std::uint8_t>(value & 0xFF));
}
inline void PutWord(std::vector<std::uint8_t>& out, unsigned value) {
  PutByte(out, value);
  PutByte(out, value >> 8);
}
inline void PutDword(std::vector<std::uint8_t>& out, std::uint32_t value) {
  PutWord(out, value & 0xFFFF);
  PutWord(out, value >> 16);
}

}  // namespace chatmock::reliability
