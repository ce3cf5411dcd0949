#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace chatmock::pictures {

// Every byte a decoder looks at comes through this reader. A read that would
// pass the end returns 0 and leaves the reader failed for good, so a decoder
// can read a whole header and check Ok() once instead of after each field.
class ByteReader {
 public:
  explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  bool Ok() const { return !failed_; }
  std::size_t Position() const { return position_; }
  std::size_t Size() const { return bytes_.size(); }
  std::size_t Remaining() const { return failed_ ? 0 : bytes_.size() - position_; }
  bool AtEnd() const { return Remaining() == 0; }

  std::uint8_t U8() {
    if (!Has(1)) return Fail(), 0;
    return bytes_[position_++];
  }

  std::uint16_t U16() {
    if (!Has(2)) return Fail(), 0;
    const std::uint16_t value =
        static_cast<std::uint16_t>(bytes_[position_] | (bytes_[position_ + 1] << 8));
    position_ += 2;
    return value;
  }

  std::uint32_t U32() {
    if (!Has(4)) return Fail(), 0;
    const std::uint32_t value = static_cast<std::uint32_t>(bytes_[position_]) |
                                (static_cast<std::uint32_t>(bytes_[position_ + 1]) << 8) |
                                (static_cast<std::uint32_t>(bytes_[position_ + 2]) << 16) |
                                (static_cast<std::uint32_t>(bytes_[position_ + 3]) << 24);
    position_ += 4;
    return value;
  }

  std::int32_t I32() { return static_cast<std::int32_t>(U32()); }

  bool Skip(std::size_t count) {
    if (!Has(count)) return Fail(), false;
    position_ += count;
    return true;
  }

  // Moves to an absolute position; the end itself is a valid position.
  bool Seek(std::size_t position) {
    if (failed_ || position > bytes_.size()) return Fail(), false;
    position_ = position;
    return true;
  }

  // Hands out the next `count` bytes as a reader of their own and moves past
  // them; on failure the returned reader is failed too.
  ByteReader Take(std::size_t count) {
    if (!Has(count)) {
      Fail();
      ByteReader empty{{}};
      empty.Fail();
      return empty;
    }
    ByteReader part(bytes_.subspan(position_, count));
    position_ += count;
    return part;
  }

  // The bytes not read yet, for loops that have already checked their length
  // against Remaining(); empty once failed.
  std::span<const std::uint8_t> Rest() const {
    return failed_ ? std::span<const std::uint8_t>() : bytes_.subspan(position_);
  }

  // True when the next bytes equal `expected`; reads nothing.
  bool StartsWith(std::span<const std::uint8_t> expected) const {
    if (!Has(expected.size())) return false;
    for (std::size_t i = 0; i < expected.size(); ++i) {
      if (bytes_[position_ + i] != expected[i]) return false;
    }
    return true;
  }

  // Looks at the byte `offset` places ahead without moving; 0 past the end.
  std::uint8_t PeekAt(std::size_t offset) const {
    if (!Has(offset) || Remaining() - offset < 1) return 0;
    return bytes_[position_ + offset];
  }

  void Fail() { failed_ = true; }

 private:
  bool Has(std::size_t count) const { return !failed_ && bytes_.size() - position_ >= count; }

  std::span<const std::uint8_t> bytes_;
  std::size_t position_ = 0;
  bool failed_ = false;
};

}  // namespace chatmock::pictures
