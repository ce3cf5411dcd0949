// The asset checks are only as good as the readers behind them: these
// small hand-made streams show each reader sees what it must and refuses
// malformed input without reading past it or looping on it.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tests/artwork/jpeg_markers.h"
#include "tests/artwork/png_header.h"

namespace chatmock::testing {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes segment(std::uint8_t marker, const Bytes &body) {
  const std::size_t length = body.size() + 2;
  Bytes out = {0xFF, marker, static_cast<std::uint8_t>(length >> 8),
               static_cast<std::uint8_t>(length & 0xFF)};
  out.insert(out.end(), body.begin(), body.end());
  return out;
}

Bytes jfif(std::uint8_t units, std::uint8_t density) {
  return segment(0xE0, {'J', 'F', 'I', 'F', 0, 1, 2, units, 0, density, 0, density, 0, 0});
}

// 300 x 200, three components sampled 2x2, 1x1, 1x1.
Bytes frame(std::uint8_t marker) {
  return segment(marker, {8, 0, 200, 1, 44, 3, 1, 0x22, 0, 2, 0x11, 1, 3, 0x11, 1});
}

Bytes scan() { return segment(0xDA, {1, 1, 0x00, 0, 63, 0}); }

Bytes concat(std::initializer_list<Bytes> parts) {
  Bytes out;
  for (const Bytes &part : parts) out.insert(out.end(), part.begin(), part.end());
  return out;
}

const Bytes kStartOfImage = {0xFF, 0xD8};

Bytes wellFormedJpeg() { return concat({kStartOfImage, jfif(1, 96), frame(0xC0), scan()}); }

TEST(JpegMarkerReader, ReadsFrameAndJfifFields) {
  std::string error;
  const auto m = readJpegMarkers(wellFormedJpeg(), &error);
  ASSERT_TRUE(m) << error;
  EXPECT_TRUE(m->hasBaselineFrame);
  EXPECT_FALSE(m->hasProgressiveFrame);
  EXPECT_EQ(m->width, 300);
  EXPECT_EQ(m->height, 200);
  EXPECT_EQ(m->precision, 8);
  ASSERT_EQ(m->components.size(), 3u);
  EXPECT_EQ(m->components[0].horizontalSampling, 2);
  EXPECT_EQ(m->components[0].verticalSampling, 2);
  EXPECT_EQ(m->components[2].horizontalSampling, 1);
  EXPECT_TRUE(m->hasJfif);
  EXPECT_EQ(m->jfifMajor, 1);
  EXPECT_EQ(m->jfifMinor, 2);
  EXPECT_EQ(m->densityUnit, 1);
  EXPECT_EQ(m->xDensity, 96);
}

struct FrameKind {
  const char *label;
  std::uint8_t marker;
  bool baseline;
  bool progressive;
  bool other;
};

class JpegFrameKindTest : public ::testing::TestWithParam<FrameKind> {};

TEST_P(JpegFrameKindTest, TellsFrameKindsApart) {
  std::string error;
  const auto m = readJpegMarkers(
      concat({kStartOfImage, jfif(1, 96), frame(GetParam().marker), scan()}), &error);
  ASSERT_TRUE(m) << error;
  EXPECT_EQ(m->hasBaselineFrame, GetParam().baseline);
  EXPECT_EQ(m->hasProgressiveFrame, GetParam().progressive);
  EXPECT_EQ(m->hasOtherFrame, GetParam().other);
}

INSTANTIATE_TEST_SUITE_P(Frames, JpegFrameKindTest,
                         ::testing::Values(FrameKind{"baseline", 0xC0, true, false, false},
                                           FrameKind{"extended", 0xC1, false, false, true},
                                           FrameKind{"progressive", 0xC2, false, true, false},
                                           FrameKind{"lossless", 0xC3, false, false, true}),
                         [](const auto &info) { return std::string(info.param.label); });

TEST(JpegMarkerReader, IgnoresAnApp0ThatIsNotJfif) {
  const Bytes exif = segment(0xE0, {'J', 'F', 'X', 'X', 0, 0x10, 0, 0, 0, 0, 0, 0});
  std::string error;
  const auto m = readJpegMarkers(concat({kStartOfImage, exif, frame(0xC0), scan()}), &error);
  ASSERT_TRUE(m) << error;
  EXPECT_FALSE(m->hasJfif);
}

TEST(JpegMarkerReader, SkipsFillBytesAndStandaloneMarkers) {
  const Bytes padding = {0xFF, 0xFF, 0xFF, 0xD0};
  std::string error;
  const auto m =
      readJpegMarkers(concat({kStartOfImage, padding, jfif(1, 96), frame(0xC0), scan()}), &error);
  ASSERT_TRUE(m) << error;
  EXPECT_EQ(m->width, 300);
}

struct Malformed {
  const char *label;
  Bytes bytes;
};

class MalformedJpegTest : public ::testing::TestWithParam<Malformed> {};

TEST_P(MalformedJpegTest, IsRefusedWithAReason) {
  std::string error;
  EXPECT_FALSE(readJpegMarkers(GetParam().bytes, &error));
  EXPECT_FALSE(error.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Streams, MalformedJpegTest,
    ::testing::Values(
        Malformed{"empty", {}},
        Malformed{"no_start_of_image", concat({jfif(1, 96), frame(0xC0), scan()})},
        Malformed{"no_scan", concat({kStartOfImage, jfif(1, 96), frame(0xC0)})},
        // A zero length would otherwise leave the walk on the same marker.
        Malformed{"zero_length", concat({kStartOfImage, {0xFF, 0xE1, 0x00, 0x00}, scan()})},
        Malformed{"one_length", concat({kStartOfImage, {0xFF, 0xE1, 0x00, 0x01}, scan()})},
        Malformed{"length_past_end", concat({kStartOfImage, {0xFF, 0xE0, 0x40, 0x00, 'J'}})},
        Malformed{"frame_short_of_components",
                  concat({kStartOfImage, segment(0xC0, {8, 0, 10, 0, 10, 3, 1, 0x22, 0}), scan()})},
        Malformed{"garbage_between_segments",
                  concat({kStartOfImage, jfif(1, 96), {0x12, 0x34}, frame(0xC0), scan()})}),
    [](const auto &info) { return std::string(info.param.label); });

TEST(JpegMarkerReader, RefusesEveryTruncationOfAWellFormedStream) {
  const Bytes whole = wellFormedJpeg();
  for (std::size_t length = 0; length < whole.size(); ++length) {
    const Bytes cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(length));
    std::string error;
    EXPECT_FALSE(readJpegMarkers(cut, &error)) << "cut at " << length;
  }
}

Bytes pngStream(const Bytes &chunkType, std::uint8_t colourType) {
  Bytes out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13};
  out.insert(out.end(), chunkType.begin(), chunkType.end());
  const Bytes body = {0, 0, 1, 2, 0, 0, 0, 48, 8, colourType, 0, 0, 0};
  out.insert(out.end(), body.begin(), body.end());
  return out;
}

