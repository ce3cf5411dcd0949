#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <string>

#include "pictures/decode/decode.h"
#include "tests/decode/fixture_files.h"
#include "tests/decode/writers/jpeg_writer.h"

namespace chatmock::pictures {
namespace {

using testing::ParsePpm;
using testing::ReadFixture;

// ImageMagick decodes with the same libjpeg; a little slack covers another
// rounding in its colour conversion.
constexpr int kTolerance = 2;

int ChannelDistance(std::uint32_t a, std::uint32_t b) {
  int worst = 0;
  for (int shift = 0; shift <= 24; shift += 8) {
    worst = std::max(worst, std::abs(static_cast<int>((a >> shift) & 0xFF) -
                                     static_cast<int>((b >> shift) & 0xFF)));
  }
  return worst;
}

class JpegFixtureTest : public ::testing::TestWithParam<std::string> {};

TEST_P(JpegFixtureTest, MatchesImageMagicksPixels) {
  const std::string name = GetParam();
  const testing::RgbPicture expected = ParsePpm(ReadFixture(name + ".ppm"));
  ASSERT_GT(expected.width, 0);
  const std::optional<DecodedPicture> picture = DecodePicture(ReadFixture(name + ".jpg"));
  ASSERT_TRUE(picture.has_value());
  EXPECT_EQ(picture->kind, PictureKind::Jpeg);
  EXPECT_FALSE(picture->hasMask);
  ASSERT_EQ(picture->width, expected.width);
  ASSERT_EQ(picture->height, expected.height);
  int worst = 0;
  for (std::size_t i = 0; i < expected.pixels.size(); ++i) {
    worst = std::max(worst, ChannelDistance(picture->pixels[i], expected.pixels[i]));
  }
  EXPECT_LE(worst, kTolerance);  // alpha is in the comparison too: it must be 0xFF
}

INSTANTIATE_TEST_SUITE_P(Fixtures, JpegFixtureTest,
                         ::testing::Values("photo", "grey", "cmyk", "progressive"));

TEST(JpegTest, GreyscaleHasEqualChannels) {
  const std::optional<DecodedPicture> picture = DecodePicture(ReadFixture("grey.jpg"));
  ASSERT_TRUE(picture.has_value());
  for (std::uint32_t pixel : picture->pixels) {
    ASSERT_EQ((pixel >> 16) & 0xFF, pixel & 0xFF);
    ASSERT_EQ((pixel >> 8) & 0xFF, pixel & 0xFF);
  }
}

TEST(JpegTest, TruncatedFileIsNoPicture) {
  std::vector<std::uint8_t> bytes = ReadFixture("photo.jpg");
  bytes.resize(bytes.size() / 2);
  EXPECT_FALSE(DecodePicture(bytes).has_value());
}

TEST(JpegTest, HeaderOnlyIsNoPicture) {
  std::vector<std::uint8_t> bytes = ReadFixture("photo.jpg");
  bytes.resize(300);  // tables, but not all of the scan
  EXPECT_FALSE(DecodePicture(bytes).has_value());
}

// Finds the start-of-frame marker and writes new dimensions into it.
void SetFrameSize(std::vector<std::uint8_t>& bytes, unsigned width, unsigned height) {
  for (std::size_t i = 2; i + 9 < bytes.size(); ++i) {
    if (bytes[i] == 0xFF && (bytes[i + 1] == 0xC0 || bytes[i + 1] == 0xC2)) {
      bytes[i + 5] = static_cast<std::uint8_t>(height >> 8);
      bytes[i + 6] = static_cast<std::uint8_t>(height);
      bytes[i + 7] = static_cast<std::uint8_t>(width >> 8);
      bytes[i + 8] = static_cast<std::uint8_t>(width);
      return;
    }
  }
  FAIL() << "no frame marker";
}

struct SizeCase {
  unsigned width;
  unsigned height;
};

class JpegSizeLimitTest : public ::testing::TestWithParam<SizeCase> {};

// The header alone must be enough to refuse: the scan data of a small file
// cannot fill such a picture, and it must not be allocated first.
TEST_P(JpegSizeLimitTest, OversizedFrameIsNoPicture) {
  std::vector<std::uint8_t> bytes = ReadFixture("progressive.jpg");
  SetFrameSize(bytes, GetParam().width, GetParam().height);
  EXPECT_FALSE(DecodePicture(bytes).has_value());
}

INSTANTIATE_TEST_SUITE_P(Sizes, JpegSizeLimitTest,
                         ::testing::Values(SizeCase{16385, 8}, SizeCase{8, 16385},
                                           SizeCase{9000, 9000}, SizeCase{65535, 65535}));

using testing::EncodeJpeg;
using testing::JpegLayout;

std::uint8_t Flat(int, int, int) { return 128; }

struct WideCase {
  int width;
  int height;
  bool decodes;
};

class JpegSideLimitTest : public ::testing::TestWithParam<WideCase> {};

TEST_P(JpegSideLimitTest, SideAboveLimitIsNoPictureEvenWhenComplete) {
  const auto [width, height, decodes] = GetParam();
  const std::optional<DecodedPicture> picture =
      DecodePicture(EncodeJpeg(width, height, JpegLayout::Grey, Flat));
  ASSERT_EQ(picture.has_value(), decodes);
  if (decodes) {
    EXPECT_EQ(picture->width, width);
  }
}

INSTANTIATE_TEST_SUITE_P(Sides, JpegSideLimitTest,
                         ::testing::Values(WideCase{16384, 8, true}, WideCase{16385, 8, false},
                                           WideCase{8, 16385, false}));

struct InkCase {
  std::string name;
  JpegLayout layout;
  std::array<std::uint8_t, 4> stored;  // C, M, Y, K as written into the file
  std::uint32_t rgb;
};

class JpegInkTest : public ::testing::TestWithParam<InkCase> {};

// Adobe's files hold 255 - ink; files without the Adobe marker hold the ink.
TEST_P(JpegInkTest, ShowsTheColourOfTheInk) {
  const InkCase& ink = GetParam();
  const std::optional<DecodedPicture> picture = DecodePicture(
      EncodeJpeg(16, 16, ink.layout, [&](int, int, int c) { return ink.stored[c]; }));
  ASSERT_TRUE(picture.has_value());
  EXPECT_LE(ChannelDistance(picture->pixels[8 * 16 + 8], 0xFF000000u | ink.rgb), kTolerance);
}

INSTANTIATE_TEST_SUITE_P(
    Inks, JpegInkTest,
    ::testing::Values(InkCase{"AdobeRed", JpegLayout::CmykAdobe, {255, 0, 0, 255}, 0xFF0000},
                      InkCase{"PlainRed", JpegLayout::CmykPlain, {0, 255, 255, 0}, 0xFF0000},
                      InkCase{"AdobeHalfBlack", JpegLayout::CmykAdobe, {255, 255, 255, 128}, 0x808080},
                      InkCase{"PlainHalfBlack", JpegLayout::CmykPlain, {0, 0, 0, 127}, 0x808080},
                      InkCase{"AdobeCyanOnGrey", JpegLayout::CmykAdobe, {0, 255, 255, 128}, 0x008080}),
    [](const auto& info) { return info.param.name; });

TEST(JpegTest, RgbFromLibjpegRoundTrips) {
  auto sample = [](int x, int y, int c) { return static_cast<std::uint8_t>(c == 0 ? x * 8 : c == 1 ? y * 8 : 200); };
  const std::optional<DecodedPicture> picture =
      DecodePicture(EncodeJpeg(32, 32, JpegLayout::Rgb, sample));
  ASSERT_TRUE(picture.has_value());
  // Red grows to the right and green downwards, so a swapped channel order
  // or a flipped picture shows in these two corners.
  const std::uint32_t corner = picture->pixels[31 * 32 + 31];
  EXPECT_NEAR(static_cast<int>((corner >> 16) & 0xFF), 248, 6);
  EXPECT_NEAR(static_cast<int>((corner >> 8) & 0xFF), 248, 6);
  EXPECT_NEAR(static_cast<int>(corner & 0xFF), 200, 6);
  EXPECT_EQ(corner >> 24, 0xFFu);
  const std::uint32_t topRight = picture->pixels[31];
  EXPECT_NEAR(static_cast<int>((topRight >> 16) & 0xFF), 248, 6);
  EXPECT_NEAR(static_cast<int>((topRight >> 8) & 0xFF), 0, 6);
}

}  // namespace
}  // namespace chatmock::pictures
