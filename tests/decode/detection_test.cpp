#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "pictures/decode/decode.h"

namespace chatmock::pictures {
namespace {

struct DetectionCase {
  std::string name;
  std::vector<std::uint8_t> bytes;
  std::optional<PictureKind> kind;
};

class DetectionTest : public ::testing::TestWithParam<DetectionCase> {};

TEST_P(DetectionTest, FirstMatchingRuleWins) {
  EXPECT_EQ(DetectPictureKind(GetParam().bytes), GetParam().kind);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, DetectionTest,
    ::testing::Values(
        DetectionCase{"Bmp", {'B', 'M', 0, 0, 0, 0}, PictureKind::Bmp},
        DetectionCase{"Jpeg", {0xFF, 0xD8, 0xFF, 0xE0, 0, 0x10}, PictureKind::Jpeg},
        DetectionCase{"Icon", {0, 0, 1, 0, 1, 0}, PictureKind::Icon},
        DetectionCase{"IconManyEntries", {0, 0, 1, 0, 0, 1}, PictureKind::Icon},
        DetectionCase{"Cursor", {0, 0, 2, 0, 3, 0}, PictureKind::Cursor},
        DetectionCase{"IconWithoutEntries", {0, 0, 1, 0, 0, 0}, std::nullopt},
        DetectionCase{"IconDirectoryType3", {0, 0, 3, 0, 1, 0}, std::nullopt},
        DetectionCase{"Gif87", {'G', 'I', 'F', '8', '7', 'a'}, PictureKind::Gif},
        DetectionCase{"Gif89", {'G', 'I', 'F', '8', '9', 'a', 1}, PictureKind::Gif},
        DetectionCase{"Gif88", {'G', 'I', 'F', '8', '8', 'a'}, std::nullopt},
        DetectionCase{"Pcx8Version0", {0x0A, 0, 1, 8, 0, 0}, PictureKind::Pcx8},
        DetectionCase{"Pcx8Version5", {0x0A, 5, 1, 8, 0, 0}, PictureKind::Pcx8},
        DetectionCase{"Pcx8Version6", {0x0A, 6, 1, 8, 0, 0}, std::nullopt},
        DetectionCase{"Pcx8NotEncoded", {0x0A, 5, 0, 8, 0, 0}, std::nullopt},
        DetectionCase{"Pcx1", {0x0A, 3, 1, 1, 0, 0}, PictureKind::Pcx1},
        DetectionCase{"Pcx1OtherVersion", {0x0A, 5, 1, 1, 0, 0}, std::nullopt},
        DetectionCase{"Pcx4Bits", {0x0A, 3, 1, 4, 0, 0}, std::nullopt},
        DetectionCase{"Png", {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A}, std::nullopt},
        DetectionCase{"FiveBytesOfBmp", {'B', 'M', 0, 0, 0}, std::nullopt},
        DetectionCase{"FiveBytesOfGif", {'G', 'I', 'F', '8', '9'}, std::nullopt},
        DetectionCase{"Empty", {}, std::nullopt},
        DetectionCase{"Text", {'h', 'e', 'l', 'l', 'o', '!'}, std::nullopt}),
    [](const auto& info) { return info.param.name; });

TEST(DecodePictureTest, DetectedFormatThatFailsToDecodeIsNoPicture) {
  // "BM" followed by junk: detection says BMP, and no other decoder is tried
  // even though the rest would be a fine GIF header.
  const std::vector<std::uint8_t> bytes = {'B', 'M', 'G', 'I', 'F', '8', '9', 'a', 0, 0};
  EXPECT_EQ(DetectPictureKind(bytes), PictureKind::Bmp);
  EXPECT_FALSE(DecodePicture(bytes).has_value());
}

TEST(PictureKindNameTest, NamesEveryKind) {
  EXPECT_STREQ(PictureKindName(PictureKind::Jpeg), "Jpeg");
  EXPECT_STREQ(PictureKindName(PictureKind::Bmp), "Bmp");
  EXPECT_STREQ(PictureKindName(PictureKind::Icon), "Icon");
  EXPECT_STREQ(PictureKindName(PictureKind::Cursor), "Cursor");
  EXPECT_STREQ(PictureKindName(PictureKind::Gif), "Gif");
  EXPECT_STREQ(PictureKindName(PictureKind::Pcx8), "Pcx8");
  EXPECT_STREQ(PictureKindName(PictureKind::Pcx1), "Pcx1");
}

}  // namespace
}  // namespace chatmock::pictures
