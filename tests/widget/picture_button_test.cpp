// The picture button's looks follow the mouse, and a release inside posts
// one click after the normal look is back on screen.

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QTest>

#include "app/definition.h"
#include "app/dispatch.h"
#include "app/properties.h"
#include "pictures/picture_button.h"
#include "tests/widget/picture_bytes.h"
#include "tests/widget/screen_pixels.h"
#include "tests/widget/window_fixture.h"

namespace chatmock::testing_support {
namespace {

constexpr PropertyIndex kPicNormal = 10;
constexpr PropertyIndex kPicHover = 11;
constexpr PropertyIndex kPicPressed = 12;
constexpr PropertyIndex kPicDisabled = 13;
constexpr QRgb kNormalColour = 0x20A020, kPressedColour = 0xC02020;
const QPoint kInside(40, 11);
const QPoint kOutside(120, 11);

class PictureButtonTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    button_ = &KindOf<PictureButton>(controls::图形按钮1);
    WriteProperty(controls::图形按钮1, kPicNormal, kWholeValue,
                  ByteValue::Copy(BmpBytes(SolidImage(81, 22, QColor(kNormalColour)))));
    WriteProperty(controls::图形按钮1, kPicPressed, kWholeValue,
                  ByteValue::Copy(BmpBytes(SolidImage(81, 22, QColor(kPressedColour)))));
    // The send routine would post the message box's text; the tests only count.
    BindHandler(controls::图形按钮1.control, events::kClicked, [this] {
      ++clicks_;
      looksAtClick_.push_back(button_->Look());
      shownAtClick_.push_back(RgbAt(OnScreen(*button_), 10, 10));
      return std::optional<bool>();
    });
    ProcessPendingEvents();
  }

  QRgb Shown() { return RgbAt(OnScreen(*button_), 10, 10); }

  PictureButton* button_ = nullptr;
  int clicks_ = 0;
  std::vector<ButtonLook> looksAtClick_;
  std::vector<QRgb> shownAtClick_;
};

TEST_F(PictureButtonTest, NormalLookAtRest) {
  EXPECT_EQ(button_->Look(), ButtonLook::Normal);
  EXPECT_EQ(Shown(), kNormalColour);
}

TEST_F(PictureButtonTest, PressShowsThePressedLookAtOnce) {
  QTest::mousePress(button_, Qt::LeftButton, Qt::NoModifier, kInside);
  EXPECT_EQ(button_->Look(), ButtonLook::Pressed);
  EXPECT_EQ(Shown(), kPressedColour) << "drawn inside the press, not at a later repaint";
  QTest::mouseRelease(button_, Qt::LeftButton, Qt::NoModifier, kInside);
}

TEST_F(PictureButtonTest, LeavingWhileHeldShowsNormalAndComingBackShowsPressed) {
  QTest::mousePress(button_, Qt::LeftButton, Qt::NoModifier, kInside);
  QTest::mouseMove(button_, kOutside);
  EXPECT_EQ(button_->Look(), ButtonLook::Normal);
  EXPECT_EQ(Shown(), kNormalColour);
  QTest::mouseMove(button_, kInside);
  EXPECT_EQ(button_->Look(), ButtonLook::Pressed);
  EXPECT_EQ(Shown(), kPressedColour);
  QTest::mouseRelease(button_, Qt::LeftButton, Qt::NoModifier, kInside);
  ProcessPendingEvents();
  EXPECT_EQ(clicks_, 1);
}

TEST_F(PictureButtonTest, ReleaseInsidePostsOneClickAfterTheNormalLookIsDrawn) {
  QTest::mousePress(button_, Qt::LeftButton, Qt::NoModifier, kInside);
  QTest::mouseRelease(button_, Qt::LeftButton, Qt::NoModifier, kInside);
  ProcessPendingEvents();
  EXPECT_EQ(clicks_, 1);
  EXPECT_EQ(looksAtClick_, std::vector<ButtonLook>{ButtonLook::Normal});
  EXPECT_EQ(shownAtClick_, std::vector<QRgb>{kNormalColour});
  EXPECT_EQ(Shown(), kNormalColour);
}

TEST_F(PictureButtonTest, ReleaseOutsidePostsNoClick) {
  QTest::mousePress(button_, Qt::LeftButton, Qt::NoModifier, kInside);
  QTest::mouseMove(button_, kOutside);
  QTest::mouseRelease(button_, Qt::LeftButton, Qt::NoModifier, kOutside);
  ProcessPendingEvents();
  EXPECT_EQ(clicks_, 0);
  EXPECT_EQ(button_->Look(), ButtonLook::Normal);
  EXPECT_EQ(Shown(), kNormalColour);
}

TEST_F(PictureButtonTest, DoubleClickPostsTwoClicks) {
  QTest::mousePress(button_, Qt::LeftButton, Qt::NoModifier, kInside);
  QTest::mouseRelease(button_, Qt::LeftButton, Qt::NoModifier, kInside);
  QTest::mouseDClick(button_, Qt::LeftButton, Qt::NoModifier, kInside);
  EXPECT_EQ(button_->Look(), ButtonLook::Pressed);
  QTest::mouseRelease(button_, Qt::LeftButton, Qt::NoModifier, kInside);
  ProcessPendingEvents();
  EXPECT_EQ(clicks_, 2);
}

TEST_F(PictureButtonTest, RightButtonNeitherPressesNorClicks) {
  QTest::mousePress(button_, Qt::RightButton, Qt::NoModifier, kInside);
  EXPECT_EQ(button_->Look(), ButtonLook::Normal);
  QTest::mouseRelease(button_, Qt::RightButton, Qt::NoModifier, kInside);
  ProcessPendingEvents();
  EXPECT_EQ(clicks_, 0);
}