TEST(PngHeaderReader, ReadsSizeDepthAndColourType) {
  std::string error;
  const auto header = readPngHeader(pngStream({'I', 'H', 'D', 'R'}, 6), &error);
  ASSERT_TRUE(header) << error;
  EXPECT_EQ(header->width, 258u);
  EXPECT_EQ(header->height, 48u);
  EXPECT_EQ(header->bitDepth, 8);
  EXPECT_EQ(header->colourType, 6);
}

TEST(PngHeaderReader, RefusesOtherFirstChunksAndSignatures) {
  std::string error;
  EXPECT_FALSE(readPngHeader(pngStream({'I', 'D', 'A', 'T'}, 6), &error));
  Bytes wrongSignature = pngStream({'I', 'H', 'D', 'R'}, 6);
  wrongSignature[1] = 'Q';
  EXPECT_FALSE(readPngHeader(wrongSignature, &error));
}

TEST(PngHeaderReader, RefusesEveryTruncation) {
  const Bytes whole = pngStream({'I', 'H', 'D', 'R'}, 6);
  for (std::size_t length = 0; length < whole.size(); ++length) {
    const Bytes cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(length));
    std::string error;
    EXPECT_FALSE(readPngHeader(cut, &error)) << "cut at " << length;
  }
}

}  // namespace
}  // namespace chatmock::testing
