// Every row of the kinds' property lists, written and read back through
// WriteProperty and ReadProperty against the live window.

#include <gtest/gtest.h>

#include <QTextEdit>

#include "app/definition.h"
#include "app/kinds/label.h"
#include "app/kinds/radio_box.h"
#include "app/properties.h"
#include "pictures/picture_box.h"
#include "pictures/picture_button.h"
#include "tests/widget/picture_bytes.h"
#include "tests/widget/window_fixture.h"

namespace chatmock::testing_support {
namespace {

// Property numbers in each kind's list, as handlers write them.
namespace edit_box { constexpr PropertyIndex kText = 8; }
namespace caption_kinds { constexpr PropertyIndex kCaption = 8; }
namespace label { constexpr PropertyIndex kBackColor = 15, kTextColor = 16; }
namespace radio_box { constexpr PropertyIndex kChecked = 18; }
namespace picture_box {
constexpr PropertyIndex kBorder = 8, kBackColor = 9, kPicture = 10, kDisplayMode = 11, kPlayAnimation = 12;
}
namespace picture_button {
constexpr PropertyIndex kToggleMode = 8, kChecked = 9, kPicNormal = 10, kPicHover = 11, kPicPressed = 12,
                        kPicDisabled = 13, kTransparentColor = 14;
}
namespace rich_edit {
constexpr PropertyIndex kContextType = 8, kContext = 9, kMaxAllowLength = 16, kSelStart = 17,
                        kSelLength = 18, kSelText = 19;
}

struct NumberRow {
  const char* label;
  ControlRef control;
  PropertyIndex index;
  std::int32_t written;
  friend void PrintTo(const NumberRow& c, std::ostream* os) { *os << c.label; }
};

class NumberRowTest : public WindowTest, public testing::WithParamInterface<NumberRow> {};

TEST_P(NumberRowTest, ReadsBackWhatWasWritten) {
  const NumberRow& row = GetParam();
  WriteProperty(row.control, row.index, kWholeValue, row.written);
  ValueCell cell = ReadProperty(row.control, row.index, kWholeValue);
  ASSERT_EQ(cell.Kind(), ValueCell::Holds::Number);
  EXPECT_EQ(cell.Number(), row.written);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, NumberRowTest,
    testing::Values(
        NumberRow{"edit_left", controls::编辑框2, common::kLeft, 70},
        NumberRow{"edit_top", controls::编辑框2, common::kTop, 520},
        NumberRow{"edit_width", controls::编辑框2, common::kWidth, 100},
        NumberRow{"edit_height", controls::编辑框2, common::kHeight, 22},
        NumberRow{"edit_visible", controls::编辑框2, common::kVisible, 0},
        NumberRow{"edit_disable", controls::编辑框2, common::kDisable, 1},
        NumberRow{"edit_mouse_pointer", controls::编辑框2, common::kMousePointer, 3},
        NumberRow{"picture_box_left", controls::图片框3, common::kLeft, -5},
        NumberRow{"label_back_colour", controls::标签1, label::kBackColor, 0x00123456},
        NumberRow{"label_text_colour", controls::标签1, label::kTextColor, 0x00ABCDEF},
        NumberRow{"radio_checked", controls::单选框1, radio_box::kChecked, 1},
        NumberRow{"picture_box_border", controls::图片框4, picture_box::kBorder, 1},
        NumberRow{"picture_box_back_colour", controls::图片框4, picture_box::kBackColor, 0x0000FF00},
        NumberRow{"picture_box_display_mode", controls::图片框4, picture_box::kDisplayMode, 2},
        NumberRow{"picture_box_play_animation", controls::图片框4, picture_box::kPlayAnimation, 0},
        NumberRow{"picture_button_toggle_mode", controls::图形按钮1, picture_button::kToggleMode, 1},
        NumberRow{"picture_button_checked", controls::图形按钮1, picture_button::kChecked, 1},
        NumberRow{"picture_button_transparent_colour", controls::图形按钮1,
                  picture_button::kTransparentColor, 0x00FF00FF},
        NumberRow{"rich_edit_context_type", controls::超级编辑框1, rich_edit::kContextType, 1},
        NumberRow{"rich_edit_max_allow_length", controls::超级编辑框1, rich_edit::kMaxAllowLength, 100},
        NumberRow{"rich_edit_sel_start", controls::超级编辑框1, rich_edit::kSelStart, 3},
        NumberRow{"rich_edit_sel_length", controls::超级编辑框1, rich_edit::kSelLength, 2}),
    [](const testing::TestParamInfo<NumberRow>& info) { return std::string(info.param.label); });

struct TextRow {
  const char* label;
  ControlRef control;
  PropertyIndex index;
  const char* written;     // GB18030
  const char16_t* shown;   // what the widget shows; null when it shows nothing of it
  const char* read;        // what a read gives back
  friend void PrintTo(const TextRow& c, std::ostream* os) { *os << c.label; }
};

class TextRowTest : public WindowTest, public testing::WithParamInterface<TextRow> {};

TEST_P(TextRowTest, WidgetShowsTheTextAndAReadGivesItsBytesBack) {
  const TextRow& row = GetParam();
  WriteProperty(row.control, row.index, kWholeValue, row.written);
  if (row.shown != nullptr) {
    EXPECT_EQ(ShownText(WidgetOf(row.control)), QString::fromUtf16(row.shown));
  }
  ValueCell cell = ReadProperty(row.control, row.index, kWholeValue);
  ASSERT_EQ(cell.Kind(), ValueCell::Holds::Text);
  const TextValue text = cell.TakeText();
  ASSERT_FALSE(text.IsNull());
  EXPECT_EQ(text.View(), row.read);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TextRowTest,
    testing::Values(
        TextRow{"edit_text_chinese", controls::编辑框2, edit_box::kText, "\xC4\xE3\xBA\xC3", u"你好",
                "\xC4\xE3\xBA\xC3"},
        TextRow{"edit_text_four_byte", controls::编辑框3, edit_box::kText, "a\x94\x39\xFC\x36" "b",
                u"a\U0001F600b", "a\x94\x39\xFC\x36" "b"},
        TextRow{"transparent_label_caption", controls::透明标签6, caption_kinds::kCaption,
                "\xCB\xCE\xCC\xE5", u"宋体", "\xCB\xCE\xCC\xE5"},
        TextRow{"label_caption", controls::标签1, caption_kinds::kCaption, "abc", u"abc", "abc"},
        TextRow{"push_button_caption", controls::按钮1, caption_kinds::kCaption, "Go", u"Go", "Go"},
        TextRow{"radio_tag", controls::单选框2, common::kTag, "\xC4\xE3", nullptr, "\xC4\xE3"},
        TextRow{"edit_tag", controls::编辑框2, common::kTag, "tag", nullptr, "tag"},
        TextRow{"rich_edit_context", controls::超级编辑框2, rich_edit::kContext, "ab\r\ncd", u"ab\ncd",
                "ab\r\ncd"}),
    [](const testing::TestParamInfo<TextRow>& info) { return std::string(info.param.label); });

struct BytesRow {
  const char* label;
  ControlRef control;
  PropertyIndex index;
  friend void PrintTo(const BytesRow& c, std::ostream* os) { *os << c.label; }
};

class BytesRowTest : public WindowTest, public testing::WithParamInterface<BytesRow> {};

TEST_P(BytesRowTest, ReadGivesTheWrittenBytesBackUnchanged) {
  const BytesRow& row = GetParam();
  const Bytes picture = BmpBytes(SolidImage(3, 2, Qt::red));
  const ByteValue written = ByteValue::Copy(picture);
  WriteProperty(row.control, row.index, kWholeValue, written);
  ValueCell cell = ReadProperty(row.control, row.index, kWholeValue);
  ASSERT_EQ(cell.Kind(), ValueCell::Holds::Bytes);
  const ByteValue read = cell.TakeBytes();
  EXPECT_EQ(Bytes(read.Bytes().begin(), read.Bytes().end()), picture);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, BytesRowTest,
    testing::Values(BytesRow{"picture_box_picture", controls::图片框4, picture_box::kPicture},
                    BytesRow{"button_normal", controls::图形按钮1, picture_button::kPicNormal},
                    BytesRow{"button_hover", controls::图形按钮1, picture_button::kPicHover},
                    BytesRow{"button_pressed", controls::图形按钮1, picture_button::kPicPressed},
                    BytesRow{"button_disabled", controls::图形按钮1, picture_button::kPicDisabled}),
    [](const testing::TestParamInfo<BytesRow>& info) { return std::string(info.param.label); });

using PropertyRowsTest = WindowTest;

TEST_F(PropertyRowsTest, CommonPlaceWritesMoveTheWidget) {
  WriteProperty(controls::编辑框2, common::kLeft, kWholeValue, 70);
  WriteProperty(controls::编辑框2, common::kTop, kWholeValue, 500);
  WriteProperty(controls::编辑框2, common::kWidth, kWholeValue, 90);
  WriteProperty(controls::编辑框2, common::kHeight, kWholeValue, 25);
  EXPECT_EQ(WidgetOf(controls::编辑框2).geometry(), QRect(70, 500, 90, 25));
}

TEST_F(PropertyRowsTest, CommonPlaceReadsTheStoredPlaceAtFirst) {
  const ControlDef& def = *FindControlDef(controls::图片框3.control);
  EXPECT_EQ(ReadProperty(controls::图片框3, common::kLeft, kWholeValue).Number(), def.left);
  EXPECT_EQ(ReadProperty(controls::图片框3, common::kTop, kWholeValue).Number(), def.top);
  EXPECT_EQ(ReadProperty(controls::图片框3, common::kWidth, kWholeValue).Number(), def.width);
  EXPECT_EQ(ReadProperty(controls::图片框3, common::kHeight, kWholeValue).Number(), def.height);
}

TEST_F(PropertyRowsTest, DisableWritesEnableAndDisableTheWidget) {
  WriteProperty(controls::编辑框2, common::kDisable, kWholeValue, 1);
  EXPECT_FALSE(WidgetOf(controls::编辑框2).isEnabled());
  WriteProperty(controls::编辑框2, common::kDisable, kWholeValue, 0);
  EXPECT_TRUE(WidgetOf(controls::编辑框2).isEnabled());
}

TEST_F(PropertyRowsTest, StoredValuesReadBackAtStart) {
  EXPECT_EQ(ReadProperty(controls::标签1, label::kTextColor, kWholeValue).Number(), 0x00208000);
  EXPECT_EQ(ReadProperty(controls::标签2, label::kTextColor, kWholeValue).Number(), 0x000000FF);
  EXPECT_EQ(ReadProperty(controls::单选框1, radio_box::kChecked, kWholeValue).Number(), 0);
  EXPECT_EQ(ReadProperty(controls::单选框2, radio_box::kChecked, kWholeValue).Number(), 0);
  EXPECT_EQ(ReadProperty(controls::图片框2, picture_box::kDisplayMode, kWholeValue).Number(), 1);
  EXPECT_EQ(ReadProperty(controls::图片框3, picture_box::kDisplayMode, kWholeValue).Number(), 0);
  EXPECT_EQ(ReadProperty(controls::图片框5, picture_box::kBackColor, kWholeValue).Number(), 0x00FFFFFF);
  EXPECT_EQ(ReadProperty(controls::编辑框2, common::kVisible, kWholeValue).Number(), 1);
  EXPECT_EQ(ReadProperty(controls::编辑框1, common::kVisible, kWholeValue).Number(), 0);
  const ByteValue frame = ReadProperty(controls::图片框1, picture_box::kPicture, kWholeValue).TakeBytes();
  const auto stored = StoredPictureBytes(StoredPicture::ChatFrame);
  EXPECT_EQ(Bytes(frame.Bytes().begin(), frame.Bytes().end()), Bytes(stored.begin(), stored.end()));
  const ByteValue send = ReadProperty(controls::图形按钮1, picture_button::kPicNormal, kWholeValue).TakeBytes();
  const auto sendStored = StoredPictureBytes(StoredPicture::SendButton);
  EXPECT_EQ(Bytes(send.Bytes().begin(), send.Bytes().end()), Bytes(sendStored.begin(), sendStored.end()));
  EXPECT_TRUE(ReadProperty(controls::图形按钮1, picture_button::kPicHover, kWholeValue).TakeBytes().IsNull());
}

TEST_F(PropertyRowsTest, CheckingOneRadioBoxUnchecksTheOther) {
  WriteProperty(controls::单选框1, radio_box::kChecked, kWholeValue, 1);
  EXPECT_EQ(ReadProperty(controls::单选框1, radio_box::kChecked, kWholeValue).Number(), 1);
  EXPECT_EQ(ReadProperty(controls::单选框2, radio_box::kChecked, kWholeValue).Number(), 0);
  WriteProperty(controls::单选框2, radio_box::kChecked, kWholeValue, 1);
  EXPECT_EQ(ReadProperty(controls::单选框1, radio_box::kChecked, kWholeValue).Number(), 0);
  EXPECT_EQ(ReadProperty(controls::单选框2, radio_box::kChecked, kWholeValue).Number(), 1);
  WriteProperty(controls::单选框2, radio_box::kChecked, kWholeValue, 0);
  EXPECT_EQ(ReadProperty(controls::单选框2, radio_box::kChecked, kWholeValue).Number(), 0);
  EXPECT_FALSE(KindOf<RadioBox>(controls::单选框2).isChecked());
}

TEST_F(PropertyRowsTest, ColourWritesReachTheLabel) {
  WriteProperty(controls::标签1, label::kTextColor, kWholeValue, 0x00112233);
  EXPECT_EQ(KindOf<Label>(controls::标签1).TextColor(), 0x00112233u);
}

TEST_F(PropertyRowsTest, LabelFeedbackAnswersWithItsHandlersResult) {
  auto& notice = KindOf<Label>(controls::标签2);
  EXPECT_EQ(notice.RequestFeedback(1, 2), 0) << "the notice's own handler answers nothing";
  log_.Watch(controls::标签2, events::kFeedback, true);
  EXPECT_EQ(notice.RequestFeedback(1, 2), 1);
  EXPECT_EQ(log_.Count(controls::标签2, events::kFeedback), 1);
}

TEST_F(PropertyRowsTest, SelectionRowsSelectAndReplaceTheRichEditText) {
  WriteProperty(controls::超级编辑框2, rich_edit::kContext, kWholeValue, "abcdef");
  WriteProperty(controls::超级编辑框2, rich_edit::kSelStart, kWholeValue, 1);
  WriteProperty(controls::超级编辑框2, rich_edit::kSelLength, kWholeValue, 3);
  EXPECT_EQ(ReadProperty(controls::超级编辑框2, rich_edit::kSelText, kWholeValue).TakeText().View(), "bcd");
  WriteProperty(controls::超级编辑框2, rich_edit::kSelText, kWholeValue, "X");
  EXPECT_EQ(ReadProperty(controls::超级编辑框2, rich_edit::kContext, kWholeValue).TakeText().View(), "aXef");
}

}  // namespace
}  // namespace chatmock::testing_support
