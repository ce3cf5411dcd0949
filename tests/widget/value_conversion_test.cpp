// The conversions by value kind: logical, choice, text and bytes.

#include <gtest/gtest.h>

#include "app/definition.h"
#include "app/kinds/edit_box.h"
#include "app/kinds/transparent_label.h"
#include "app/properties.h"
#include "pictures/picture_box.h"
#include "tests/widget/picture_bytes.h"
#include "tests/widget/window_fixture.h"

namespace chatmock::testing_support {
namespace {

constexpr PropertyIndex kEditText = 8;
constexpr PropertyIndex kCaption = 8;
constexpr PropertyIndex kRadioChecked = 18;
constexpr PropertyIndex kPicture = 10;
constexpr PropertyIndex kDisplayMode = 11;
constexpr PropertyIndex kPlayAnimation = 12;
constexpr PropertyIndex kBorder = 8;
constexpr PropertyIndex kToggleMode = 8;
constexpr PropertyIndex kButtonChecked = 9;

struct ConversionCase {
  const char* label;
  ControlRef control;
  PropertyIndex index;
  std::int32_t written;
  std::int32_t read;
  friend void PrintTo(const ConversionCase& c, std::ostream* os) { *os << c.label; }
};

class NumberConversionTest : public WindowTest, public testing::WithParamInterface<ConversionCase> {};

TEST_P(NumberConversionTest, WrittenValueReadsBackConverted) {
  const ConversionCase& c = GetParam();
  WriteProperty(c.control, c.index, kWholeValue, c.written);
  EXPECT_EQ(ReadProperty(c.control, c.index, kWholeValue).Number(), c.read);
}

// Logical: any non-zero is written as 1, so reads give exactly 1 or 0.
// Choice: a negative choice is 0.
INSTANTIATE_TEST_SUITE_P(
    Kinds, NumberConversionTest,
    testing::Values(
        ConversionCase{"logical_two", controls::图片框4, kPlayAnimation, 2, 1},
        ConversionCase{"logical_minus_one", controls::图片框4, kPlayAnimation, -1, 1},
        ConversionCase{"logical_min", controls::图形按钮1, kButtonChecked, INT32_MIN, 1},
        ConversionCase{"logical_zero", controls::图片框4, kPlayAnimation, 0, 0},
        ConversionCase{"radio_logical_seven", controls::单选框2, kRadioChecked, 7, 1},
        ConversionCase{"common_logical_disable", controls::编辑框3, common::kDisable, 5, 1},
        ConversionCase{"choice_negative_display_mode", controls::图片框4, kDisplayMode, -3, 0},
        ConversionCase{"choice_negative_border", controls::图片框4, kBorder, -1, 0},
        ConversionCase{"choice_negative_toggle_mode", controls::图形按钮1, kToggleMode, INT32_MIN, 0},
        ConversionCase{"choice_in_range", controls::图片框2, kDisplayMode, 0, 0}),
    [](const testing::TestParamInfo<ConversionCase>& info) { return std::string(info.param.label); });

using ValueConversionTest = WindowTest;

TEST_F(ValueConversionTest, NegativeDisplayModeDrawsTopLeft) {
  WriteProperty(controls::图片框2, kDisplayMode, kWholeValue, -3);
  const ByteValue picture = ByteValue::Copy(BmpBytes(SolidImage(10, 10, Qt::red)));
  WriteProperty(controls::图片框2, kPicture, kWholeValue, picture);
  EXPECT_EQ(KindOf<PictureBox>(controls::图片框2).PictureRect(), QRect(0, 0, 10, 10));
}

TEST_F(ValueConversionTest, NullTextIsWrittenAsEmpty) {
  WriteProperty(controls::编辑框2, kEditText, kWholeValue, "abc");
  WriteProperty(controls::编辑框2, kEditText, kWholeValue, TextValue());
  EXPECT_TRUE(KindOf<EditBox>(controls::编辑框2).text().isEmpty());
  WriteProperty(controls::透明标签5, kCaption, kWholeValue, TextValue());
  EXPECT_TRUE(KindOf<TransparentLabel>(controls::透明标签5).Caption().isEmpty());
  WriteProperty(controls::编辑框2, common::kTag, kWholeValue, TextValue());
  EXPECT_TRUE(ReadProperty(controls::编辑框2, common::kTag, kWholeValue).TakeText().IsNull());
}

TEST_F(ValueConversionTest, EmptyTextReadsAsNull) {
  // Empty as stored, emptied by the user, emptied by a write of "".
  EXPECT_TRUE(ReadProperty(controls::编辑框2, kEditText, kWholeValue).TakeText().IsNull());
  WriteProperty(controls::编辑框3, kEditText, kWholeValue, "x");
  KindOf<EditBox>(controls::编辑框3).clear();
  EXPECT_TRUE(ReadProperty(controls::编辑框3, kEditText, kWholeValue).TakeText().IsNull());
  WriteProperty(controls::透明标签5, kCaption, kWholeValue, "");
  EXPECT_TRUE(ReadProperty(controls::透明标签5, kCaption, kWholeValue).TakeText().IsNull());
  EXPECT_TRUE(ReadProperty(controls::标签1, common::kTag, kWholeValue).TakeText().IsNull());
}

TEST_F(ValueConversionTest, NoBytesClearThePictureAndReadAsNull) {
  const ByteValue picture = ByteValue::Copy(BmpBytes(SolidImage(4, 4, Qt::red)));
  WriteProperty(controls::图片框4, kPicture, kWholeValue, picture);
  ASSERT_TRUE(KindOf<PictureBox>(controls::图片框4).HasPicture());
  WriteProperty(controls::图片框4, kPicture, kWholeValue, ValueArg::NullBytes());
  EXPECT_FALSE(KindOf<PictureBox>(controls::图片框4).HasPicture());
  EXPECT_TRUE(ReadProperty(controls::图片框4, kPicture, kWholeValue).TakeBytes().IsNull());
  WriteProperty(controls::图片框4, kPicture, kWholeValue, ByteValue());
  EXPECT_TRUE(ReadProperty(controls::图片框4, kPicture, kWholeValue).TakeBytes().IsNull());
}

TEST_F(ValueConversionTest, BytesThatAreNoPictureAreKeptUnchanged) {
  const std::string html = "<html><body>404 \xCE\xB4\xD5\xD2\xB5\xBD</body></html>";
  const Bytes sent(html.begin(), html.end());
  WriteProperty(controls::图片框3, kPicture, kWholeValue, ByteValue::Copy(sent));
  EXPECT_FALSE(KindOf<PictureBox>(controls::图片框3).HasPicture());
  const ByteValue read = ReadProperty(controls::图片框3, kPicture, kWholeValue).TakeBytes();
  EXPECT_EQ(Bytes(read.Bytes().begin(), read.Bytes().end()), sent);
}

TEST_F(ValueConversionTest, BytesWithZerosInsideReadBackWhole) {
  const Bytes sent = {'G', 'I', 'F', 0, 0, 0, 'x', 0};
  WriteProperty(controls::图片框3, kPicture, kWholeValue, ByteValue::Copy(sent));
  const ByteValue read = ReadProperty(controls::图片框3, kPicture, kWholeValue).TakeBytes();
  EXPECT_EQ(Bytes(read.Bytes().begin(), read.Bytes().end()), sent);
}

}  // namespace
}  // namespace chatmock::testing_support
