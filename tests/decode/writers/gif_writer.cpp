#include "tests/decode/writers/gif_writer.h"

#include <algorithm>
#include <bit>
#include <unordered_map>

namespace chatmock::pictures::testing {
namespace {

constexpr unsigned kMaxCodes = 4096;

class BitPacker {
 public:
  void Put(unsigned code, int width) {
    bits_ |= static_cast<std::uint64_t>(code) << count_;
    count_ += width;
    while (count_ >= 8) {
      PutU8(bytes_, bits_ & 0xFF);
      bits_ >>= 8;
      count_ -= 8;
    }
  }
  Bytes Finish() {
    if (count_ > 0) PutU8(bytes_, bits_ & 0xFF);
    return bytes_;
  }

 private:
  Bytes bytes_;
  std::uint64_t bits_ = 0;
  int count_ = 0;
};

int TableBits(std::size_t entries) {
  int bits = 1;
  while ((std::size_t{1} << bits) < entries) ++bits;
  return bits;
}

void PutTable(Bytes& out, const std::vector<std::uint32_t>& table) {
  const std::size_t padded = std::size_t{1} << TableBits(table.size());
  for (std::size_t i = 0; i < padded; ++i) {
    const std::uint32_t colour = i < table.size() ? table[i] : 0;
    PutU8(out, colour >> 16);
    PutU8(out, (colour >> 8) & 0xFF);
    PutU8(out, colour & 0xFF);
  }
}

std::vector<std::uint8_t> InterlacedOrder(const GifFramePlan& frame) {
  std::vector<std::uint8_t> sent;
  const int passes[4][2] = {{0, 8}, {4, 8}, {2, 4}, {1, 2}};
  for (const auto& pass : passes) {
    for (int y = pass[0]; y < frame.height; y += pass[1]) {
      const auto row = frame.indices.begin() + static_cast<std::ptrdiff_t>(y) * frame.width;
      sent.insert(sent.end(), row, row + frame.width);
    }
  }
  return sent;
}

void PutSubBlocks(Bytes& out, const Bytes& data) {
  for (std::size_t at = 0; at < data.size(); at += 255) {
    const std::size_t size = std::min<std::size_t>(255, data.size() - at);
    PutU8(out, static_cast<unsigned>(size));
    out.insert(out.end(), data.begin() + static_cast<std::ptrdiff_t>(at),
               data.begin() + static_cast<std::ptrdiff_t>(at + size));
  }
  PutU8(out, 0);
}

void PutControl(Bytes& out, const GifControl& control) {
  PutU8(out, 0x21);
  PutU8(out, 0xF9);
  PutU8(out, 4);
  const unsigned transparent = control.transparentIndex >= 0 ? 1 : 0;
  PutU8(out, static_cast<unsigned>(control.disposal << 2) | transparent);
  PutU16(out, static_cast<unsigned>(control.delayCs));
  PutU8(out, control.transparentIndex >= 0 ? static_cast<unsigned>(control.transparentIndex) : 0);
  PutU8(out, 0);
}

int MinCodeSize(const GifFramePlan& frame, const std::vector<std::uint32_t>& table) {
  std::size_t needed = std::max<std::size_t>(table.size(), 4);
  for (std::uint8_t index : frame.indices) needed = std::max<std::size_t>(needed, index + 1u);
  return std::max(2, TableBits(needed));
}

}  // namespace

Bytes EncodeGifLzw(std::span<const std::uint8_t> indices, int minCodeSize, bool clearWhenFull) {
  const unsigned clear = 1u << minCodeSize;
  BitPacker packer;
  std::unordered_map<std::uint32_t, unsigned> table;
  unsigned next = clear + 2;
  // The decoder learns each entry one code later than the coder makes it,
  // so the code width follows next - 1.
  auto width = [&] { return std::min(12, static_cast<int>(std::bit_width(next - 1))); };
  packer.Put(clear, width());
  if (!indices.empty()) {
    unsigned prefix = indices[0];
    for (std::size_t i = 1; i < indices.size(); ++i) {
      const std::uint32_t key = (prefix << 8) | indices[i];
      if (auto found = table.find(key); found != table.end()) {
        prefix = found->second;
        continue;
      }
      packer.Put(prefix, width());
      if (next < kMaxCodes) table[key] = next++;
      if (next == kMaxCodes && clearWhenFull) {
        packer.Put(clear, width());
        table.clear();
        next = clear + 2;
      }
      prefix = indices[i];
    }
    packer.Put(prefix, width());
  }
  packer.Put(clear + 1, width());
  return packer.Finish();
}

Bytes MakeGif(const GifPlan& plan) {
  Bytes out = {'G', 'I', 'F', '8', '9', 'a'};
  PutU16(out, static_cast<unsigned>(plan.width));
  PutU16(out, static_cast<unsigned>(plan.height));
  const bool global = !plan.globalTable.empty();
  PutU8(out, global ? 0x80u | static_cast<unsigned>(TableBits(plan.globalTable.size()) - 1) : 0u);
  PutU8(out, 0);
  PutU8(out, 0);
  if (global) PutTable(out, plan.globalTable);
  for (const GifFramePlan& frame : plan.frames) {
    if (frame.control) PutControl(out, *frame.control);
    PutU8(out, 0x2C);
    PutU16(out, static_cast<unsigned>(frame.left));
    PutU16(out, static_cast<unsigned>(frame.top));
    PutU16(out, static_cast<unsigned>(frame.width));
    PutU16(out, static_cast<unsigned>(frame.height));
    const bool local = !frame.localTable.empty();
    unsigned packed = frame.interlaced ? 0x40u : 0u;
    if (local) packed |= 0x80u | static_cast<unsigned>(TableBits(frame.localTable.size()) - 1);
    PutU8(out, packed);
    if (local) PutTable(out, frame.localTable);
    const int codeSize = MinCodeSize(frame, local ? frame.localTable : plan.globalTable);
    PutU8(out, static_cast<unsigned>(codeSize));
    const std::vector<std::uint8_t> sent = frame.interlaced ? InterlacedOrder(frame) : frame.indices;
    PutSubBlocks(out, EncodeGifLzw(sent, codeSize, plan.clearWhenFull));
  }
  if (plan.trailer) PutU8(out, 0x3B);
  return out;
}

}  // namespace chatmock::pictures::testing
