// An animated GIF in a picture box advances at its images' delays, loops,
// and stops the moment another picture replaces it.

#include <gtest/gtest.h>

#include <QAbstractEventDispatcher>
#include <QElapsedTimer>
#include <QTest>

#include "app/definition.h"
#include "app/properties.h"
#include "pictures/picture_box.h"
#include "tests/widget/picture_bytes.h"
#include "tests/widget/screen_pixels.h"
#include "tests/widget/window_fixture.h"

namespace chatmock::testing_support {
namespace {

constexpr PropertyIndex kPicture = 10;
constexpr PropertyIndex kPlayAnimation = 12;
constexpr int kSide = 8;
constexpr QRgb kRed = 0xFF0000, kBlue = 0x0000FF, kGreen = 0x00FF00;
const QRgb kPalette[] = {0xFFFFFFFF, 0xFFFF0000, 0xFF0000FF, 0xFF00FF00};
constexpr std::uint8_t kRedIndex = 1, kBlueIndex = 2;
// Generous: only an animation that never advances runs into it.
constexpr int kGiveUpMs = 3000;
// Timers have millisecond granularity; a delay is never cut shorter than this.
constexpr int kTimerSlackMs = 1;

Bytes TwoFrameGif(int delayCentiseconds) {
  const std::vector<std::uint8_t> red(kSide * kSide, kRedIndex), blue(kSide * kSide, kBlueIndex);
  const GifFrame frames[] = {{red, delayCentiseconds}, {blue, delayCentiseconds}};
  return GifBytes(kSide, kSide, kPalette, frames);
}

class GifAnimationDisplayTest : public WindowTest {
 protected:
  PictureBox& Box() { return KindOf<PictureBox>(controls::图片框4); }
  // On screen, so that a frame counts only once it has been painted.
  QRgb Shown() { return RgbAt(OnScreen(Box()), kSide / 2, kSide / 2); }

  void SetPicture(const Bytes& bytes) {
    WriteProperty(controls::图片框4, kPicture, kWholeValue, ByteValue::Copy(bytes));
  }

  // Runs the event loop until the shown colour is the given one; the
  // milliseconds it took, or -1 when it never came.
  qint64 WaitForColour(QRgb colour, const QElapsedTimer& since) {
    const bool came = QTest::qWaitFor([&] { return Shown() == colour; }, kGiveUpMs);
    return came ? since.elapsed() : -1;
  }
};

struct DelayCase {
  const char* label;
  int delayCentiseconds;
  int expectedMs;
  friend void PrintTo(const DelayCase& c, std::ostream* os) { *os << c.label; }
};

class GifDelayTest : public GifAnimationDisplayTest, public testing::WithParamInterface<DelayCase> {};

TEST_P(GifDelayTest, FirstImageStaysForItsDelayThenTheNextComesAndItLoops) {
  QElapsedTimer clock;
  clock.start();  // before the repaint that starts the animation
  SetPicture(TwoFrameGif(GetParam().delayCentiseconds));
  ProcessPendingEvents();
  ASSERT_TRUE(Box().IsAnimating());
  EXPECT_EQ(Shown(), kRed);
  const qint64 second = WaitForColour(kBlue, clock);
  ASSERT_GE(second, 0) << "the second image never came";
  EXPECT_GE(second, GetParam().expectedMs - kTimerSlackMs);
  EXPECT_GE(WaitForColour(kRed, clock), second) << "the animation does not loop";
  EXPECT_TRUE(Box().IsAnimating());
}

INSTANTIATE_TEST_SUITE_P(Delays, GifDelayTest,
                         testing::Values(DelayCase{"thirty_ms", 3, 30},
                                         DelayCase{"zero_means_fifty_ms", 0, 50}),
                         [](const testing::TestParamInfo<DelayCase>& info) {
                           return std::string(info.param.label);
                         });

TEST_F(GifAnimationDisplayTest, AnotherPictureStopsTheAnimationAtOnce) {
  SetPicture(TwoFrameGif(3));
  ProcessPendingEvents();
  ASSERT_TRUE(Box().IsAnimating());
  SetPicture(BmpBytes(SolidImage(kSide, kSide, QColor(kGreen))));
  EXPECT_FALSE(Box().IsAnimating());
  ProcessPendingEvents();
  EXPECT_EQ(Shown(), kGreen);
  QTest::qWait(100);
  EXPECT_FALSE(Box().IsAnimating());
  EXPECT_EQ(Shown(), kGreen) << "a frame of the old animation was drawn";
}

TEST_F(GifAnimationDisplayTest, NoBytesStopTheAnimation) {
  SetPicture(TwoFrameGif(3));
  ProcessPendingEvents();
  WriteProperty(controls::图片框4, kPicture, kWholeValue, ValueArg::NullBytes());
  EXPECT_FALSE(Box().IsAnimating());
  QTest::qWait(100);
  EXPECT_FALSE(Box().HasPicture());
}

TEST_F(GifAnimationDisplayTest, WithoutPlayAnimationTheFirstImageStaysStill) {
  WriteProperty(controls::图片框4, kPlayAnimation, kWholeValue, 0);
  SetPicture(TwoFrameGif(3));
  ProcessPendingEvents();
  EXPECT_FALSE(Box().IsAnimating());
  QTest::qWait(100);
  EXPECT_EQ(Shown(), kRed);
}

TEST_F(GifAnimationDisplayTest, ClosingTheWindowWhileAnimatingStopsCleanly) {
  SetPicture(TwoFrameGif(1));
  ProcessPendingEvents();
  ASSERT_TRUE(Box().IsAnimating());
  const QPointer<QWidget> box = &Box();
  Window().close();
  ProcessDeferredDeletes();
  ASSERT_TRUE(box.isNull());
  QTest::qWait(50);  // a timer left behind would fire into freed memory here
}

TEST_F(GifAnimationDisplayTest, IdleWindowRunsNoTimersInItsPictureBoxes) {
  QTest::qWait(100);
  QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
  for (PictureBox* box : Window().findChildren<PictureBox*>()) {
    SCOPED_TRACE(box->objectName().toStdString());
    EXPECT_FALSE(box->IsAnimating());
    EXPECT_TRUE(dispatcher->registeredTimers(box).isEmpty());
    for (QObject* child : box->findChildren<QObject*>(Qt::FindDirectChildrenOnly)) {
      EXPECT_TRUE(dispatcher->registeredTimers(child).isEmpty());
    }
  }
}

}  // namespace
}  // namespace chatmock::testing_support
