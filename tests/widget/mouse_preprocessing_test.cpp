// Presses the window takes for dragging, and presses that reach the control
// after raising its left-down event.

#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QTest>

#include "app/definition.h"
#include "app/properties.h"
#include "tests/widget/window_fixture.h"

namespace chatmock::testing_support {
namespace {

// Counts the mouse presses that reach the widget itself.
class PressCounter : public QObject {
 public:
  int presses = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonPress) ++presses;
    return false;
  }
};

struct PressCase {
  const char* label;
  ControlRef control;
  QPoint at;  // inside the control, clear of its children
  bool raisesLeftDown;
  friend void PrintTo(const PressCase& c, std::ostream* os) { *os << c.label; }
};

class MousePressTest : public WindowTest, public testing::WithParamInterface<PressCase> {};

TEST_P(MousePressTest, DragSourcesConsumeThePressOthersRaiseLeftDownFirst) {
  const PressCase& c = GetParam();
  log_.Watch(c.control, events::kLeftDown);
  log_.Watch(kWindowItself, events::kLeftDown);
  QWidget& widget = WidgetOf(c.control);
  PressCounter counter;
  widget.installEventFilter(&counter);
  QTest::mousePress(&widget, Qt::LeftButton, Qt::NoModifier, c.at);
  QTest::mouseRelease(&widget, Qt::LeftButton, Qt::NoModifier, c.at);
  widget.removeEventFilter(&counter);
  if (c.raisesLeftDown) {
    EXPECT_EQ(log_.Events(), (std::vector<RaisedEvent>{{c.control.control, events::kLeftDown}}));
    EXPECT_EQ(counter.presses, 1);
  } else {
    EXPECT_EQ(log_.Count(c.control, events::kLeftDown), 0);
    EXPECT_EQ(log_.Count(kWindowItself, events::kLeftDown), 0);
    EXPECT_EQ(counter.presses, 0) << "the press starts a window move and goes no further";
  }
}

INSTANTIATE_TEST_SUITE_P(
    Controls, MousePressTest,
    testing::Values(PressCase{"chat_frame", controls::图片框1, {200, 370}, false},
                    PressCase{"avatar_box", controls::图片框2, {30, 30}, false},
                    PressCase{"notice_label", controls::标签2, {100, 12}, false},
                    PressCase{"nickname_label", controls::透明标签6, {20, 12}, true},
                    PressCase{"signature_label", controls::透明标签1, {20, 12}, true},
                    PressCase{"edit_box", controls::编辑框2, {20, 10}, true}),
    [](const testing::TestParamInfo<PressCase>& info) { return std::string(info.param.label); });

TEST_F(WindowTest, LeftDownHandlerAnsweringFalseKeepsThePressFromTheControl) {
  log_.Watch(controls::编辑框2, events::kLeftDown, false);
  QWidget& widget = WidgetOf(controls::编辑框2);
  PressCounter counter;
  widget.installEventFilter(&counter);
  QTest::mousePress(&widget, Qt::LeftButton, Qt::NoModifier, QPoint(20, 10));
  QTest::mouseRelease(&widget, Qt::LeftButton, Qt::NoModifier, QPoint(20, 10));
  widget.removeEventFilter(&counter);
  EXPECT_EQ(log_.Count(controls::编辑框2, events::kLeftDown), 1);
  EXPECT_EQ(counter.presses, 0);
}

TEST_F(WindowTest, PressOnTheBackgroundRaisesNothing) {
  log_.Watch(kWindowItself, events::kLeftDown);
  log_.Watch(kWindowItself, events::kLeftUp);
  const QPoint background(546, 100);  // right of the chat frame
  ASSERT_EQ(Window().childAt(background), nullptr);
  QTest::mousePress(&Window(), Qt::LeftButton, Qt::NoModifier, background);
  EXPECT_EQ(log_.Count(kWindowItself, events::kLeftDown), 0);
  QTest::mouseRelease(&Window(), Qt::LeftButton, Qt::NoModifier, background);
}

TEST_F(WindowTest, RightPressOnTheChatFrameIsNoDragAndRaisesRightDown) {
  log_.Watch(controls::图片框1, events::kRightDown);
  QTest::mousePress(&WidgetOf(controls::图片框1), Qt::RightButton, Qt::NoModifier, QPoint(200, 370));
  QTest::mouseRelease(&WidgetOf(controls::图片框1), Qt::RightButton, Qt::NoModifier, QPoint(200, 370));
  EXPECT_EQ(log_.Count(controls::图片框1, events::kRightDown), 1);
}

TEST_F(WindowTest, ClickingARadioBoxChecksItAloneAndRaisesItsClick) {
  log_.Watch(controls::单选框1, events::kClicked);
  log_.Watch(controls::单选框2, events::kClicked);
  QTest::mouseClick(&WidgetOf(controls::单选框1), Qt::LeftButton, Qt::NoModifier, QPoint(8, 8));
  QTest::mouseClick(&WidgetOf(controls::单选框2), Qt::LeftButton, Qt::NoModifier, QPoint(8, 8));
  EXPECT_EQ(ReadProperty(controls::单选框1, 18, kWholeValue).Number(), 0);
  EXPECT_EQ(ReadProperty(controls::单选框2, 18, kWholeValue).Number(), 1);
  EXPECT_EQ(log_.Events(), (std::vector<RaisedEvent>{{controls::单选框1.control, events::kClicked},
                                                      {controls::单选框2.control, events::kClicked}}));
}

TEST_F(WindowTest, PressOnTheNicknameOpensItsEditorWithTheFocus) {
  QTest::mouseClick(&WidgetOf(controls::透明标签6), Qt::LeftButton, Qt::NoModifier, QPoint(20, 12));
  EXPECT_TRUE(WidgetOf(controls::编辑框6).isVisible());
  EXPECT_EQ(FocusWidget(), &WidgetOf(controls::编辑框6));
}

}  // namespace
}  // namespace chatmock::testing_support
