// FocusControl: the control losing the focus finishes its lost-focus
// handler before FocusControl returns.

#include <gtest/gtest.h>

#include <QTest>

#include "app/definition.h"
#include "app/dispatch.h"
#include "app/kinds/transparent_label.h"
#include "app/properties.h"
#include "tests/widget/window_fixture.h"

namespace chatmock::testing_support {
namespace {

constexpr PropertyIndex kEditText = 8;

using FocusControlTest = WindowTest;

TEST_F(FocusControlTest, LostFocusHandlerRunsBeforeTheCallReturns) {
  FocusControl(controls::编辑框2);
  log_.Watch(controls::编辑框2, events::kLostFocus);
  log_.Watch(controls::编辑框3, events::kGotFocus);
  FocusControl(controls::编辑框3);
  EXPECT_EQ(log_.Events(), (std::vector<RaisedEvent>{{controls::编辑框2.control, events::kLostFocus},
                                                      {controls::编辑框3.control, events::kGotFocus}}));
  EXPECT_EQ(FocusWidget(), &WidgetOf(controls::编辑框3));
}

TEST_F(FocusControlTest, FocusingTheFocusedControlRaisesNothing) {
  FocusControl(controls::编辑框2);
  log_.Watch(controls::编辑框2, events::kLostFocus);
  log_.Watch(controls::编辑框2, events::kGotFocus);
  FocusControl(controls::编辑框2);
  EXPECT_TRUE(log_.Events().empty());
  EXPECT_EQ(FocusWidget(), &WidgetOf(controls::编辑框2));
}

TEST_F(FocusControlTest, LostFocusHandlerThatWritesAPropertyRunsToItsEnd) {
  FocusControl(controls::编辑框2);
  std::vector<std::string> steps;
  BindHandler(controls::编辑框2.control, events::kLostFocus, [&steps] {
    steps.push_back("lost begins");
    WriteProperty(controls::编辑框2, kEditText, kWholeValue, "closed");
    steps.push_back("lost ends");
    return std::optional<bool>();
  });
  FocusControl(controls::编辑框3);
  steps.push_back("returned");
  EXPECT_EQ(steps, (std::vector<std::string>{"lost begins", "lost ends", "returned"}));
  EXPECT_EQ(ReadProperty(controls::编辑框2, kEditText, kWholeValue).TakeText().View(), "closed");
}

// Opening one caption editor while the other is open closes the other
// inside FocusControl: its text becomes its caption first.
TEST_F(FocusControlTest, OpeningTheNicknameEditorClosesTheSignatureEditorFirst) {
  QTest::mouseClick(&WidgetOf(controls::透明标签1), Qt::LeftButton, Qt::NoModifier, QPoint(20, 12));
  ASSERT_EQ(FocusWidget(), &WidgetOf(controls::编辑框1));
  WriteProperty(controls::编辑框1, kEditText, kWholeValue, "new");
  QTest::mouseClick(&WidgetOf(controls::透明标签6), Qt::LeftButton, Qt::NoModifier, QPoint(20, 12));
  EXPECT_TRUE(WidgetOf(controls::编辑框1).isHidden());
  EXPECT_EQ(KindOf<TransparentLabel>(controls::透明标签1).Caption(), QStringLiteral("new"));
  EXPECT_TRUE(WidgetOf(controls::编辑框6).isVisible());
  EXPECT_EQ(FocusWidget(), &WidgetOf(controls::编辑框6));
}

}  // namespace
}  // namespace chatmock::testing_support
