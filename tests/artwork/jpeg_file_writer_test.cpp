// The generator's JPEG writer, checked by reading back what it wrote with
// an independent marker reader and Qt's own decoder.

#include "tools/artwork/jpeg_file_writer.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <cstdlib>
#include <string>

#include "tests/artwork/jpeg_markers.h"

namespace chatmock::testing {
namespace {

// Odd sizes make the encoder pad partial 16 x 16 blocks.
QImage stripes(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      image.setPixel(x, y, y < height / 2 ? qRgb(0x20, 0x60, 0xC0) : qRgb(0xF0, 0xF0, 0xF0));
    }
  }
  return image;
}

struct Size {
  int width;
  int height;
};

class JpegWriterSizeTest : public ::testing::TestWithParam<Size> {};

TEST_P(JpegWriterSizeTest, WritesBaselineJfifWithHalfResolutionColour) {
  std::string error;
  const std::vector<std::uint8_t> bytes =
      encodeBaselineJpeg(stripes(GetParam().width, GetParam().height), JpegSettings{}, &error);
  ASSERT_FALSE(bytes.empty()) << error;
  const auto m = readJpegMarkers(bytes, &error);
  ASSERT_TRUE(m) << error;
  EXPECT_TRUE(m->hasBaselineFrame);
  EXPECT_FALSE(m->hasProgressiveFrame);
  EXPECT_EQ(m->width, GetParam().width);
  EXPECT_EQ(m->height, GetParam().height);
  EXPECT_TRUE(m->hasJfif);
  EXPECT_EQ(m->jfifMajor * 100 + m->jfifMinor, 101);
  EXPECT_EQ(m->densityUnit, 1);
  EXPECT_EQ(m->xDensity, 96);
  EXPECT_EQ(m->yDensity, 96);
  ASSERT_EQ(m->components.size(), 3u);
  EXPECT_EQ(m->components[0].horizontalSampling * 10 + m->components[0].verticalSampling, 22);
  EXPECT_EQ(m->components[1].horizontalSampling * 10 + m->components[1].verticalSampling, 11);
  EXPECT_EQ(m->components[2].horizontalSampling * 10 + m->components[2].verticalSampling, 11);
}

INSTANTIATE_TEST_SUITE_P(Sizes, JpegWriterSizeTest,
                         ::testing::Values(Size{1, 1}, Size{82, 23}, Size{87, 28}, Size{543, 510}),
                         [](const auto &info) {
                           return std::to_string(info.param.width) + "x" +
                                  std::to_string(info.param.height);
                         });

TEST(JpegWriter, KeepsColoursCloseEnoughToReadBack) {
  const QImage original = stripes(40, 30);
  std::string error;
  const std::vector<std::uint8_t> bytes = encodeBaselineJpeg(original, JpegSettings{}, &error);
  ASSERT_FALSE(bytes.empty()) << error;
  const QImage decoded = QImage::fromData(bytes.data(), static_cast<int>(bytes.size()), "JPEG");
  ASSERT_EQ(decoded.size(), original.size());
  // Away from the edge between the stripes the colour must survive.
  for (const QPoint at : {QPoint(5, 3), QPoint(30, 26)}) {
    const QRgb want = original.pixel(at);
    const QRgb got = decoded.pixel(at);
    EXPECT_LE(std::abs(qRed(want) - qRed(got)), 4) << at.x() << "," << at.y();
    EXPECT_LE(std::abs(qGreen(want) - qGreen(got)), 4) << at.x() << "," << at.y();
    EXPECT_LE(std::abs(qBlue(want) - qBlue(got)), 4) << at.x() << "," << at.y();
  }
}

TEST(JpegWriter, RefusesAnEmptyImage) {
  std::string error;
  EXPECT_TRUE(encodeBaselineJpeg(QImage(), JpegSettings{}, &error).empty());
  EXPECT_FALSE(error.empty());
}

TEST(JpegWriter, ReportsLibjpegRefusalInsteadOfAborting) {
  // Wider than any JPEG may be: libjpeg's default handler would exit the
  // process here, so this shows its errors come back as values.
  const QImage tooWide(70000, 1, QImage::Format_RGB32);
  ASSERT_FALSE(tooWide.isNull());
  std::string error;
  EXPECT_TRUE(encodeBaselineJpeg(tooWide, JpegSettings{}, &error).empty());
  EXPECT_FALSE(error.empty());
}

TEST(JpegWriter, ReportsAFolderThatCannotBeWritten) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString path = QDir(dir.path()).filePath(QStringLiteral("missing/frame.jpg"));
  std::string error;
  EXPECT_FALSE(writeBaselineJpeg(stripes(8, 8), path, JpegSettings{}, &error));
  EXPECT_FALSE(error.empty());
}

TEST(JpegWriter, WritesTheFileItEncoded) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString path = QDir(dir.path()).filePath(QStringLiteral("frame.jpg"));
  std::string error;
  ASSERT_TRUE(writeBaselineJpeg(stripes(16, 16), path, JpegSettings{}, &error)) << error;
  EXPECT_EQ(QImage(path).size(), QSize(16, 16));
}

}  // namespace
}  // namespace chatmock::testing
