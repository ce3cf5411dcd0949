#include <gtest/gtest.h>

#include <string>

#include "pictures/decode/decode.h"
#include "tests/decode/writers/dib_writer.h"
#include "tests/decode/writers/icon_writer.h"

namespace chatmock::pictures {
namespace {

using testing::Bytes;
using testing::DibPlan;
using testing::IconEntryPlan;
using testing::MakeDib;
using testing::MakeIconFile;
using testing::MakeMaskRows;

constexpr unsigned kIconType = 1;
constexpr unsigned kCursorType = 2;

// Each entry gets its own colour so the test sees which one was shown.
std::uint32_t EntryColour(int seed, int x, int y) {
  return static_cast<std::uint32_t>(((seed * 50 + x * 7) % 256) << 16 | ((y * 9) % 256) << 8 | (seed * 30 % 256));
}

bool MaskBit(int x, int y) { return (x + 2 * y) % 3 == 0; }

// A 24-bit entry with an AND mask.
IconEntryPlan TrueColourEntry(int side, int seed, std::uint8_t colourByte = 0) {
  DibPlan dib;
  dib.width = side;
  dib.height = side * 2;
  dib.bits = 24;
  dib.pixel = [seed](int x, int y) { return EntryColour(seed, x, y); };
  IconEntryPlan entry{static_cast<std::uint8_t>(side), static_cast<std::uint8_t>(side), colourByte,
                      MakeDib(dib, side)};
  testing::PutBytes(entry.image, MakeMaskRows(side, side, MaskBit));
  return entry;
}

std::uint32_t MaskedColour(int seed, int x, int y) {
  return (MaskBit(x, y) ? 0x00000000u : 0xFF000000u) | EntryColour(seed, x, y);
}

void ExpectEntryShown(const Bytes& file, PictureKind kind, int side, int seed) {
  const std::optional<DecodedPicture> picture = DecodePicture(file);
  ASSERT_TRUE(picture.has_value());
  EXPECT_EQ(picture->kind, kind);
  EXPECT_TRUE(picture->hasMask);
  ASSERT_EQ(picture->width, side);
  ASSERT_EQ(picture->height, side);
  for (int y = 0; y < side; ++y) {
    for (int x = 0; x < side; ++x) {
      ASSERT_EQ(picture->pixels[y * side + x], MaskedColour(seed, x, y)) << x << "," << y;
    }
  }
}

TEST(IconEntryChoiceTest, WithoutA32PixelEntryTheLastEntryIsShown) {
  ExpectEntryShown(MakeIconFile(kIconType, {TrueColourEntry(16, 1), TrueColourEntry(48, 2)}),
                   PictureKind::Icon, 48, 2);
}

TEST(IconEntryChoiceTest, First32PixelEntryWithSixteenColoursWins) {
  const Bytes file = MakeIconFile(kIconType, {TrueColourEntry(16, 1), TrueColourEntry(32, 2, 16),
                                              TrueColourEntry(32, 3, 16), TrueColourEntry(48, 4)});
  ExpectEntryShown(file, PictureKind::Icon, 32, 2);
}

TEST(IconEntryChoiceTest, A32PixelEntryWithFewerColoursIsPassedOver) {
  // Colour byte 0 stands for 256 or more colours, but the rule asks for >= 16.
  const Bytes file = MakeIconFile(
      kIconType, {TrueColourEntry(32, 1, 8), TrueColourEntry(32, 2, 0), TrueColourEntry(16, 3)});
  ExpectEntryShown(file, PictureKind::Icon, 16, 3);
}

TEST(IconEntryChoiceTest, CursorIsShownLikeAnIcon) {
  ExpectEntryShown(MakeIconFile(kCursorType, {TrueColourEntry(32, 5, 16)}), PictureKind::Cursor,
                   32, 5);
}

class IconIndexedDepthTest : public ::testing::TestWithParam<int> {};

TEST_P(IconIndexedDepthTest, PaletteColoursUnderTheMask) {
  const int bits = GetParam();
  constexpr int kSide = 13;  // partial bytes and padding in colour and mask rows
  DibPlan dib;
  dib.width = kSide;
  dib.height = kSide * 2;
  dib.bits = bits;
  for (std::uint32_t i = 0; i < (1u << bits); ++i) dib.palette.push_back(i * 0x010305u);
  dib.pixel = [bits](int x, int y) { return static_cast<std::uint32_t>(x + y * 2) % (1u << bits); };
  IconEntryPlan entry{kSide, kSide, 0, MakeDib(dib, kSide)};
  testing::PutBytes(entry.image, MakeMaskRows(kSide, kSide, MaskBit));
  const std::optional<DecodedPicture> picture = DecodePicture(MakeIconFile(kIconType, {entry}));
  ASSERT_TRUE(picture.has_value());
  for (int y = 0; y < kSide; ++y) {
    for (int x = 0; x < kSide; ++x) {
      const std::uint32_t index = static_cast<std::uint32_t>(x + y * 2) % (1u << bits);
      const std::uint32_t alpha = MaskBit(x, y) ? 0u : 0xFF000000u;
      ASSERT_EQ(picture->pixels[y * kSide + x], alpha | (index * 0x010305u)) << x << "," << y;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Depths, IconIndexedDepthTest, ::testing::Values(1, 4, 8));

IconEntryPlan AlphaEntry(int side, const std::function<std::uint32_t(int, int)>& argb) {
  DibPlan dib;
  dib.width = side;
  dib.height = side * 2;
  dib.bits = 32;
  dib.pixel = argb;
  IconEntryPlan entry{static_cast<std::uint8_t>(side), static_cast<std::uint8_t>(side), 0,
                      MakeDib(dib, side)};
  testing::PutBytes(entry.image, MakeMaskRows(side, side, MaskBit));
  return entry;
}

TEST(IconAlphaTest, ThirtyTwoBitEntryKeepsItsOwnAlpha) {
  auto argb = [](int x, int y) { return static_cast<std::uint32_t>((x * 30) << 24) | EntryColour(1, x, y); };
  const std::optional<DecodedPicture> picture = DecodePicture(MakeIconFile(kIconType, {AlphaEntry(8, argb)}));
  ASSERT_TRUE(picture.has_value());
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 8; ++x) ASSERT_EQ(picture->pixels[y * 8 + x], argb(x, y)) << x << "," << y;
  }
}

TEST(IconAlphaTest, ThirtyTwoBitEntryWithoutAnyAlphaUsesTheMask) {
  auto rgb = [](int x, int y) { return EntryColour(1, x, y); };
  const std::optional<DecodedPicture> picture = DecodePicture(MakeIconFile(kIconType, {AlphaEntry(8, rgb)}));
  ASSERT_TRUE(picture.has_value());
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 8; ++x) ASSERT_EQ(picture->pixels[y * 8 + x], MaskedColour(1, x, y));
  }
}

