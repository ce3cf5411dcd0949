#pragma once
// Appends the little-endian fields that BMP and ICO headers are made of.

#include <cstdint>
#include <vector>

namespace chatmock::bench {

class LittleEndianBytes {
 public:
  void U8(std::uint32_t value) { bytes_.push_back(static_cast<std::uint8_t>(value)); }
  void U16(std::uint32_t value) {
    U8(value);
    U8(value >> 8);
  }
  void U32(std::uint32_t value) {
    U16(value);
    U16(value >> 16);
  }
  void I32(std::int32_t value) { U32(static_cast<std::uint32_t>(value)); }
  // Pads what was written since `start` to a multiple of `multiple` bytes.
  void PadFrom(std::size_t start, std::size_t multiple) {
    while ((bytes_.size() - start) % multiple != 0) U8(0);
  }
  std::size_t Size() const { return bytes_.size(); }
  std::vector<std::uint8_t> Take() { return std::move(bytes_); }

 private:
  std::vector<std::uint8_t> bytes_;
};

}  // namespace chatmock::bench
