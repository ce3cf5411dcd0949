// Keys the window handles before the control does: Esc, Enter, the radio
// arrows, and a key-down handler that drops the key.

#include <gtest/gtest.h>

#include <QTest>
#include <QTextEdit>

#include "app/definition.h"
#include "app/kinds/edit_box.h"
#include "app/kinds/radio_box.h"
#include "app/properties.h"
#include "app/shell.h"
#include "tests/widget/window_fixture.h"

namespace chatmock::testing_support {
namespace {

using KeyPreprocessingTest = WindowTest;

struct EscCase {
  const char* label;
  Qt::KeyboardModifiers modifiers;
  bool closes;
  friend void PrintTo(const EscCase& c, std::ostream* os) { *os << c.label; }
};

class EscTest : public WindowTest, public testing::WithParamInterface<EscCase> {};

TEST_P(EscTest, OnlyPlainEscClosesTheWindow) {
  const QPointer<MainWindow> window = &Window();
  log_.Watch(kWindowItself, events::kQueryClose);
  log_.Watch(kWindowItself, events::kDestroyed);
  QTest::keyClick(FocusWidget(), Qt::Key_Escape, GetParam().modifiers);
  ProcessDeferredDeletes();
  if (GetParam().closes) {
    EXPECT_TRUE(window.isNull());
    EXPECT_EQ(FindLoadedWindow(kMainWindowId), nullptr);
    EXPECT_EQ(log_.Events(), (std::vector<RaisedEvent>{{kWindowItself, events::kQueryClose},
                                                        {kWindowItself, events::kDestroyed}}));
  } else {
    EXPECT_FALSE(window.isNull());
    EXPECT_TRUE(log_.Events().empty());
  }
  EXPECT_EQ(ExitRoutineCalls(), 0) << "the exit routine belongs to the end of the run";
  EXPECT_EQ(FinishRun(0), 0);
  EXPECT_EQ(ExitRoutineCalls(), 1);
  FinishRun(0);
  EXPECT_EQ(ExitRoutineCalls(), 1) << "the exit routine runs once per run";
}

INSTANTIATE_TEST_SUITE_P(Modifiers, EscTest,
                         testing::Values(EscCase{"plain", Qt::NoModifier, true},
                                         EscCase{"ctrl", Qt::ControlModifier, false},
                                         EscCase{"shift", Qt::ShiftModifier, false},
                                         EscCase{"alt", Qt::AltModifier, false}),
                         [](const testing::TestParamInfo<EscCase>& info) {
                           return std::string(info.param.label);
                         });

class EscFromControlTest : public WindowTest, public testing::WithParamInterface<ControlRef> {};

TEST_P(EscFromControlTest, EscClosesWhicheverControlHasTheFocus) {
  FocusControl(GetParam());
  ASSERT_EQ(FocusWidget(), &WidgetOf(GetParam()));
  const QPointer<MainWindow> window = &Window();
  QTest::keyClick(FocusWidget(), Qt::Key_Escape);
  ProcessDeferredDeletes();
  EXPECT_TRUE(window.isNull());
}

INSTANTIATE_TEST_SUITE_P(FocusHolders, EscFromControlTest,
                         testing::Values(controls::超级编辑框2, controls::编辑框2, controls::单选框1,
                                         controls::按钮1));

// The editor loses the focus as the window closes, and its handler writes
// the caption of a window on its way out.
TEST_F(KeyPreprocessingTest, EscWithACaptionEditorOpenClosesCleanly) {
  QTest::mouseClick(&WidgetOf(controls::透明标签1), Qt::LeftButton, Qt::NoModifier, QPoint(20, 12));
  ASSERT_EQ(FocusWidget(), &WidgetOf(controls::编辑框1));
  QTest::keyClicks(FocusWidget(), QStringLiteral("sig"));
  const QPointer<MainWindow> window = &Window();
  QTest::keyClick(FocusWidget(), Qt::Key_Escape);
  ProcessDeferredDeletes();
  EXPECT_TRUE(window.isNull());
}

TEST_F(KeyPreprocessingTest, QueryCloseHandlerAnsweringFalseKeepsTheWindow) {
  const QPointer<MainWindow> window = &Window();
  log_.Watch(kWindowItself, events::kQueryClose, false);
  log_.Watch(kWindowItself, events::kDestroyed);
  QTest::keyClick(FocusWidget(), Qt::Key_Escape);
  ProcessDeferredDeletes();
  EXPECT_FALSE(window.isNull());
  EXPECT_EQ(log_.Count(kWindowItself, events::kQueryClose), 1);
  EXPECT_EQ(log_.Count(kWindowItself, events::kDestroyed), 0);
}

TEST_F(KeyPreprocessingTest, EnterInAnEditBoxChangesNothing) {
  log_.Watch(controls::按钮1, events::kClicked);
  FocusControl(controls::编辑框2);
  QTest::keyClicks(FocusWidget(), QStringLiteral("ab"));
  QTest::keyClick(FocusWidget(), Qt::Key_Return);
  QTest::keyClick(FocusWidget(), Qt::Key_Enter);
  EXPECT_EQ(KindOf<EditBox>(controls::编辑框2).text(), QStringLiteral("ab"));
  EXPECT_EQ(FocusWidget(), &WidgetOf(controls::编辑框2));
  EXPECT_EQ(FindLoadedWindow(kMainWindowId), &Window());
  EXPECT_EQ(log_.Count(controls::按钮1, events::kClicked), 0);
}

TEST_F(KeyPreprocessingTest, EnterOnTheFetchButtonDoesNotClickIt) {
  log_.Watch(controls::按钮1, events::kClicked);
  FocusControl(controls::按钮1);
  QTest::keyClick(FocusWidget(), Qt::Key_Return);
  QTest::keyClick(FocusWidget(), Qt::Key_Enter);
  EXPECT_EQ(log_.Count(controls::按钮1, events::kClicked), 0);
}

TEST_F(KeyPreprocessingTest, EnterInTheMessageBoxStartsANewParagraph) {
  FocusControl(controls::超级编辑框2);
  QTest::keyClicks(FocusWidget(), QStringLiteral("ab"));
  QTest::keyClick(FocusWidget(), Qt::Key_Return);
  QTest::keyClicks(FocusWidget(), QStringLiteral("cd"));
  auto& box = KindOf<QTextEdit>(controls::超级编辑框2);
  EXPECT_EQ(box.document()->blockCount(), 2);
  EXPECT_EQ(ReadProperty(controls::超级编辑框2, 9, kWholeValue).TakeText().View(), "ab\r\ncd");
  EXPECT_EQ(FocusWidget(), &WidgetOf(controls::超级编辑框2));
}

struct ArrowCase {
  const char* label;
  ControlRef from;
  Qt::Key key;
  ControlRef to;
  friend void PrintTo(const ArrowCase& c, std::ostream* os) { *os << c.label; }
};

class RadioArrowTest : public WindowTest, public testing::WithParamInterface<ArrowCase> {};

TEST_P(RadioArrowTest, ArrowSwitchesToTheOtherBoxChecksItAndRaisesItsClick) {
  const ArrowCase& c = GetParam();
  WriteProperty(c.from, 18, kWholeValue, 1);
  FocusControl(c.from);
  log_.Watch(c.from, events::kClicked);
  log_.Watch(c.to, events::kClicked);
  QTest::keyClick(FocusWidget(), c.key);
  EXPECT_TRUE(KindOf<RadioBox>(c.to).isChecked());
  EXPECT_FALSE(KindOf<RadioBox>(c.from).isChecked());
  EXPECT_EQ(log_.Events(), (std::vector<RaisedEvent>{{c.to.control, events::kClicked}}));
  EXPECT_EQ(FocusWidget(), &WidgetOf(c.to));
}

TEST_P(RadioArrowTest, ArrowFromAnUncheckedBoxStillLeavesOnlyTheNewOneChecked) {
  const ArrowCase& c = GetParam();
  FocusControl(c.from);
  QTest::keyClick(FocusWidget(), c.key);
  EXPECT_EQ(ReadProperty(c.to, 18, kWholeValue).Number(), 1);
  EXPECT_EQ(ReadProperty(c.from, 18, kWholeValue).Number(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Arrows, RadioArrowTest,
    testing::Values(ArrowCase{"first_right", controls::单选框1, Qt::Key_Right, controls::单选框2},
                    ArrowCase{"first_down", controls::单选框1, Qt::Key_Down, controls::单选框2},
                    ArrowCase{"first_left", controls::单选框1, Qt::Key_Left, controls::单选框2},
                    ArrowCase{"first_up", controls::单选框1, Qt::Key_Up, controls::单选框2},
                    ArrowCase{"second_right", controls::单选框2, Qt::Key_Right, controls::单选框1},
                    ArrowCase{"second_down", controls::单选框2, Qt::Key_Down, controls::单选框1},
                    ArrowCase{"second_left", controls::单选框2, Qt::Key_Left, controls::单选框1},
                    ArrowCase{"second_up", controls::单选框2, Qt::Key_Up, controls::单选框1}),
    [](const testing::TestParamInfo<ArrowCase>& info) { return std::string(info.param.label); });

TEST_F(KeyPreprocessingTest, ArrowsInAnEditBoxOnlyMoveTheCursor) {
  FocusControl(controls::编辑框2);
  QTest::keyClicks(FocusWidget(), QStringLiteral("ab"));
  QTest::keyClick(FocusWidget(), Qt::Key_Left);
  QTest::keyClicks(FocusWidget(), QStringLiteral("X"));
  EXPECT_EQ(KindOf<EditBox>(controls::编辑框2).text(), QStringLiteral("aXb"));
  EXPECT_EQ(ReadProperty(controls::单选框1, 18, kWholeValue).Number(), 0);
  EXPECT_EQ(ReadProperty(controls::单选框2, 18, kWholeValue).Number(), 0);
}

struct KeyDownCase {
  const char* label;
  std::optional<bool> answer;
  bool typed;
  friend void PrintTo(const KeyDownCase& c, std::ostream* os) { *os << c.label; }
};

class KeyDownHandlerTest : public WindowTest, public testing::WithParamInterface<KeyDownCase> {};

TEST_P(KeyDownHandlerTest, OnlyAnExplicitFalseDropsTheKey) {
  FocusControl(controls::编辑框2);
  log_.Watch(controls::编辑框2, events::kKeyDown, GetParam().answer);
  QTest::keyClicks(FocusWidget(), QStringLiteral("abc"));
  EXPECT_EQ(KindOf<EditBox>(controls::编辑框2).text(),
            GetParam().typed ? QStringLiteral("abc") : QString());
  EXPECT_EQ(log_.Count(controls::编辑框2, events::kKeyDown), 3);
}

INSTANTIATE_TEST_SUITE_P(Answers, KeyDownHandlerTest,
                         testing::Values(KeyDownCase{"false", false, false},
                                         KeyDownCase{"true", true, true},
                                         KeyDownCase{"no_result", std::nullopt, true}),
                         [](const testing::TestParamInfo<KeyDownCase>& info) {
                           return std::string(info.param.label);
                         });

TEST_F(KeyPreprocessingTest, CharacterHandlerAnsweringFalseDropsTheCharacter) {
  FocusControl(controls::编辑框2);
  log_.Watch(controls::编辑框2, events::kCharacter, false);
  QTest::keyClicks(FocusWidget(), QStringLiteral("ab"));
  EXPECT_TRUE(KindOf<EditBox>(controls::编辑框2).text().isEmpty());
  EXPECT_EQ(log_.Count(controls::编辑框2, events::kCharacter), 2);
}

}  // namespace
}  // namespace chatmock::testing_support
