// A small animated GIF: a full first frame, then an interlaced second frame
// with its own colour table and a transparent index, drawn over part of it.
//
// The pixels are coded as LZW literals with a clear code before the table
// could need a wider code, which every decoder reads and no encoder is needed for.

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

#include "tests/reliability/little_endian.h"
#include "tests/reliability/picture_samples.h"

namespace chatmock::reliability {
namespace {

constexpr int kWidth = 31, kHeight = 19;
constexpr int kInnerLeft = 5, kInnerTop = 4, kInnerWidth = 17, kInnerHeight = 9;
constexpr unsigned kDelayCs = 5;
constexpr unsigned kDisposeToBackground = 2;
constexpr unsigned kTransparentIndex = 1;
constexpr unsigned kMaxSubBlock = 255;
constexpr unsigned kExtension = 0x21, kControlLabel = 0xF9, kImageSeparator = 0x2C, kTrailer = 0x3B;
constexpr unsigned kTableFlag = 0x80, kInterlaceFlag = 0x40, kTransparentFlag = 0x01;
const std::vector<std::uint32_t> kGlobalTable = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF,
                                                 0xFFFF00, 0x00FFFF, 0xFF00FF, 0xFFFFFF};
const std::vector<std::uint32_t> kLocalTable = {0x101010, 0x808080, 0xF0F0F0, 0x204060};

// log2 of a table's size, which is a power of two here.
unsigned TableBits(std::size_t entries) {
  unsigned bits = 1;
  while ((std::size_t{1} << bits) < entries) ++bits;
  return bits;
}

void PutTable(PictureBytes& out, const std::vector<std::uint32_t>& table) {
  for (const std::uint32_t colour : table) {
    PutByte(out, colour >> 16);
    PutByte(out, colour >> 8);
    PutByte(out, colour);
  }
}

class CodePacker {
 public:
  void Put(unsigned code, unsigned width) {
    bits_ |= static_cast<std::uint64_t>(code) << count_;
    count_ += width;
    for (; count_ >= 8; count_ -= 8, bits_ >>= 8) PutByte(bytes_, static_cast<unsigned>(bits_));
  }
  PictureBytes Finish() {
    if (count_ > 0) PutByte(bytes_, static_cast<unsigned>(bits_));
    return bytes_;
  }

 private:
  PictureBytes bytes_;
  std::uint64_t bits_ = 0;
  unsigned count_ = 0;
};

// Literal codes only: after a clear, each literal but the first adds a table
// entry, so a clear comes before the entries would reach the next code width.
PictureBytes LiteralLzw(const std::vector<std::uint8_t>& indices, unsigned minCodeSize) {
  const unsigned clear = 1u << minCodeSize;
  const unsigned width = minCodeSize + 1;
  const unsigned literalsPerClear = clear > 4 ? clear - 3 : 1;
  CodePacker packer;
  for (std::size_t i = 0; i < indices.size(); ++i) {
    if (i % literalsPerClear == 0) packer.Put(clear, width);
    packer.Put(indices[i], width);
  }
  packer.Put(clear + 1, width);
  return packer.Finish();
}

void PutSubBlocks(PictureBytes& out, const PictureBytes& data) {
  for (std::size_t at = 0; at < data.size(); at += kMaxSubBlock) {
    const std::size_t size = std::min<std::size_t>(kMaxSubBlock, data.size() - at);
    PutByte(out, static_cast<unsigned>(size));
    out.insert(out.end(), data.begin() + static_cast<std::ptrdiff_t>(at),
               data.begin() + static_cast<std::ptrdiff_t>(at + size));
  }
  PutByte(out, 0);
}

void PutControl(PictureBytes& out, unsigned disposal, bool transparent) {
  PutByte(out, kExtension);
  PutByte(out, kControlLabel);
  PutByte(out, 4);
  PutByte(out, (disposal << 2) | (transparent ? kTransparentFlag : 0u));
  PutWord(out, kDelayCs);
  PutByte(out, transparent ? kTransparentIndex : 0u);
  PutByte(out, 0);
}

std::vector<std::uint8_t> Stripes(int width, int height, unsigned colours, int shift) {
  std::vector<std::uint8_t> rows;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) rows.push_back(static_cast<std::uint8_t>((x / 3 + y + shift) % colours));
  }
  return rows;
}

// Rows in the four passes of an interlaced image.
std::vector<std::uint8_t> Interlaced(const std::vector<std::uint8_t>& rows, int width, int height) {
  std::vector<std::uint8_t> sent;
  for (const auto& [first, step] : {std::pair{0, 8}, std::pair{4, 8}, std::pair{2, 4}, std::pair{1, 2}}) {
    for (int y = first; y < height; y += step) {
      sent.insert(sent.end(), rows.begin() + y * width, rows.begin() + (y + 1) * width);
    }
  }
  return sent;
}

void PutImage(PictureBytes& out, int left, int top, int width, int height, unsigned flags,
              const std::vector<std::uint32_t>* localTable, const std::vector<std::uint8_t>& indices,
              unsigned minCodeSize) {
  PutByte(out, kImageSeparator);
  PutWord(out, static_cast<unsigned>(left));
  PutWord(out, static_cast<unsigned>(top));
  PutWord(out, static_cast<unsigned>(width));
  PutWord(out, static_cast<unsigned>(height));
  PutByte(out, flags | (localTable ? kTableFlag | (TableBits(localTable->size()) - 1) : 0u));
  if (localTable) PutTable(out, *localTable);
  PutByte(out, minCodeSize);
  PutSubBlocks(out, LiteralLzw(indices, minCodeSize));
}

}  // namespace

PictureBytes TwoFrameGif() {
  PictureBytes out = {'G', 'I', 'F', '8', '9', 'a'};
  PutWord(out, kWidth);
  PutWord(out, kHeight);
  PutByte(out, kTableFlag | (TableBits(kGlobalTable.size()) - 1));
  PutByte(out, 0);
  PutByte(out, 0);
  PutTable(out, kGlobalTable);

  const unsigned globalBits = TableBits(kGlobalTable.size());
  PutControl(out, kDisposeToBackground, false);
  PutImage(out, 0, 0, kWidth, kHeight, 0, nullptr,
           Stripes(kWidth, kHeight, static_cast<unsigned>(kGlobalTable.size()), 0), globalBits);

  const unsigned localBits = TableBits(kLocalTable.size());
  const auto inner = Stripes(kInnerWidth, kInnerHeight, static_cast<unsigned>(kLocalTable.size()), 3);
  PutControl(out, 0, true);
  PutImage(out, kInnerLeft, kInnerTop, kInnerWidth, kInnerHeight, kInterlaceFlag, &kLocalTable,
           Interlaced(inner, kInnerWidth, kInnerHeight), localBits);
  PutByte(out, kTrailer);
  return out;
}

}  // namespace chatmock::reliability
