// The common property visible (5): any non-zero shows, 0 hides, and showing
// neither takes the focus nor touches the content.

#include <gtest/gtest.h>

#include "app/definition.h"
#include "app/kinds/edit_box.h"
#include "app/properties.h"
#include "tests/widget/window_fixture.h"

namespace chatmock::testing_support {
namespace {

constexpr PropertyIndex kEditText = 8;

class ShowingValueTest : public WindowTest, public testing::WithParamInterface<std::int32_t> {};

TEST_P(ShowingValueTest, NonZeroShowsTheBoxWithoutMovingTheFocus) {
  QWidget& editor = WidgetOf(controls::编辑框1);
  ASSERT_TRUE(editor.isHidden());
  QWidget* focus = FocusWidget();
  WriteProperty(controls::编辑框1, common::kVisible, kWholeValue, GetParam());
  EXPECT_TRUE(editor.isVisible());
  EXPECT_EQ(ReadProperty(controls::编辑框1, common::kVisible, kWholeValue).Number(), 1);
  EXPECT_EQ(FocusWidget(), focus);
}

INSTANTIATE_TEST_SUITE_P(Values, ShowingValueTest, testing::Values(1, 2, -1, INT32_MAX));

using VisiblePropertyTest = WindowTest;

TEST_F(VisiblePropertyTest, ZeroHidesAndTheReadSaysSo) {
  WriteProperty(controls::编辑框2, common::kVisible, kWholeValue, 0);
  EXPECT_TRUE(WidgetOf(controls::编辑框2).isHidden());
  EXPECT_EQ(ReadProperty(controls::编辑框2, common::kVisible, kWholeValue).Number(), 0);
}

TEST_F(VisiblePropertyTest, ShowingAShownBoxChangesNothing) {
  FocusControl(controls::编辑框2);
  WriteProperty(controls::编辑框2, kEditText, kWholeValue, "abcdef");
  auto& box = KindOf<EditBox>(controls::编辑框2);
  box.setSelection(1, 3);
  const QRect place = box.geometry();
  log_.Watch(controls::编辑框2, events::kGotFocus);
  log_.Watch(controls::编辑框2, events::kLostFocus);
  WriteProperty(controls::编辑框2, common::kVisible, kWholeValue, 1);
  EXPECT_TRUE(box.isVisible());
  EXPECT_EQ(box.text(), QStringLiteral("abcdef"));
  EXPECT_EQ(box.selectedText(), QStringLiteral("bcd"));
  EXPECT_EQ(box.geometry(), place);
  EXPECT_EQ(FocusWidget(), &box);
  EXPECT_TRUE(log_.Events().empty());
}

TEST_F(VisiblePropertyTest, ShownAgainTheBoxKeepsItsText) {
  WriteProperty(controls::编辑框1, kEditText, kWholeValue, "sig");
  WriteProperty(controls::编辑框1, common::kVisible, kWholeValue, 1);
  WriteProperty(controls::编辑框1, common::kVisible, kWholeValue, 0);
  WriteProperty(controls::编辑框1, common::kVisible, kWholeValue, 1);
  EXPECT_EQ(KindOf<EditBox>(controls::编辑框1).text(), QStringLiteral("sig"));
}

TEST_F(VisiblePropertyTest, HidingAParentHidesItsChildrenButKeepsTheirSetting) {
  WriteProperty(controls::图片框1, common::kVisible, kWholeValue, 0);
  EXPECT_FALSE(WidgetOf(controls::超级编辑框2).isVisible());
  EXPECT_EQ(ReadProperty(controls::超级编辑框2, common::kVisible, kWholeValue).Number(), 1);
  WriteProperty(controls::图片框1, common::kVisible, kWholeValue, 1);
  EXPECT_TRUE(WidgetOf(controls::超级编辑框2).isVisible());
}

}  // namespace
}  // namespace chatmock::testing_support
