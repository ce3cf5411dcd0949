#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>

#include "app/kinds/transparent_label.h"
#include "tests/transcript/window_fixture.h"

namespace chatmock {
namespace {

using namespace controls;
using testing_support::WindowTest;

constexpr PropertyIndex kText = 8;

// A caption with its editor, and where to press on each: over the editor's
// part and past it.
struct Caption {
  const char* name;
  ControlRef caption;
  ControlRef editor;
  QPoint underEditor;
  QPoint pastEditor;
  const char* storedCaption;
};

const Caption kNickname{"nickname", 透明标签6, 编辑框6, {40, 12}, {200, 12}, "点击编辑昵称"};
const Caption kSignature{"signature", 透明标签1, 编辑框1, {40, 12}, {360, 12}, "点击编辑个性签名"};

class CaptionTest : public WindowTest, public ::testing::WithParamInterface<Caption> {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    window_->show();
    Activate(window_);
  }
  void Activate(QWidget* window) {
    window->activateWindow();
    QApplication::setActiveWindow(window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  }
  void PressCaption(const Caption& c, QPoint at) {
    QTest::mouseClick(&Widget<QWidget>(c.caption), Qt::LeftButton, {}, at);
  }
  QLineEdit& Editor(const Caption& c) { return Widget<QLineEdit>(c.editor); }
  QString Shown(const Caption& c) { return Widget<TransparentLabel>(c.caption).Caption(); }
  bool EditorOpen(const Caption& c) { return Editor(c).isVisible(); }
  // QtTest types ASCII only; insert() is what typing a character does.
  void TypeInto(const Caption& c, const QString& text) { Editor(c).insert(text); }
  QWidget* Focused() { return QApplication::focusWidget(); }
};

TEST_P(CaptionTest, FirstOpenIsEmptyAndAnEmptyEditGivesAnEmptyCaptionThatStillOpens) {
  const Caption& c = GetParam();
  EXPECT_EQ(Shown(c), QString::fromUtf8(c.storedCaption));
  PressCaption(c, c.pastEditor);
  ASSERT_TRUE(EditorOpen(c));
  EXPECT_EQ(Focused(), &Editor(c));
  EXPECT_TRUE(Editor(c).text().isEmpty());

  QTest::keyClick(Focused(), Qt::Key_Tab);
  EXPECT_FALSE(EditorOpen(c));
  EXPECT_TRUE(Shown(c).isEmpty());
  EXPECT_TRUE(ReadProperty(c.editor, kText, kWholeValue).TakeText().IsNull());

  PressCaption(c, c.underEditor);  // the empty caption keeps its place
  EXPECT_TRUE(EditorOpen(c));
}

TEST_P(CaptionTest, LaterOpensShowTheLastEdit) {
  const Caption& c = GetParam();
  PressCaption(c, c.pastEditor);
  TypeInto(c, QString::fromUtf8("小明"));
  QTest::keyClick(Focused(), Qt::Key_Tab);
  EXPECT_EQ(Shown(c), QString::fromUtf8("小明"));
  PressCaption(c, c.underEditor);
  EXPECT_EQ(Editor(c).text(), QString::fromUtf8("小明"));
  TypeInto(c, "!");
  QTest::keyClick(Focused(), Qt::Key_Backtab);  // Shift+Tab ends it too
  EXPECT_FALSE(EditorOpen(c));
  EXPECT_EQ(Shown(c), QString::fromUtf8("小明!"));
}

TEST_P(CaptionTest, PressingAnOpenCaptionOrEnterChangesNothing) {
  const Caption& c = GetParam();
  PressCaption(c, c.pastEditor);
  TypeInto(c, "abc");
  Editor(c).setCursorPosition(1);
  PressCaption(c, c.pastEditor);
  QTest::keyClick(&Editor(c), Qt::Key_Return);
  EXPECT_TRUE(EditorOpen(c));
  EXPECT_EQ(Focused(), &Editor(c));
  EXPECT_EQ(Editor(c).text(), "abc");
  EXPECT_EQ(Editor(c).cursorPosition(), 1);
  EXPECT_EQ(Shown(c), QString::fromUtf8(c.storedCaption));
}

// A double click arrives as a press, a release, a double-click event in
// place of the second press, and a release.
void DoubleClick(QWidget& target, QPoint at) {
  QTest::mousePress(&target, Qt::LeftButton, {}, at);
  QTest::mouseRelease(&target, Qt::LeftButton, {}, at);
  QMouseEvent second(QEvent::MouseButtonDblClick, at, target.mapToGlobal(at), Qt::LeftButton,
                     Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&target, &second);
  QTest::mouseRelease(&target, Qt::LeftButton, {}, at);
}

TEST_P(CaptionTest, DoubleClickOpensOnce) {
  const Caption& c = GetParam();
  PressCaption(c, c.pastEditor);
  TypeInto(c, "kept");
  QTest::keyClick(Focused(), Qt::Key_Tab);
  int focusChanges = 0;
  const QMetaObject::Connection counting =
      QObject::connect(qApp, &QApplication::focusChanged, [&focusChanges] { ++focusChanges; });
  DoubleClick(Widget<QWidget>(c.caption), c.pastEditor);
  QObject::disconnect(counting);
  EXPECT_TRUE(EditorOpen(c));
  EXPECT_EQ(Focused(), &Editor(c));
  EXPECT_EQ(Editor(c).text(), "kept");
  EXPECT_EQ(focusChanges, 1);  // into the editor once; the second press did nothing
}

TEST_P(CaptionTest, LosingActivationEndsTheEditAndTheFocusComesBackOutsideIt) {
  const Caption& c = GetParam();
  PressCaption(c, c.pastEditor);
  TypeInto(c, "away");
  QWidget other;
  other.show();
  Activate(&other);
  EXPECT_FALSE(EditorOpen(c));
  EXPECT_EQ(Shown(c), "away");

  Activate(window_);
  EXPECT_EQ(Focused(), &Widget<QWidget>(超级编辑框1));
  QTest::keyClicks(Focused(), "k");
  EXPECT_EQ(Editor(c).text(), "away");
}

INSTANTIATE_TEST_SUITE_P(Captions, CaptionTest, ::testing::Values(kNickname, kSignature),
                         [](const auto& info) { return std::string(info.param.name); });

class CaptionNestingTest : public CaptionTest {};

TEST_F(CaptionNestingTest, OpeningOneCaptionClosesTheOtherFirst) {
  for (const auto& [from, to] : {std::pair{kNickname, kSignature}, std::pair{kSignature, kNickname}}) {
    SCOPED_TRACE(from.name);
    PressCaption(from, from.pastEditor);
    Editor(from).setText(QString::fromUtf8("先"));
    PressCaption(to, to.pastEditor);
    EXPECT_FALSE(EditorOpen(from));
    EXPECT_EQ(Shown(from), QString::fromUtf8("先"));
    EXPECT_TRUE(EditorOpen(to));
    EXPECT_EQ(Focused(), &Editor(to));
    QTest::keyClick(Focused(), Qt::Key_Tab);
  }
}

}  // namespace
}  // namespace chatmock
