#include <gtest/gtest.h>

#include <string>

#include "pictures/decode/decode.h"
#include "tests/decode/writers/pcx_writer.h"

namespace chatmock::pictures {
namespace {

using testing::Bytes;
using testing::MakePcx;
using testing::PcxSpec;

std::vector<std::uint32_t> Palette() {
  std::vector<std::uint32_t> palette;
  for (std::uint32_t i = 0; i < 256; ++i) palette.push_back(((i * 7) % 256) << 16 | (255 - i) << 8 | ((i * 3) % 256));
  return palette;
}

// 5 x 3 in a window that does not start at 0; one padding byte per line.
PcxSpec EightBitSpec() {
  PcxSpec spec;
  spec.xMin = 10;
  spec.xMax = 14;
  spec.yMin = 20;
  spec.yMax = 22;
  spec.bytesPerLine = 6;
  spec.rows = {{1, 1, 1, 200, 250, 0}, {7, 8, 9, 9, 9, 0}, {255, 254, 193, 192, 0, 0}};
  return spec;
}

DecodedPicture DecodeOrFail(const Bytes& bytes, PictureKind kind) {
  std::optional<DecodedPicture> picture = DecodePicture(bytes);
  EXPECT_TRUE(picture.has_value());
  if (!picture) return DecodedPicture{};
  EXPECT_EQ(picture->kind, kind);
  return std::move(*picture);
}

TEST(PcxTest, EightBitsUseTheTrailingPalette) {
  PcxSpec spec = EightBitSpec();
  spec.palette = Palette();
  const DecodedPicture picture = DecodeOrFail(MakePcx(spec), PictureKind::Pcx8);
  ASSERT_EQ(picture.width, 5);
  ASSERT_EQ(picture.height, 3);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 5; ++x) {
      ASSERT_EQ(picture.pixels[y * 5 + x], 0xFF000000u | (*spec.palette)[spec.rows[y][x]]) << x << "," << y;
    }
  }
}

TEST(PcxTest, EightBitsWithoutPaletteAreGrey) {
  const PcxSpec spec = EightBitSpec();
  const DecodedPicture picture = DecodeOrFail(MakePcx(spec), PictureKind::Pcx8);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 5; ++x) {
      const std::uint32_t grey = spec.rows[y][x];
      ASSERT_EQ(picture.pixels[y * 5 + x], 0xFF000000u | grey << 16 | grey << 8 | grey);
    }
  }
}

TEST(PcxTest, OneBitIsWhiteForSetBitsMostSignificantFirst) {
  PcxSpec spec;
  spec.version = 3;
  spec.bitsPerPixel = 1;
  spec.xMax = 10;  // 11 pixels: the second byte is used in part
  spec.yMax = 1;
  spec.bytesPerLine = 2;
  spec.rows = {{0b10110000, 0b01111111}, {0b00000001, 0b10100000}};
  const DecodedPicture picture = DecodeOrFail(MakePcx(spec), PictureKind::Pcx1);
  ASSERT_EQ(picture.width, 11);
  ASSERT_EQ(picture.height, 2);
  const std::string expected = "X.XX.....XX" ".......XX.X";
  for (std::size_t i = 0; i < expected.size(); ++i) {
    ASSERT_EQ(picture.pixels[i], expected[i] == 'X' ? 0xFFFFFFFFu : 0xFF000000u) << i;
  }
}

Bytes WithRawData(const PcxSpec& spec, const Bytes& data) {
  Bytes bytes = MakePcx(PcxSpec{spec.version, spec.bitsPerPixel, spec.planes, spec.xMin, spec.yMin,
                                spec.xMax, spec.yMax, spec.bytesPerLine, {}, std::nullopt});
  bytes.insert(bytes.end(), data.begin(), data.end());
  return bytes;
}

TEST(PcxTest, RunsMayGoOnIntoTheNextLineAndByte192IsItself) {
  PcxSpec spec;
  spec.xMax = 3;
  spec.yMax = 1;
  spec.bytesPerLine = 4;
  // A run of six 5s spans both lines; 192 is not a run marker; 193 is a run of one.
  const DecodedPicture picture = DecodeOrFail(WithRawData(spec, {192, 0xC6, 5, 0xC1, 77}), PictureKind::Pcx8);
  const std::vector<std::uint32_t> expected = {192, 5, 5, 5, 5, 5, 5, 77};
  for (std::size_t i = 0; i < expected.size(); ++i) {
    ASSERT_EQ(picture.pixels[i] & 0xFF, expected[i]) << i;
  }
}

struct RejectedCase {
  std::string name;
  std::function<void(PcxSpec&)> change;
};

class PcxRejectedTest : public ::testing::TestWithParam<RejectedCase> {};

TEST_P(PcxRejectedTest, IsNoPicture) {
  PcxSpec spec = EightBitSpec();
  GetParam().change(spec);
  EXPECT_FALSE(DecodePicture(MakePcx(spec)).has_value());
}

INSTANTIATE_TEST_SUITE_P(
    Headers, PcxRejectedTest,
    ::testing::Values(RejectedCase{"XEndBeforeStart", [](PcxSpec& s) { s.xMax = 9; }},
                      RejectedCase{"YEndBeforeStart", [](PcxSpec& s) { s.yMax = 19; }},
                      RejectedCase{"ThreePlanes", [](PcxSpec& s) { s.planes = 3; }},
                      RejectedCase{"NoPlanes", [](PcxSpec& s) { s.planes = 0; }},
                      RejectedCase{"LinesShorterThanWidth", [](PcxSpec& s) { s.bytesPerLine = 4; }},
                      RejectedCase{"DataRunsOut", [](PcxSpec& s) { s.rows.pop_back(); }},
                      RejectedCase{"WindowTooWide", [](PcxSpec& s) { s.xMin = 0; s.xMax = 16384; s.bytesPerLine = 16385; }}),
    [](const auto& info) { return info.param.name; });

TEST(PcxTest, OneBitWithFourPlanesIsNoPicture) {
  PcxSpec spec;
  spec.version = 3;
  spec.bitsPerPixel = 1;
  spec.planes = 4;
  spec.xMax = 7;
  spec.bytesPerLine = 1;
  spec.rows = {{1}, {2}, {3}, {4}};
  EXPECT_FALSE(DecodePicture(MakePcx(spec)).has_value());
}

TEST(PcxTest, HeaderOfExactly128BytesIsNoPicture) {
  Bytes bytes = MakePcx(EightBitSpec());
  bytes.resize(128);
  EXPECT_FALSE(DecodePicture(bytes).has_value());
  bytes.push_back(0);  // one data byte is not enough for 3 lines either
  EXPECT_FALSE(DecodePicture(bytes).has_value());
}

}  // namespace
}  // namespace chatmock::pictures
