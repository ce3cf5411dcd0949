#include "pictures/decode/gif_image.h"

#include <algorithm>
#include <cstring>

#include "pictures/decode/byte_reader.h"
#include "pictures/decode/gif_lzw.h"
#include "pictures/decode/picture_size.h"

namespace chatmock::pictures {
namespace {

struct InterlacePass {
  int firstRow;
  int step;
};
constexpr std::array<InterlacePass, 4> kInterlacePasses = {{{0, 8}, {4, 8}, {2, 4}, {1, 2}}};

// Interlaced data sends rows 0, 8, 16...; then 4, 12...; then 2, 6...; then
// the odd rows.
void Deinterlace(std::span<const std::uint8_t> sent, int width, int height, int rows,
                 std::vector<std::uint8_t>& out) {
  const std::size_t rowBytes = static_cast<std::size_t>(width);
  std::size_t sentRow = 0;
  for (const InterlacePass& pass : kInterlacePasses) {
    for (int y = pass.firstRow; y < height; y += pass.step, ++sentRow) {
      if (y >= rows) continue;
      std::memcpy(out.data() + static_cast<std::size_t>(y) * rowBytes,
                  sent.data() + sentRow * rowBytes, rowBytes);
    }
  }
}

}  // namespace

GifPalette ReadGifPalette(std::span<const std::uint8_t> bytes, const GifImage& image) {
  GifPalette palette;
  if (image.tableEntries == 0) {
    for (std::size_t i = 0; i < palette.size(); ++i) {
      const auto grey = static_cast<std::uint32_t>(i);
      palette[i] = OpaqueRgb(grey, grey, grey);
    }
    return palette;
  }
  palette.fill(kOpaqueBlack);
  ByteReader reader(bytes);
  reader.Seek(image.tableOffset);
  const std::size_t entries = std::min<std::size_t>(image.tableEntries, palette.size());
  for (std::size_t i = 0; i < entries; ++i) {
    const std::uint32_t red = reader.U8();
    const std::uint32_t green = reader.U8();
    const std::uint32_t blue = reader.U8();
    if (!reader.Ok()) break;
    palette[i] = OpaqueRgb(red, green, blue);
  }
  return palette;
}

void DecodeGifIndices(std::span<const std::uint8_t> bytes, const GifImage& image, int rows,
                      std::vector<std::uint8_t>& indices, std::vector<std::uint8_t>& scratch) {
  rows = std::clamp(rows, 0, image.height);
  const std::size_t width = static_cast<std::size_t>(image.width);
  ByteReader data(bytes);
  data.Seek(image.dataOffset);
  if (!image.interlaced) {
    indices.assign(width * rows, 0);
    DecodeGifLzw(data, image.minCodeSize, indices);
    return;
  }
  // Any row may come last in interlaced order, so all of them are decoded.
  scratch.assign(width * image.height, 0);
  DecodeGifLzw(data, image.minCodeSize, scratch);
  indices.resize(width * rows);
  Deinterlace(scratch, image.width, image.height, rows, indices);
}

}  // namespace chatmock::pictures
