#include "tests/reliability/picture_samples.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

#include "tests/decode/writers/bmp_writer.h"
#include "tests/decode/writers/gif_writer.h"

namespace chatmock::reliability {
namespace {

using pictures::testing::BmpSpec;
using pictures::testing::GifControl;
using pictures::testing::GifFrameSpec;
using pictures::testing::GifSpec;

// Odd sizes, so rows need padding and no dimension is a power of two.
constexpr int kBmpWidth = 37, kBmpHeight = 23;
constexpr int kGifWidth = 31, kGifHeight = 19;
constexpr int kGifInnerLeft = 5, kGifInnerTop = 4, kGifInnerWidth = 17, kGifInnerHeight = 9;
constexpr int kGifFrameDelayCs = 5;
constexpr int kDisposeToBackground = 2;

const std::vector<std::uint32_t> kPalette = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF,
                                              0xFFFF00, 0x00FFFF, 0xFF00FF, 0xFFFFFF};

std::vector<std::uint8_t> Stripes(int width, int height, int shift) {
  std::vector<std::uint8_t> indices;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) indices.push_back(static_cast<std::uint8_t>((x / 3 + y + shift) % 8));
  }
  return indices;
}

}  // namespace

PictureBytes ChatFrameJpeg() {
  std::ifstream file(CHATMOCK_CHAT_FRAME_JPEG, std::ios::binary);
  if (!file) throw std::runtime_error("cannot open " CHATMOCK_CHAT_FRAME_JPEG);
  return PictureBytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

PictureBytes PalettedBmp() {
  BmpSpec spec;
  spec.dib.width = kBmpWidth;
  spec.dib.height = kBmpHeight;
  spec.dib.bits = 8;
  spec.dib.palette = kPalette;
  spec.dib.colorsUsed = static_cast<std::uint32_t>(kPalette.size());
  spec.dib.pixel = [](int x, int y) { return static_cast<std::uint32_t>((x + 2 * y) % 8); };
  return pictures::testing::MakeBmp(spec);
}

PictureBytes TwoFrameGif() {
  GifSpec spec;
  spec.width = kGifWidth;
  spec.height = kGifHeight;
  spec.globalTable = kPalette;
  GifFrameSpec whole{0, 0, kGifWidth, kGifHeight, Stripes(kGifWidth, kGifHeight, 0), {}, false,
                     GifControl{kGifFrameDelayCs, kDisposeToBackground, -1}};
  GifFrameSpec inner{kGifInnerLeft, kGifInnerTop, kGifInnerWidth, kGifInnerHeight,
                     Stripes(kGifInnerWidth, kGifInnerHeight, 3), {0x101010, 0x808080, 0xF0F0F0, 0x204060}, true,
                     GifControl{kGifFrameDelayCs, 0, 1}};
  for (std::uint8_t& index : inner.indices) index %= 4;
  spec.frames = {whole, inner};
  return pictures::testing::MakeGif(spec);
}

}  // namespace chatmock::reliability
