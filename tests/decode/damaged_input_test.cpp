// Bytes from a server can be cut off or garbled anywhere. Whatever they are,
// decoding must return (a picture or none) without reading out of bounds;
// the sanitized build of these tests checks the "without".
#include <gtest/gtest.h>

#include <string>

#include "pictures/decode/decode.h"
#include "pictures/decode/gif_animation.h"
#include "tests/decode/fixture_files.h"
#include "tests/decode/writers/bmp_writer.h"
#include "tests/decode/writers/gif_writer.h"
#include "tests/decode/writers/icon_writer.h"
#include "tests/decode/writers/pcx_writer.h"

namespace chatmock::pictures {
namespace {

using testing::Bytes;

void ExpectSaneOrNone(std::span<const std::uint8_t> bytes) {
  const std::optional<DecodedPicture> picture = DecodePicture(bytes);
  if (!picture) return;
  ASSERT_GT(picture->width, 0);
  ASSERT_GT(picture->height, 0);
  ASSERT_EQ(picture->pixels.size(), static_cast<std::size_t>(picture->width) * picture->height);
  if (!picture->hasMask) {
    for (std::uint32_t pixel : picture->pixels) ASSERT_EQ(pixel >> 24, 0xFFu);
  }
}

void ExpectAnimationSaneOrNone(std::span<const std::uint8_t> bytes) {
  std::optional<GifAnimation> animation = GifAnimation::Parse(bytes);
  if (!animation) return;
  const std::size_t pixels = static_cast<std::size_t>(animation->Width()) * animation->Height();
  for (int i = 0; i < 6; ++i) {
    ASSERT_GT(animation->Advance(), 0);
    ASSERT_EQ(animation->Canvas().size(), pixels);
  }
}

Bytes SmallBmp(int bits) {
  testing::BmpPlan plan;
  plan.dib.width = 5;
  plan.dib.height = 3;
  plan.dib.bits = bits;
  if (bits <= 8) plan.dib.palette.assign(std::size_t{1} << bits, 0x123456);
  plan.dib.pixel = [](int x, int y) { return static_cast<std::uint32_t>(x * 77 + y); };
  return testing::MakeBmp(plan);
}

Bytes SmallIcon() {
  testing::DibPlan dib;
  dib.width = 4;
  dib.height = 8;
  dib.bits = 4;
  dib.palette.assign(16, 0x00FF00);
  dib.pixel = [](int x, int y) { return static_cast<std::uint32_t>(x + y); };
  testing::IconEntryPlan small{16, 16, 0, testing::MakeDib(dib, 4)};
  testing::PutBytes(small.image, testing::MakeMaskRows(4, 4, [](int x, int) { return x == 1; }));
  testing::IconEntryPlan other = small;
  other.widthByte = 32;
  other.colourByte = 16;
  return testing::MakeIconFile(1, {small, other, small});
}

Bytes SmallAnimation() {
  testing::GifPlan plan{6, 5, {0x000000, 0xFF0000, 0x00FF00, 0x0000FF}, {}};
  for (int i = 0; i < 3; ++i) {
    testing::GifFramePlan frame;
    frame.left = i;
    frame.top = i;
    frame.width = 4;
    frame.height = 3;
    frame.interlaced = i == 1;
    frame.indices.assign(12, static_cast<std::uint8_t>(i + 1));
    frame.control = testing::GifControl{i, i + 1, 0};
    if (i == 2) frame.localTable = {0xFFFFFF, 0x101010};
    plan.frames.push_back(frame);
  }
  return testing::MakeGif(plan);
}

Bytes SmallPcx(bool palette) {
  testing::PcxPlan plan;
  plan.xMax = 6;
  plan.yMax = 2;
  plan.bytesPerLine = 8;
  plan.rows.assign(3, Bytes{1, 2, 2, 2, 200, 255, 7, 0});
  if (palette) plan.palette = std::vector<std::uint32_t>(256, 0xABCDEF);
  return testing::MakePcx(plan);
}

struct Sample {
  std::string name;
  std::function<Bytes()> bytes;
};

const std::vector<Sample>& Samples() {
  static const std::vector<Sample> samples = {
      {"Bmp1", [] { return SmallBmp(1); }},
      {"Bmp4", [] { return SmallBmp(4); }},
      {"Bmp8", [] { return SmallBmp(8); }},
      {"Bmp24", [] { return SmallBmp(24); }},
      {"Bmp32", [] { return SmallBmp(32); }},
      {"Icon", SmallIcon},
      {"Gif", SmallAnimation},
      {"Pcx8", [] { return SmallPcx(true); }},
      {"Pcx8Grey", [] { return SmallPcx(false); }},
      {"Jpeg", [] { return testing::ReadFixture("photo.jpg"); }},
      {"JpegCmyk", [] { return testing::ReadFixture("cmyk.jpg"); }},
      {"JpegProgressive", [] { return testing::ReadFixture("progressive.jpg"); }},
      {"GifInterlaced", [] { return testing::ReadFixture("pattern-interlaced.gif"); }},
  };
  return samples;
}

class DamagedInputTest : public ::testing::TestWithParam<Sample> {};

TEST_P(DamagedInputTest, TheWholeFileDecodes) {
  ASSERT_TRUE(DecodePicture(GetParam().bytes()).has_value());
}

TEST_P(DamagedInputTest, EveryPrefixGivesNoPictureOrASaneOne) {
  const Bytes bytes = GetParam().bytes();
  for (std::size_t length = 0; length < bytes.size(); ++length) {
    SCOPED_TRACE(length);
    const std::span<const std::uint8_t> prefix(bytes.data(), length);
    // A copy of exactly that length, so the sanitizer sees any read past it.
    const Bytes exact(prefix.begin(), prefix.end());
    ExpectSaneOrNone(exact);
    ExpectAnimationSaneOrNone(exact);
  }
}

// Every byte in turn set to a few telling values (0, 0xFF, and one off).
TEST_P(DamagedInputTest, EveryGarbledByteGivesNoPictureOrASaneOne) {
  const Bytes original = GetParam().bytes();
  const std::size_t step = original.size() > 2000 ? original.size() / 2000 + 1 : 1;
  for (std::size_t at = 0; at < original.size(); at += step) {
    for (std::uint8_t value : {std::uint8_t{0}, std::uint8_t{0xFF}, static_cast<std::uint8_t>(original[at] + 1)}) {
      SCOPED_TRACE(std::to_string(at) + "=" + std::to_string(value));
      Bytes garbled = original;
      garbled[at] = value;
      ExpectSaneOrNone(garbled);
      ExpectAnimationSaneOrNone(garbled);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Samples, DamagedInputTest, ::testing::ValuesIn(Samples()),
                         [](const auto& info) { return info.param.name; });

TEST(DamagedJpegTest, TruncatedJpegsAreNoPicture) {
  for (const char* name : {"photo.jpg", "grey.jpg", "cmyk.jpg", "progressive.jpg"}) {
    SCOPED_TRACE(name);
    const Bytes bytes = testing::ReadFixture(name);
    // Past the headers, a cut anywhere before the end of the scans loses pixels.
    for (std::size_t length = 0; length + 2 < bytes.size(); length += 7) {
      const Bytes prefix(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(length));
      ASSERT_FALSE(DecodePicture(prefix).has_value()) << length;
    }
  }
}

}  // namespace
}  // namespace chatmock::pictures
