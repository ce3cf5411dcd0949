// Pictures from servers must not be able to make the program allocate
// gigabytes: every decoder refuses sizes past the limits from the header
// alone, even when all the pixel data is there.
#include <gtest/gtest.h>

#include <string>

#include "pictures/decode/decode.h"
#include "tests/decode/writers/bmp_writer.h"
#include "tests/decode/writers/gif_writer.h"
#include "tests/decode/writers/icon_writer.h"
#include "tests/decode/writers/pcx_writer.h"

namespace chatmock::pictures {
namespace {

using testing::Bytes;

struct Size {
  int width;
  int height;
  bool allowed;
};

const std::vector<Size> kSizes = {
    {kMaxPictureSide, 1, true},     {kMaxPictureSide + 1, 1, false},
    {1, kMaxPictureSide + 1, false}, {8192, 8192, true},
    {8193, 8192, false},  // both sides allowed, pixel count not
};

Bytes OneBitBmp(int width, int height) {
  testing::BmpPlan plan;
  plan.dib.width = width;
  plan.dib.height = height;
  plan.dib.bits = 1;
  plan.dib.palette = {0x000000, 0xFFFFFF};
  plan.dib.pixel = [](int x, int) { return static_cast<std::uint32_t>(x & 1); };
  return testing::MakeBmp(plan);
}

Bytes OneBitPcx(int width, int height) {
  testing::PcxPlan plan;
  plan.version = 3;
  plan.bitsPerPixel = 1;
  plan.xMax = static_cast<unsigned>(width - 1);
  plan.yMax = static_cast<unsigned>(height - 1);
  plan.bytesPerLine = static_cast<unsigned>((width + 7) / 8);
  plan.rows.assign(static_cast<std::size_t>(height), Bytes(plan.bytesPerLine, 0x55));
  return testing::MakePcx(plan);
}

Bytes OneBitIcon(int width, int height) {
  testing::DibPlan dib;
  dib.width = width;
  dib.height = height * 2;
  dib.bits = 1;
  dib.palette = {0x000000, 0xFFFFFF};
  dib.pixel = [](int x, int) { return static_cast<std::uint32_t>(x & 1); };
  testing::IconEntryPlan entry{0, 0, 0, testing::MakeDib(dib, height)};
  testing::PutBytes(entry.image, testing::MakeMaskRows(width, height, [](int, int) { return false; }));
  return testing::MakeIconFile(1, {entry});
}

Bytes GifScreen(int width, int height) {
  testing::GifPlan plan{width, height, {0x000000, 0xFFFFFF}, {}};
  testing::GifFramePlan frame;
  frame.width = 1;
  frame.height = 1;
  frame.indices = {1};
  plan.frames.push_back(frame);
  return testing::MakeGif(plan);
}

struct WriterCase {
  std::string name;
  std::function<Bytes(int, int)> write;
};

class SizeLimitTest : public ::testing::TestWithParam<WriterCase> {};

TEST_P(SizeLimitTest, RefusesPastTheLimitsAndAcceptsUpToThem) {
  for (const Size& size : kSizes) {
    SCOPED_TRACE(std::to_string(size.width) + "x" + std::to_string(size.height));
    const std::optional<DecodedPicture> picture = DecodePicture(GetParam().write(size.width, size.height));
    ASSERT_EQ(picture.has_value(), size.allowed);
    if (picture) {
      EXPECT_EQ(picture->width, size.width);
      EXPECT_EQ(picture->height, size.height);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Formats, SizeLimitTest,
                         ::testing::Values(WriterCase{"Bmp", OneBitBmp},
                                           WriterCase{"Pcx", OneBitPcx},
                                           WriterCase{"Icon", OneBitIcon},
                                           WriterCase{"GifScreen", GifScreen}),
                         [](const auto& info) { return info.param.name; });

TEST(SizeLimitTest, BmpHeightOfMinusTwoToThe31IsNoPicture) {
  Bytes bytes = OneBitBmp(4, 4);
  bytes[22] = 0;
  bytes[23] = 0;
  bytes[24] = 0;
  bytes[25] = 0x80;
  EXPECT_FALSE(DecodePicture(bytes).has_value());
}

}  // namespace
}  // namespace chatmock::pictures
