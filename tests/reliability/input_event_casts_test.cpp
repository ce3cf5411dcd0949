// Key and wheel events go through the program's input pre-processing just as
// mouse presses do, and the pre-processing must treat each as what it is:
// casting a QKeyEvent or a QWheelEvent to QMouseEvent works by luck of layout
// in the plain build, and UndefinedBehaviorSanitizer stops the _san build at
// the first such event. The input storm found it once; these cases keep it
// found without an X display.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QWheelEvent>

#include <functional>
#include <ostream>
#include <string>

#include "tests/reliability/live_window.h"

namespace chatmock::reliability {
namespace {

constexpr PropertyIndex kEditText = 8;

struct RawInputCase {
  const char* name;
  std::function<void(QWidget& box)> send;
  std::string textAfter;  // what the nickname box holds afterwards
};

void PrintTo(const RawInputCase& value, std::ostream* out) { *out << value.name; }

void TurnWheel(QWidget& box) {
  const QPointF at(5, 5);
  QWheelEvent wheel(at, box.mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                    Qt::NoScrollPhase, false);
  QApplication::sendEvent(&box, &wheel);
}

class InputEventCastTest : public LiveWindowTest, public ::testing::WithParamInterface<RawInputCase> {};

TEST_P(InputEventCastTest, ReachesTheControlWithoutAWrongDowncast) {
  WriteText(controls::编辑框2, kEditText, "");
  QWidget& box = WidgetOf(controls::编辑框2);
  FocusControl(controls::编辑框2);
  GetParam().send(box);
  EXPECT_EQ(ReadText(controls::编辑框2, kEditText), GetParam().textAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Events, InputEventCastTest,
    ::testing::Values(RawInputCase{"KeyPressAndRelease", [](QWidget& box) { QTest::keyClick(&box, Qt::Key_A); }, "a"},
                      RawInputCase{"KeyWithoutText",
                                   [](QWidget& box) {
                                     QTest::keyClicks(&box, "xy");
                                     QTest::keyClick(&box, Qt::Key_Backspace);
                                   },
                                   "x"},
                      RawInputCase{"WheelTurn", &TurnWheel, ""}),
    [](const ::testing::TestParamInfo<RawInputCase>& info) { return info.param.name; });

}  // namespace
}  // namespace chatmock::reliability
