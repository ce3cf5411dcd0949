#include <gtest/gtest.h>

#include <string>

#include "pictures/decode/decode.h"
#include "tests/decode/writers/bmp_writer.h"

namespace chatmock::pictures {
namespace {

using testing::BmpPlan;
using testing::Bytes;
using testing::MakeBmp;

// Distinct, easy-to-tell-apart palette colours.
std::uint32_t PaletteColour(std::size_t i) {
  return static_cast<std::uint32_t>(((i * 67 + 11) % 256) << 16 | ((i * 29 + 3) % 256) << 8 |
                                    ((i * 151 + 90) % 256));
}

std::vector<std::uint32_t> MakePalette(std::size_t entries) {
  std::vector<std::uint32_t> palette;
  for (std::size_t i = 0; i < entries; ++i) palette.push_back(PaletteColour(i));
  return palette;
}

std::uint32_t IndexAt(int x, int y, int bits) { return static_cast<std::uint32_t>(x * 3 + y * 5) % (1u << bits); }
std::uint32_t ColourAt(int x, int y) {
  return static_cast<std::uint32_t>((x * 19) % 256) << 16 | static_cast<std::uint32_t>((y * 41) % 256) << 8 |
         static_cast<std::uint32_t>((x * y * 7) % 256);
}

BmpPlan IndexedPlan(int bits, int width, int height) {
  BmpPlan plan;
  plan.dib.width = width;
  plan.dib.height = height;
  plan.dib.bits = bits;
  plan.dib.palette = MakePalette(std::size_t{1} << bits);
  plan.dib.pixel = [bits](int x, int y) { return IndexAt(x, y, bits); };
  return plan;
}

BmpPlan DirectPlan(int bits, int width, int height) {
  BmpPlan plan;
  plan.dib.width = width;
  plan.dib.height = height;
  plan.dib.bits = bits;
  // The fourth byte of a 32-bit pixel is junk as far as BMP is concerned.
  plan.dib.pixel = [](int x, int y) { return 0x5A000000u | ColourAt(x, y); };
  return plan;
}

void ExpectPixels(const Bytes& file, int width, int height,
                  const std::function<std::uint32_t(int, int)>& expected) {
  const std::optional<DecodedPicture> picture = DecodePicture(file);
  ASSERT_TRUE(picture.has_value());
  EXPECT_EQ(picture->kind, PictureKind::Bmp);
  EXPECT_FALSE(picture->hasMask);
  ASSERT_EQ(picture->width, width);
  ASSERT_EQ(picture->height, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      ASSERT_EQ(picture->pixels[y * width + x], 0xFF000000u | expected(x, y)) << x << "," << y;
    }
  }
}

struct DepthCase {
  int bits;
  bool topDown;
};

class BmpDepthTest : public ::testing::TestWithParam<DepthCase> {};

// 13 pixels wide: a partial last byte at 1 and 4 bits, and row padding at
// every depth but 32.
TEST_P(BmpDepthTest, DecodesEveryPixel) {
  const auto [bits, topDown] = GetParam();
  constexpr int kWidth = 13;
  constexpr int kHeight = 5;
  const int storedHeight = topDown ? -kHeight : kHeight;
  if (bits <= 8) {
    ExpectPixels(MakeBmp(IndexedPlan(bits, kWidth, storedHeight)), kWidth, kHeight,
                 [bits](int x, int y) { return PaletteColour(IndexAt(x, y, bits)); });
  } else {
    ExpectPixels(MakeBmp(DirectPlan(bits, kWidth, storedHeight)), kWidth, kHeight, ColourAt);
  }
}

INSTANTIATE_TEST_SUITE_P(Depths, BmpDepthTest,
                         ::testing::Values(DepthCase{1, false}, DepthCase{4, false},
                                           DepthCase{8, false}, DepthCase{24, false},
                                           DepthCase{32, false}, DepthCase{1, true},
                                           DepthCase{4, true}, DepthCase{8, true},
                                           DepthCase{24, true}, DepthCase{32, true}),
                         [](const auto& info) {
                           return std::to_string(info.param.bits) +
                                  (info.param.topDown ? "BitsTopDown" : "BitsBottomUp");
                         });

TEST(BmpPaletteTest, ColourCountLimitsThePaletteAndLaterIndicesAreBlack) {
  BmpPlan plan = IndexedPlan(8, 6, 2);
  plan.dib.colorsUsed = 3;
  plan.dib.palette = MakePalette(3);
  plan.dib.pixel = [](int x, int y) { return static_cast<std::uint32_t>(x + 6 * y); };  // 0..11
  ExpectPixels(MakeBmp(plan), 6, 2, [](int x, int y) {
    const int index = x + 6 * y;
    return index < 3 ? PaletteColour(index) : 0u;
  });
}

TEST(BmpPaletteTest, ColourCountAboveTwoToTheBitsIsClampedToIt) {
  BmpPlan plan = IndexedPlan(4, 6, 2);
  plan.dib.colorsUsed = 300;  // only 16 entries are written and read
  ExpectPixels(MakeBmp(plan), 6, 2, [](int x, int y) { return PaletteColour(IndexAt(x, y, 4)); });
}

TEST(BmpLayoutTest, BytesBetweenPaletteAndDataOffsetAreSkipped) {
  BmpPlan plan = IndexedPlan(8, 5, 3);
  plan.gapBeforeRows = 37;
  ExpectPixels(MakeBmp(plan), 5, 3, [](int x, int y) { return PaletteColour(IndexAt(x, y, 8)); });
}

TEST(BmpLayoutTest, DataOffsetInsideThePaletteIsNoPicture) {
  BmpPlan plan = IndexedPlan(8, 5, 3);
  plan.gapBeforeRows = 8;
  plan.dataOffset = 14 + 40 + 256 * 4 - 4;  // rows would overlap the last palette entry
  EXPECT_FALSE(DecodePicture(MakeBmp(plan)).has_value());
}

TEST(BmpLayoutTest, DataOffsetInsideTheHeaderIsNoPicture) {
  BmpPlan plan = DirectPlan(24, 4, 4);
  plan.gapBeforeRows = 60;
  plan.dataOffset = 30;
  EXPECT_FALSE(DecodePicture(MakeBmp(plan)).has_value());
}

TEST(BmpLayoutTest, NegativeWidthCountsAsItsAbsoluteValue) {
  BmpPlan plan = DirectPlan(24, -7, 2);
  ExpectPixels(MakeBmp(plan), 7, 2, ColourAt);
}

class BmpHeaderSizeTest : public ::testing::TestWithParam<std::uint32_t> {};

TEST_P(BmpHeaderSizeTest, LargerHeadersPutThePaletteAfterThemselves) {
  BmpPlan plan = IndexedPlan(4, 9, 3);
  plan.dib.headerSize = GetParam();
  ExpectPixels(MakeBmp(plan), 9, 3, [](int x, int y) { return PaletteColour(IndexAt(x, y, 4)); });
}

INSTANTIATE_TEST_SUITE_P(Sizes, BmpHeaderSizeTest, ::testing::Values(40u, 52u, 56u, 108u, 124u));

struct RejectedCase {
  std::string name;
  std::function<void(BmpPlan&)> change;
};

class BmpRejectedTest : public ::testing::TestWithParam<RejectedCase> {};

TEST_P(BmpRejectedTest, IsNoPicture) {
  BmpPlan plan = DirectPlan(24, 6, 4);
  GetParam().change(plan);
  EXPECT_FALSE(DecodePicture(MakeBmp(plan)).has_value());
}

INSTANTIATE_TEST_SUITE_P(
    Headers, BmpRejectedTest,
    ::testing::Values(RejectedCase{"CoreHeader", [](BmpPlan& s) { s.dib.headerSize = 12; }},
                      RejectedCase{"Header39", [](BmpPlan& s) { s.dib.headerSize = 39; }},
                      RejectedCase{"SixteenBits", [](BmpPlan& s) { s.dib.bits = 16; }},
                      RejectedCase{"TwoBits", [](BmpPlan& s) { s.dib.bits = 2; }},
                      RejectedCase{"Rle8", [](BmpPlan& s) { s.dib.compression = 1; }},
                      RejectedCase{"Rle4", [](BmpPlan& s) { s.dib.compression = 2; }},
                      RejectedCase{"Bitfields", [](BmpPlan& s) { s.dib.compression = 3; }},
                      RejectedCase{"ZeroWidth", [](BmpPlan& s) { s.dib.width = 0; }},
                      RejectedCase{"ZeroHeight", [](BmpPlan& s) { s.dib.height = 0; }}),
    [](const auto& info) { return info.param.name; });

TEST(BmpTruncationTest, MissingLastByteOfPixelDataIsNoPicture) {
  Bytes file = MakeBmp(DirectPlan(24, 6, 4));
  ASSERT_TRUE(DecodePicture(file).has_value());
  file.pop_back();
  EXPECT_FALSE(DecodePicture(file).has_value());
}

TEST(BmpTruncationTest, PaletteCutShortIsNoPicture) {
  Bytes file = MakeBmp(IndexedPlan(8, 2, 2));
  file.resize(14 + 40 + 100);
  EXPECT_FALSE(DecodePicture(file).has_value());
}

}  // namespace
}  // namespace chatmock::pictures