const Bytes kPngStart = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0, 0, 13, 'I', 'H', 'D', 'R',
                         0, 0, 0, 32, 0, 0, 0, 32, 8, 6, 0, 0, 0};

TEST(IconBrokenTest, PngEntryIsNoPicture) {
  EXPECT_FALSE(DecodePicture(MakeIconFile(kIconType, {IconEntryPlan{32, 32, 0, kPngStart}})).has_value());
}

TEST(IconBrokenTest, PngAsTheChosenEntryIsNoPictureEvenWithGoodEntriesAround) {
  const Bytes file = MakeIconFile(kIconType, {IconEntryPlan{32, 32, 16, kPngStart}, TrueColourEntry(48, 2)});
  EXPECT_FALSE(DecodePicture(file).has_value());
}

TEST(IconBrokenTest, MissingMaskIsNoPicture) {
  Bytes file = MakeIconFile(kIconType, {TrueColourEntry(16, 1)});
  file.erase(file.end() - 4, file.end());  // part of the last mask row
  EXPECT_FALSE(DecodePicture(file).has_value());
}

TEST(IconBrokenTest, EntryOffsetPastTheEndIsNoPicture) {
  Bytes file = MakeIconFile(kIconType, {TrueColourEntry(16, 1)});
  file[6 + 12] = 0xFF;  // offset low byte
  file[6 + 15] = 0x7F;  // offset high byte
  EXPECT_FALSE(DecodePicture(file).has_value());
}

TEST(IconBrokenTest, DirectoryLongerThanTheFileIsNoPicture) {
  Bytes file = MakeIconFile(kIconType, {TrueColourEntry(16, 1)});
  file[4] = 200;  // claims 200 entries
  EXPECT_FALSE(DecodePicture(file).has_value());
}

TEST(IconBrokenTest, SixteenBitEntryIsNoPicture) {
  DibPlan dib;
  dib.width = 4;
  dib.height = 8;
  dib.bits = 16;
  dib.pixel = [](int, int) { return 0u; };
  IconEntryPlan entry{4, 4, 0, MakeDib(dib, 0)};
  entry.image.resize(entry.image.size() + 64, 0);
  EXPECT_FALSE(DecodePicture(MakeIconFile(kIconType, {entry})).has_value());
}

}  // namespace
}  // namespace chatmock::pictures
