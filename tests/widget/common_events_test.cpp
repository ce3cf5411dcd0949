// Each kind of input raises its own common event on the control it is for.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QWheelEvent>

#include <functional>

#include "app/definition.h"
#include "app/properties.h"
#include "tests/widget/window_fixture.h"

namespace chatmock::testing_support {
namespace {

const QPoint kInBox(20, 10);

void SendWheel(QWidget& widget) {
  QWheelEvent wheel(QPointF(kInBox), widget.mapToGlobal(QPointF(kInBox)), QPoint(), QPoint(0, 120),
                    Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(&widget, &wheel);
}

struct InputCase {
  const char* label;
  std::function<void(QWidget&)> input;
  std::vector<std::int32_t> raised;  // in order
  friend void PrintTo(const InputCase& c, std::ostream* os) { *os << c.label; }
};

class CommonEventTest : public WindowTest, public testing::WithParamInterface<InputCase> {};

TEST_P(CommonEventTest, InputRaisesItsEventsOnTheControl) {
  FocusControl(controls::编辑框2);
  for (std::int32_t event = events::kWheel; event <= events::kLeftDown; ++event) {
    log_.Watch(controls::编辑框2, event);
  }
  GetParam().input(WidgetOf(controls::编辑框2));
  std::vector<std::int32_t> raised;
  for (const RaisedEvent& e : log_.Events()) {
    EXPECT_EQ(e.control, controls::编辑框2.control);
    raised.push_back(e.event);
  }
  EXPECT_EQ(raised, GetParam().raised);
  // QtTest remembers a button left down; the next test starts with none.
  QTest::mouseRelease(&WidgetOf(controls::编辑框2), Qt::LeftButton, {}, kInBox);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, CommonEventTest,
    testing::Values(
        InputCase{"left_press", [](QWidget& w) { QTest::mousePress(&w, Qt::LeftButton, {}, kInBox); },
                  {events::kLeftDown}},
        InputCase{"left_click", [](QWidget& w) { QTest::mouseClick(&w, Qt::LeftButton, {}, kInBox); },
                  {events::kLeftDown, events::kLeftUp}},
        InputCase{"double_click", [](QWidget& w) { QTest::mouseDClick(&w, Qt::LeftButton, {}, kInBox); },
                  {events::kDoubleClick}},
        InputCase{"right_click", [](QWidget& w) { QTest::mouseClick(&w, Qt::RightButton, {}, kInBox); },
                  {events::kRightDown, events::kRightUp}},
        InputCase{"drag_move",
                  [](QWidget& w) {
                    QTest::mousePress(&w, Qt::LeftButton, {}, kInBox);
                    QTest::mouseMove(&w, kInBox + QPoint(5, 0));
                  },
                  {events::kLeftDown, events::kMouseMove}},
        InputCase{"wheel", [](QWidget& w) { SendWheel(w); }, {events::kWheel}},
        InputCase{"printable_key", [](QWidget& w) { QTest::keyClick(&w, Qt::Key_A); },
                  {events::kKeyDown, events::kCharacter, events::kKeyUp}},
        InputCase{"arrow_key", [](QWidget& w) { QTest::keyClick(&w, Qt::Key_Left); },
                  {events::kKeyDown, events::kKeyUp}},
        InputCase{"focus_leaves", [](QWidget&) { FocusControl(controls::编辑框3); }, {events::kLostFocus}}),
    [](const testing::TestParamInfo<InputCase>& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace chatmock::testing_support
