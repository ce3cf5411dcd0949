// The picture button's looks follow the mouse, and a release inside posts
// one click after the normal look is back on screen.

#include <gtest/gtest.h>

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
constexpr PropertyIndex kPicPressed = 12;
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
