#include <gtest/gtest.h>

#include <string>

#include "pictures/decode/decode.h"
#include "tests/decode/writers/pcx_writer.h"

namespace chatmock::pictures {
namespace {

using testing::Bytes;
using testing::MakePcx;
using testing::PcxPlan;

std::vector<std::uint32_t> Palette() {
  std::vector<std::uint32_t> palette;
  for (std::uint32_t i = 0; i < 256; ++i) palette.push_back(((i * 7) % 256) << 16 | (255 - i) << 8 | ((i * 3) % 256));
  return palette;
}

// 5 x 3 in a window that does not start at 0; one padding byte per line.
PcxPlan EightBitPlan() {
  PcxPlan plan;
  plan.xMin = 10;
  plan.xMax = 14;
  plan.yMin = 20;
  plan.yMax = 22;
  plan.bytesPerLine = 6;
  plan.rows = {{1, 1, 1, 200, 250, 0}, {7, 8, 9, 9, 9, 0}, {255, 254, 193, 192, 0, 0}};
  return plan;
}

DecodedPicture DecodeOrFail(const Bytes& bytes, PictureKind kind) {
  std::optional<DecodedPicture> picture = DecodePicture(bytes);
  EXPECT_TRUE(picture.has_value());
  if (!picture) return DecodedPicture{};
  EXPECT_EQ(picture->kind, kind);
  return std::move(*picture);
}

TEST(PcxTest, EightBitsUseTheTrailingPalette) {
  PcxPlan plan = EightBitPlan();
  plan.palette = Palette();
  const DecodedPicture picture = DecodeOrFail(MakePcx(plan), PictureKind::Pcx8);
  ASSERT_EQ(picture.width, 5);
  ASSERT_EQ(picture.height, 3);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 5; ++x) {
      ASSERT_EQ(picture.pixels[y * 5 + x], 0xFF000000u | (*plan.palette)[plan.rows[y][x]]) << x << "," << y;
    }
  }
}

TEST(PcxTest, EightBitsWithoutPaletteAreGrey) {
  const PcxPlan plan = EightBitPlan();
  const DecodedPicture picture = DecodeOrFail(MakePcx(plan), PictureKind::Pcx8);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 5; ++x) {
      const std::uint32_t grey = plan.rows[y][x];
      ASSERT_EQ(picture.pixels[y * 5 + x], 0xFF000000u | grey << 16 | grey << 8 | grey);
    }
  }
}

TEST(PcxTest, OneBitIsWhiteForSetBitsMostSignificantFirst) {
  PcxPlan plan;
  plan.version = 3;
  plan.bitsPerPixel = 1;
  plan.xMax = 10;  // 11 pixels: the second byte is used in part
  plan.yMax = 1;
  plan.bytesPerLine = 2;
  plan.rows = {{0b10110000, 0b01111111}, {0b00000001, 0b10100000}};
  const DecodedPicture picture = DecodeOrFail(MakePcx(plan), PictureKind::Pcx1);
  ASSERT_EQ(picture.width, 11);
  ASSERT_EQ(picture.height, 2);
  const std::string expected = "X.XX.....XX" ".......XX.X";
  for (std::size_t i = 0; i < expected.size(); ++i) {
    ASSERT_EQ(picture.pixels[i], expected[i] == 'X' ? 0xFFFFFFFFu : 0xFF000000u) << i;
  }
}

Bytes WithRawData(const PcxPlan& plan, const Bytes& data) {
  Bytes bytes = MakePcx(PcxPlan{plan.version, plan.bitsPerPixel, plan.planes, plan.xMin, plan.yMin,
                                plan.xMax, plan.yMax, plan.bytesPerLine, {}, std::nullopt});
  bytes.insert(bytes.end(), data.begin(), data.end());
  return bytes;
}

TEST(PcxTest, RunsMayGoOnIntoTheNextLineAndByte192IsItself) {
  PcxPlan plan;
  plan.xMax = 3;
  plan.yMax = 1;
  plan.bytesPerLine = 4;
  // A run of six 5s spans both lines; 192 is not a run marker; 193 is a run of one.
  const DecodedPicture picture = DecodeOrFail(WithRawData(plan, {192, 0xC6, 5, 0xC1, 77}), PictureKind::Pcx8);
  const std::vector<std::uint32_t> expected = {192, 5, 5, 5, 5, 5, 5, 77};
  for (std::size_t i = 0; i < expected.size(); ++i) {
    ASSERT_EQ(picture.pixels[i] & 0xFF, expected[i]) << i;
  }
}

struct RejectedCase {
  std::string name;
  std::function<void(PcxPlan&)> change;
};

class PcxRejectedTest : public ::testing::TestWithParam<RejectedCase> {};

TEST_P(PcxRejectedTest, IsNoPicture) {
  PcxPlan plan = EightBitPlan();
  GetParam().change(plan);
  EXPECT_FALSE(DecodePicture(MakePcx(plan)).has_value());
}

INSTANTIATE_TEST_SUITE_P(
    Headers, PcxRejectedTest,
    ::testing::Values(RejectedCase{"XEndBeforeStart", [](PcxPlan& s) { s.xMax = 9; }},
                      RejectedCase{"YEndBeforeStart", [](PcxPlan& s) { s.yMax = 19; }},
                      RejectedCase{"ThreePlanes", [](PcxPlan& s) { s.planes = 3; }},
                      RejectedCase{"NoPlanes", [](PcxPlan& s) { s.planes = 0; }},
                      RejectedCase{"LinesShorterThanWidth", [](PcxPlan& s) { s.bytesPerLine = 4; }},
                      RejectedCase{"DataRunsOut", [](PcxPlan& s) { s.rows.pop_back(); }},
                      RejectedCase{"WindowTooWide", [](PcxPlan& s) { s.xMin = 0; s.xMax = 16384; s.bytesPerLine = 16385; }}),
    [](const auto& info) { return info.param.name; });

TEST(PcxTest, OneBitWithFourPlanesIsNoPicture) {
  PcxPlan plan;
  plan.version = 3;
  plan.bitsPerPixel = 1;
  plan.planes = 4;
  plan.xMax = 7;
  plan.bytesPerLine = 1;
  plan.rows = {{1}, {2}, {3}, {4}};
  EXPECT_FALSE(DecodePicture(MakePcx(plan)).has_value());
}

TEST(PcxTest, HeaderOfExactly128BytesIsNoPicture) {
  Bytes bytes = MakePcx(EightBitPlan());
  bytes.resize(128);
  EXPECT_FALSE(DecodePicture(bytes).has_value());
  bytes.push_back(0);  // one data byte is not enough for 3 lines either
  EXPECT_FALSE(DecodePicture(bytes).has_value());
}

}  // namespace
}  // namespace chatmock::pictures
