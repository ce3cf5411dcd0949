// Key and wheel events go through the program's input pre-processing just as
// mouse presses do. The pre-processing casts every event it sees to
// QMouseEvent before it looks at the type (app/preprocess.cpp, CommonEventOf,
// and the wheel event handed to PreprocessMouse), which is undefined for a
// QKeyEvent or a QWheelEvent; UndefinedBehaviorSanitizer stops the _san build
// at the first key press. The plain build happens to work, since the members
// read lie where both classes keep them.
//
// Disabled until the pre-processing casts only after checking the type: with
// the cast in place every sanitized run that presses a key ends there.

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

TEST_P(InputEventCastTest, DISABLED_ReachesTheControlWithoutAWrongDowncast) {
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
