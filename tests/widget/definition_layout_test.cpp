// The window and its 25 controls as the definition table stores them.

#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include <algorithm>

#include "app/definition.h"
#include "app/look.h"
#include "app/kinds/edit_box.h"
#include "app/kinds/label.h"
#include "app/kinds/push_button.h"
#include "app/kinds/radio_box.h"
#include "app/kinds/transparent_label.h"
#include "pictures/picture_box.h"
#include "pictures/picture_button.h"
#include "tests/widget/screen_pixels.h"
#include "tests/widget/window_fixture.h"
#include "transcript/rich_edit.h"

namespace chatmock::testing_support {
namespace {

constexpr int kControlCount = 25;

bool IsOfKind(const QWidget& widget, ControlKind kind) {
  switch (kind) {
    case ControlKind::EditBox: return dynamic_cast<const EditBox*>(&widget) != nullptr;
    case ControlKind::TransparentLabel: return dynamic_cast<const TransparentLabel*>(&widget) != nullptr;
    case ControlKind::Label: return dynamic_cast<const Label*>(&widget) != nullptr;
    case ControlKind::PushButton: return dynamic_cast<const PushButton*>(&widget) != nullptr;
    case ControlKind::RadioBox: return dynamic_cast<const RadioBox*>(&widget) != nullptr;
    case ControlKind::PictureBox: return dynamic_cast<const PictureBox*>(&widget) != nullptr;
    case ControlKind::PictureButton: return dynamic_cast<const PictureButton*>(&widget) != nullptr;
    case ControlKind::RichEdit: return dynamic_cast<const RichEdit*>(&widget) != nullptr;
    case ControlKind::Window: return false;
  }
  return false;
}

bool ShowsText(ControlKind kind) {
  return kind != ControlKind::PictureBox && kind != ControlKind::PictureButton;
}

using DefinitionLayoutTest = WindowTest;

TEST_F(DefinitionLayoutTest, EveryControlHasItsStoredKindPlaceParentVisibilityAndText) {
  ASSERT_EQ(MainWindowControls().size(), static_cast<std::size_t>(kControlCount));
  for (const ControlDef& def : MainWindowControls()) {
    SCOPED_TRACE(def.name);
    QWidget& widget = WidgetOf(def.id);
    EXPECT_EQ(widget.objectName(), QString::fromUtf8(def.name));
    EXPECT_TRUE(IsOfKind(widget, def.kind));
    EXPECT_EQ(widget.geometry(), QRect(def.left, def.top, def.width, def.height));
    QWidget* parent = def.parent == kWindowItself ? &Window() : &WidgetOf(def.parent);
    EXPECT_EQ(widget.parentWidget(), parent);
    EXPECT_EQ(widget.isVisible(), def.visible);
    if (ShowsText(def.kind)) {
      EXPECT_EQ(ShownText(widget), QString::fromUtf8(def.text));
    }
  }
}

TEST_F(DefinitionLayoutTest, FontsAreTheStoredOnesOrTheDefaultGuiFont) {
  for (const ControlDef& def : MainWindowControls()) {
    if (!ShowsText(def.kind) || def.kind == ControlKind::RichEdit) continue;
    SCOPED_TRACE(def.name);
    const QFont font = WidgetOf(def.id).font();
    EXPECT_EQ(font.pixelSize(), def.font ? def.font->pixelHeight : 12);
    EXPECT_EQ(font.bold(), def.font != nullptr && def.font->weight >= 700);
    // At 12 pixels the face is drawn like a bitmap font: no grey edges.
    EXPECT_TRUE(font.styleStrategy() & QFont::NoAntialias);
  }
}

// Within each parent the first stored child is on top: Qt keeps siblings
// bottom first, so the stored order reads backwards there.
TEST_F(DefinitionLayoutTest, SiblingsAreStackedWithTheFirstStoredOnTop) {
  std::vector<QWidget*> parents = {&Window()};
  for (const ControlDef& def : MainWindowControls()) {
    if (def.parent != kWindowItself) parents.push_back(&WidgetOf(def.parent));
  }
  std::sort(parents.begin(), parents.end());
  parents.erase(std::unique(parents.begin(), parents.end()), parents.end());
  for (QWidget* parent : parents) {
    SCOPED_TRACE(parent->objectName().toStdString());
    QStringList bottomFirst;
    for (QObject* child : parent->children()) {
      auto* widget = qobject_cast<QWidget*>(child);
      if (widget != nullptr && Window().ControlOfWidget(widget) != nullptr &&
          Window().ControlOfWidget(widget)->widget == widget) {
        bottomFirst << widget->objectName();
      }
    }
    QStringList expected;
    for (auto def = MainWindowControls().rbegin(); def != MainWindowControls().rend(); ++def) {
      QWidget* stored = def->parent == kWindowItself ? &Window() : &WidgetOf(def->parent);
      if (stored == parent) expected << QString::fromUtf8(def->name);
    }
    EXPECT_EQ(bottomFirst, expected);
  }
}

TEST_F(DefinitionLayoutTest, SignatureEditorLiesHiddenOnTheWindowAboveTheChatFrame) {
  QWidget& editor = WidgetOf(controls::编辑框1);
  EXPECT_EQ(editor.geometry(), QRect(128, 22, 336, 20));
  EXPECT_TRUE(editor.isHidden());
  EXPECT_EQ(editor.parentWidget(), &Window());
  const QObjectList& siblings = Window().children();
  EXPECT_GT(siblings.indexOf(&editor), siblings.indexOf(&WidgetOf(controls::图片框1)));
}

TEST_F(DefinitionLayoutTest, SpotChecksOfStoredValues) {
  EXPECT_EQ(WidgetOf(controls::图片框1).geometry(), QRect(0, 0, 544, 512));
  EXPECT_EQ(WidgetOf(controls::超级编辑框1).parentWidget(), &WidgetOf(controls::图片框1));
  EXPECT_EQ(WidgetOf(controls::超级编辑框1).geometry(), QRect(10, 109, 381, 249));
  EXPECT_EQ(WidgetOf(controls::图形按钮1).geometry(), QRect(308, 481, 81, 22));
  EXPECT_EQ(KindOf<Label>(controls::标签1).TextColor(), 0x00208000u);
  EXPECT_EQ(KindOf<PushButton>(controls::按钮1).text(), QString::fromUtf16(u"读取QQ秀和头像"));
  EXPECT_TRUE(KindOf<Label>(controls::标签2).Caption().contains(QStringLiteral("www.qiyun.example")));
  EXPECT_TRUE(WidgetOf(controls::编辑框6).isHidden());
  const QFont nickname = WidgetOf(controls::透明标签6).font();
  EXPECT_TRUE(nickname.bold());
  EXPECT_EQ(nickname.pixelSize(), 12);
  EXPECT_FALSE(KindOf<PushButton>(controls::按钮1).autoDefault());
}

TEST_F(DefinitionLayoutTest, WindowIsBorderless549By591AndCentredOnTheScreen) {
  const QRect screen = Window().screen()->geometry();
  EXPECT_TRUE(Window().windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ(Window().size(), QSize(549, 591));
  EXPECT_EQ(Window().pos(), screen.topLeft() + QPoint((screen.width() - 549) / 2,
                                                      (screen.height() - 591) / 2));
}

TEST_F(DefinitionLayoutTest, FirstFocusIsInTheTranscript) {
  EXPECT_EQ(FocusWidget(), &WidgetOf(controls::超级编辑框1));
}

// Crisp text: every pixel of the notice is either its red text or the
// button face behind it, with no grey edges of antialiasing.
TEST_F(DefinitionLayoutTest, NoticeIsRedTextOnButtonFaceWithoutBlending) {
  const QImage shown = Rendered(WidgetOf(controls::标签2));
  int red = 0, other = 0;
  for (int y = 0; y < shown.height(); ++y) {
    for (int x = 0; x < shown.width(); ++x) {
      const QRgb pixel = RgbAt(shown, x, y);
      if (pixel == 0xFF0000u) {
        ++red;
      } else if (pixel != RgbOf(ButtonFaceColor())) {
        ++other;
      }
    }
  }
  EXPECT_GT(red, 100);
  EXPECT_EQ(other, 0);
}

TEST_F(DefinitionLayoutTest, EditBoxHasAOnePixelStaticEdge) {
  QWidget& box = WidgetOf(controls::编辑框2);
  const QImage shown = Rendered(box);
  const int w = box.width(), h = box.height();
  EXPECT_EQ(RgbAt(shown, 0, h / 2), 0xA0A0A0u);
  EXPECT_EQ(RgbAt(shown, w / 2, 0), 0xA0A0A0u);
  EXPECT_EQ(RgbAt(shown, w - 1, h / 2), 0xFFFFFFu);
  EXPECT_EQ(RgbAt(shown, w / 2, h - 1), 0xFFFFFFu);
  EXPECT_EQ(RgbAt(shown, 1, h / 2), 0xFFFFFFu) << "the edge is one pixel wide";
  EXPECT_EQ(RgbAt(shown, w / 2, 1), 0xFFFFFFu);
}

TEST_F(DefinitionLayoutTest, ChatFrameShowsItsStoredPicture) {
  const PictureBox& frame = KindOf<PictureBox>(controls::图片框1);
  EXPECT_TRUE(frame.HasPicture());
  EXPECT_EQ(frame.PictureRect().topLeft(), QPoint(0, 0));
}

}  // namespace
}  // namespace chatmock::testing_support