TEST_F(PictureButtonTest, DisabledButtonIgnoresTheMouse) {
  WriteProperty(controls::图形按钮1, common::kDisable, kWholeValue, 1);
  QTest::mousePress(button_, Qt::LeftButton, Qt::NoModifier, kInside);
  EXPECT_EQ(button_->Look(), ButtonLook::Normal);
  QTest::mouseRelease(button_, Qt::LeftButton, Qt::NoModifier, kInside);
  ProcessPendingEvents();
  EXPECT_EQ(clicks_, 0);
}

TEST_F(PictureButtonTest, PaintsBlackWherePictureDoesNotReach) {
  WriteProperty(controls::图形按钮1, kPicNormal, kWholeValue,
                ByteValue::Copy(BmpBytes(SolidImage(40, 10, QColor(kNormalColour)))));
  ProcessPendingEvents();
  const QImage shown = OnScreen(*button_);
  EXPECT_EQ(RgbAt(shown, 5, 5), kNormalColour);
  EXPECT_EQ(RgbAt(shown, 60, 5), 0u);
  EXPECT_EQ(RgbAt(shown, 5, 15), 0u);
}

TEST_F(PictureButtonTest, IconPictureIsDrawnOntoWhite) {
  QImage icon(16, 16, QImage::Format_ARGB32);
  icon.fill(Qt::transparent);
  QPainter(&icon).fillRect(0, 0, 8, 16, QColor(kNormalColour));
  WriteProperty(controls::图形按钮1, kPicNormal, kWholeValue, ByteValue::Copy(IconBytes(icon)));
  ProcessPendingEvents();
  const QImage shown = OnScreen(*button_);
  EXPECT_EQ(RgbAt(shown, 3, 8), kNormalColour);
  EXPECT_EQ(RgbAt(shown, 12, 8), 0xFFFFFFu) << "the icon's masked half is white, not black";
  EXPECT_EQ(RgbAt(shown, 30, 8), 0u) << "beyond the picture the button is black";
}

struct LookCase {
  const char* label;
  bool hoverPicture, pressedPicture, disabledPicture;
  bool hovering, pressing, disabled;
  QRgb shown;
  friend void PrintTo(const LookCase& c, std::ostream* os) { *os << c.label; }
};

constexpr QRgb kHoverColour = 0x2020C0, kDisabledColour = 0x808080;

class PictureChoiceTest : public PictureButtonTest, public testing::WithParamInterface<LookCase> {};

// Each look shows its own picture when it has one, the normal one otherwise.
TEST_P(PictureChoiceTest, LookAndStatePickThePicture) {
  const LookCase& c = GetParam();
  const auto slot = [](PropertyIndex index, bool present, QRgb colour) {
    WriteProperty(controls::图形按钮1, index, kWholeValue,
                  present ? ByteValue::Copy(BmpBytes(SolidImage(81, 22, QColor(colour)))) : ByteValue());
  };
  slot(kPicHover, c.hoverPicture, kHoverColour);
  slot(kPicPressed, c.pressedPicture, kPressedColour);
  slot(kPicDisabled, c.disabledPicture, kDisabledColour);
  if (c.disabled) WriteProperty(controls::图形按钮1, common::kDisable, kWholeValue, 1);
  if (c.hovering) {
    QMouseEvent move(QEvent::MouseMove, QPointF(kInside), button_->mapToGlobal(QPointF(kInside)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(button_, &move);
  }
  if (c.pressing) QTest::mousePress(button_, Qt::LeftButton, Qt::NoModifier, kInside);
  ProcessPendingEvents();
  EXPECT_EQ(Shown(), c.shown);
  if (c.pressing) QTest::mouseRelease(button_, Qt::LeftButton, Qt::NoModifier, kOutside);
}

INSTANTIATE_TEST_SUITE_P(
    Looks, PictureChoiceTest,
    testing::Values(LookCase{"hover_with_its_picture", true, true, false, true, false, false, kHoverColour},
                    LookCase{"hover_without_falls_back", false, true, false, true, false, false, kNormalColour},
                    LookCase{"pressed_with_its_picture", true, true, false, false, true, false, kPressedColour},
                    LookCase{"pressed_without_falls_back", false, false, false, false, true, false, kNormalColour},
                    LookCase{"disabled_with_its_picture", false, true, true, false, false, true, kDisabledColour},
                    LookCase{"disabled_without_falls_back", false, true, false, false, false, true, kNormalColour}),
    [](const testing::TestParamInfo<LookCase>& info) { return std::string(info.param.label); });

TEST_F(PictureButtonTest, StoredSendButtonPicturesAreShown) {
  // The definition's own pictures, before this fixture replaced them.
  WriteProperty(controls::图形按钮1, kPicNormal, kWholeValue,
                ByteValue::Copy(StoredPictureBytes(StoredPicture::SendButton)));
  WriteProperty(controls::图形按钮1, kPicPressed, kWholeValue,
                ByteValue::Copy(StoredPictureBytes(StoredPicture::SendButtonPressed)));
  ASSERT_NE(button_->ChosenPicture(), nullptr);
  const QImage normal = Rendered(*button_);
  QTest::mousePress(button_, Qt::LeftButton, Qt::NoModifier, kInside);
  const QImage pressed = Rendered(*button_);
  QTest::mouseRelease(button_, Qt::LeftButton, Qt::NoModifier, kOutside);
  EXPECT_NE(normal, pressed);
}

}  // namespace
}  // namespace chatmock::testing_support
