// Tab and Shift+Tab walk the visible tab stops by tab-order value, equal
// values in reverse stored order, and wrap around.

#include <gtest/gtest.h>

#include <QTest>
#include <QTextEdit>

#include <vector>

#include "app/definition.h"
#include "app/dispatch.h"
#include "app/properties.h"
#include "tests/widget/window_fixture.h"

namespace chatmock::testing_support {
namespace {

using Cycle = std::vector<ControlRef>;

// The definition's visible tab stops, from the first focus onwards.
const Cycle kDefaultCycle = {controls::超级编辑框1, controls::超级编辑框2, controls::编辑框2,
                             controls::编辑框3,     controls::单选框1,     controls::单选框2,
                             controls::编辑框4,     controls::编辑框5,     controls::按钮1};

Cycle WithInserted(Cycle cycle, ControlRef after, ControlRef shown) {
  const auto at = std::find_if(cycle.begin(), cycle.end(),
                               [after](ControlRef c) { return c.control == after.control; });
  cycle.insert(at + 1, shown);
  return cycle;
}

struct TabKey {
  const char* label;
  Qt::Key key;
  Qt::KeyboardModifiers modifiers;
  bool forward;
  friend void PrintTo(const TabKey& c, std::ostream* os) { *os << c.label; }
};

const TabKey kTabKeys[] = {
    {"Tab", Qt::Key_Tab, Qt::NoModifier, true},
    {"Shift+Tab", Qt::Key_Tab, Qt::ShiftModifier, false},
    {"Backtab", Qt::Key_Backtab, Qt::ShiftModifier, false},
};

class TabOrderTest : public WindowTest {
 protected:
  // Presses the key once per control and checks where the focus lands each
  // time, ending where it started.
  void ExpectCycle(const Cycle& cycle, const TabKey& key) {
    SCOPED_TRACE(key.label);
    ASSERT_EQ(FocusWidget(), &WidgetOf(cycle.front()));
    const auto count = static_cast<std::ptrdiff_t>(cycle.size());
    for (std::ptrdiff_t step = 1; step <= count; ++step) {
      const std::ptrdiff_t index = key.forward ? step % count : (count - step) % count;
      const ControlRef expected = cycle[static_cast<std::size_t>(index)];
      QTest::keyClick(FocusWidget(), key.key, key.modifiers);
      ASSERT_EQ(FocusWidget(), &WidgetOf(expected))
          << "after " << step << " presses, expected " << WidgetOf(expected).objectName().toStdString()
          << ", focus in " << (FocusWidget() ? FocusWidget()->objectName().toStdString() : "nothing");
    }
  }

  // An editor's own lost-focus handler would close it on the way out.
  void ShowEditorThatStaysOpen(ControlRef editor) {
    BindHandler(editor.control, events::kLostFocus, [] { return std::optional<bool>(); });
    WriteProperty(editor, common::kVisible, kWholeValue, 1);
  }
};

TEST_F(TabOrderTest, WholeCycleInBothDirections) {
  for (const TabKey& key : kTabKeys) ExpectCycle(kDefaultCycle, key);
}

TEST_F(TabOrderTest, ShownSignatureEditorJoinsBetweenTheTwoRichEdits) {
  ShowEditorThatStaysOpen(controls::编辑框1);
  const Cycle cycle = WithInserted(kDefaultCycle, controls::超级编辑框1, controls::编辑框1);
  for (const TabKey& key : kTabKeys) ExpectCycle(cycle, key);
}

TEST_F(TabOrderTest, ShownNicknameEditorJoinsAfterTheFetchButton) {
  ShowEditorThatStaysOpen(controls::编辑框6);
  const Cycle cycle = WithInserted(kDefaultCycle, controls::按钮1, controls::编辑框6);
  for (const TabKey& key : kTabKeys) ExpectCycle(cycle, key);
}

TEST_F(TabOrderTest, DisabledAndHiddenControlsAreSkipped) {
  WriteProperty(controls::编辑框2, common::kDisable, kWholeValue, 1);
  WriteProperty(controls::单选框1, common::kVisible, kWholeValue, 0);
  Cycle cycle = kDefaultCycle;
  std::erase_if(cycle, [](ControlRef c) {
    return c.control == controls::编辑框2.control || c.control == controls::单选框1.control;
  });
  for (const TabKey& key : kTabKeys) ExpectCycle(cycle, key);
}

TEST_F(TabOrderTest, TabIsNotTypedIntoTheRichEdit) {
  QTest::keyClick(FocusWidget(), Qt::Key_Tab);
  EXPECT_TRUE(qobject_cast<QTextEdit*>(&WidgetOf(controls::超级编辑框1))->toPlainText().isEmpty());
}

}  // namespace
}  // namespace chatmock::testing_support
