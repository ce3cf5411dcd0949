#include "pictures/decode/gif_lzw.h"

#include <array>

namespace chatmock::pictures {
namespace {

constexpr int kMaxCodeBits = 12;
constexpr int kTableSize = 1 << kMaxCodeBits;
constexpr std::uint16_t kNoCode = 0xFFFF;

// Turns the chain of sub-blocks into one stream of bytes.
class SubBlockBytes {
 public:
  explicit SubBlockBytes(ByteReader reader) : reader_(reader) {}

  bool Next(std::uint8_t& byte) {
    while (left_ == 0) {
      if (ended_) return false;
      left_ = reader_.U8();
      if (!reader_.Ok() || left_ == 0) {
        ended_ = true;
        return false;
      }
    }
    byte = reader_.U8();
    --left_;
    if (!reader_.Ok()) ended_ = true;
    return !ended_;
  }

 private:
  ByteReader reader_;
  std::size_t left_ = 0;
  bool ended_ = false;
};

// Codes are packed least significant bit first.
class CodeReader {
 public:
  explicit CodeReader(ByteReader reader) : bytes_(reader) {}

  bool Read(int width, unsigned& code) {
    while (bitCount_ < width) {
      std::uint8_t byte = 0;
      if (!bytes_.Next(byte)) return false;
      bits_ |= static_cast<std::uint32_t>(byte) << bitCount_;
      bitCount_ += 8;
    }
    code = bits_ & ((1u << width) - 1);
    bits_ >>= width;
    bitCount_ -= width;
    return true;
  }

 private:
  SubBlockBytes bytes_;
  std::uint32_t bits_ = 0;
  int bitCount_ = 0;
};

// Each code is a string: its prefix code plus one last byte. Storing the
// length lets a string be written back to front straight into the output.
class LzwTable {
 public:
  explicit LzwTable(int minCodeSize)
      : clearCode_(1u << minCodeSize), minCodeSize_(minCodeSize) {
    for (unsigned code = 0; code < clearCode_; ++code) {
      prefix_[code] = kNoCode;
      suffix_[code] = static_cast<std::uint8_t>(code);
      first_[code] = static_cast<std::uint8_t>(code);
      length_[code] = 1;
    }
    Reset();
  }

  void Reset() {
    next_ = clearCode_ + 2;
    width_ = minCodeSize_ + 1;
  }

  unsigned ClearCode() const { return clearCode_; }
  unsigned EndCode() const { return clearCode_ + 1; }
  unsigned Next() const { return next_; }
  int Width() const { return width_; }
  bool IsLiteral(unsigned code) const { return code < clearCode_; }
  std::uint8_t First(unsigned code) const { return first_[code]; }

  // A full table stays at 12 bits and adds nothing until the next clear.
  void Add(unsigned prefix, std::uint8_t last) {
    if (next_ >= kTableSize) return;
    prefix_[next_] = static_cast<std::uint16_t>(prefix);
    suffix_[next_] = last;
    first_[next_] = first_[prefix];
    length_[next_] = static_cast<std::uint16_t>(length_[prefix] + 1);
    ++next_;
    if (next_ == (1u << width_) && width_ < kMaxCodeBits) ++width_;
  }

  // Writes as much of the string as fits in `room`; returns how much that was.
  std::size_t Write(unsigned code, std::uint8_t* out, std::size_t room) const {
    const std::size_t length = length_[code];
    const std::size_t count = length < room ? length : room;
    // The tail that does not fit is dropped from the end of the string.
    for (std::size_t drop = length - count; drop > 0; --drop) code = prefix_[code];
    for (std::size_t at = count; at > 0;) {
      out[--at] = suffix_[code];
      code = prefix_[code];
    }
    return count;
  }

 private:
  std::array<std::uint16_t, kTableSize> prefix_;
  std::array<std::uint8_t, kTableSize> suffix_;
  std::array<std::uint8_t, kTableSize> first_;
  std::array<std::uint16_t, kTableSize> length_;
  unsigned clearCode_;
  int minCodeSize_;
  unsigned next_ = 0;
  int width_ = 0;
};

}  // namespace

std::size_t DecodeGifLzw(ByteReader blocks, int minCodeSize, std::span<std::uint8_t> out) {
  CodeReader codes(blocks);
  LzwTable table(minCodeSize);
  std::size_t written = 0;
  unsigned previous = kNoCode;
  unsigned code = 0;
  while (written < out.size() && codes.Read(table.Width(), code)) {
    if (code == table.ClearCode()) {
      table.Reset();
      previous = kNoCode;
      continue;
    }
    if (code == table.EndCode()) break;
    if (previous == kNoCode) {
      // Right after a clear only a single byte can follow.
      if (!table.IsLiteral(code)) break;
    } else if (code < table.Next()) {
      table.Add(previous, table.First(code));
    } else if (code == table.Next() && code < kTableSize) {
      // The string being defined: the previous one plus its own first byte.
      table.Add(previous, table.First(previous));
    } else {
      break;
    }
    written += table.Write(code, out.data() + written, out.size() - written);
    previous = code;
  }
  return written;
}

}  // namespace chatmock::pictures
