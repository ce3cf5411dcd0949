// The stored pictures must be what the program's own decoders read:
// baseline JFIF 4:2:0 JPEGs of fixed sizes and a 48 x 48 RGBA icon.

#include <gtest/gtest.h>

#include <string>

#include "tests/artwork/asset_files.h"
#include "tests/artwork/jpeg_markers.h"
#include "tests/artwork/png_header.h"

namespace chatmock::testing {
namespace {

struct StoredJpeg {
  const char *name;
  int width;
  int height;
};

class StoredJpegTest : public ::testing::TestWithParam<StoredJpeg> {
 protected:
  JpegMarkers markers() {
    const std::vector<std::uint8_t> bytes = readAsset(GetParam().name);
    std::string error;
    const std::optional<JpegMarkers> read = readJpegMarkers(bytes, &error);
    if (!read) ADD_FAILURE() << GetParam().name << ": " << error;
    return read.value_or(JpegMarkers{});
  }
};

TEST_P(StoredJpegTest, IsBaselineOfTheExpectedSize) {
  const JpegMarkers m = markers();
  EXPECT_TRUE(m.hasBaselineFrame);
  EXPECT_FALSE(m.hasProgressiveFrame);
  EXPECT_FALSE(m.hasOtherFrame);
  EXPECT_EQ(m.precision, 8);
  EXPECT_EQ(m.width, GetParam().width);
  EXPECT_EQ(m.height, GetParam().height);
}

TEST_P(StoredJpegTest, HasJfif101HeaderAt96DotsPerInch) {
  const JpegMarkers m = markers();
  ASSERT_TRUE(m.hasJfif);
  EXPECT_EQ(m.jfifMajor, 1);
  EXPECT_EQ(m.jfifMinor, 1);
  EXPECT_EQ(m.densityUnit, 1);
  EXPECT_EQ(m.xDensity, 96);
  EXPECT_EQ(m.yDensity, 96);
}

TEST_P(StoredJpegTest, SamplesColourAtHalfResolution) {
  const JpegMarkers m = markers();
  ASSERT_EQ(m.components.size(), 3u);
  EXPECT_EQ(m.components[0].horizontalSampling, 2);
  EXPECT_EQ(m.components[0].verticalSampling, 2);
  for (int c = 1; c < 3; ++c) {
    EXPECT_EQ(m.components[c].horizontalSampling, 1) << "component " << c;
    EXPECT_EQ(m.components[c].verticalSampling, 1) << "component " << c;
  }
}

INSTANTIATE_TEST_SUITE_P(Assets, StoredJpegTest,
                         ::testing::Values(StoredJpeg{"chat_frame.jpg", 543, 510},
                                           StoredJpeg{"send_button.jpg", 82, 23},
                                           StoredJpeg{"send_button_pressed.jpg", 87, 28}),
                         [](const ::testing::TestParamInfo<StoredJpeg> &info) {
                           std::string name = info.param.name;
                           return name.substr(0, name.find('.'));
                         });

TEST(StoredIcon, Is48By48WithAlpha) {
  const std::vector<std::uint8_t> bytes = readAsset("chatmock.png");
  std::string error;
  const std::optional<PngHeader> header = readPngHeader(bytes, &error);
  ASSERT_TRUE(header) << error;
  EXPECT_EQ(header->width, 48u);
  EXPECT_EQ(header->height, 48u);
  EXPECT_EQ(header->colourType, 6);
  EXPECT_EQ(header->bitDepth, 8);
}

}  // namespace
}  // namespace chatmock::testing
