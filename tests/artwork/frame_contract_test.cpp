// The program lays its own controls over fixed places of the stored chat
// frame. These checks decode the committed frame and make sure what lies
// under each control lets it blend in: white where white boxes go, a
// blank light title where captions are drawn, and a send button that
// matches its own pictures.

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QRect>
#include <cstdlib>
#include <string>

#include "tests/artwork/asset_files.h"

namespace chatmock::testing {
namespace {

// Brightness is judged on luma alone: JPEG keeps it at full resolution,
// while 4:2:0 colour lets a border's tint bleed into the white pixel that
// shares its colour sample. A stray line inside a white box still drops
// luma far below this floor.
constexpr int kWhiteFloor = 246;
// Black caption text must stand out from the title area.
constexpr int kLightFloor = 170;
// The frame line around a white box must be visibly darker than it.
constexpr int kFrameLineCeiling = 225;
constexpr double kMatchingPictureTolerance = 4.0;

QImage asset(const char *name) {
  QImage image(QString::fromStdString(assetPath(name)));
  return image.convertToFormat(QImage::Format_RGB32);
}

// Rec. 601 luma, the brightness JPEG itself stores.
int luma(QRgb pixel) {
  return (299 * qRed(pixel) + 587 * qGreen(pixel) + 114 * qBlue(pixel) + 500) / 1000;
}

// The extreme luma found, and where.
struct Extreme {
  int value;
  QPoint at;
};

Extreme darkestIn(const QImage &image, const QRect &box) {
  Extreme found{256, {}};
  for (int y = box.top(); y <= box.bottom(); ++y) {
    for (int x = box.left(); x <= box.right(); ++x) {
      const int value = luma(image.pixel(x, y));
      if (value < found.value) found = {value, {x, y}};
    }
  }
  return found;
}

Extreme brightestOnRing(const QImage &image, const QRect &ring) {
  Extreme found{-1, {}};
  const auto visit = [&](int x, int y) {
    const int value = luma(image.pixel(x, y));
    if (value > found.value) found = {value, {x, y}};
  };
  for (int x = ring.left() + 1; x < ring.right(); ++x) {
    visit(x, ring.top());
    visit(x, ring.bottom());
  }
  for (int y = ring.top() + 1; y < ring.bottom(); ++y) {
    visit(ring.left(), y);
    visit(ring.right(), y);
  }
  return found;
}

class FrameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    frame_ = asset("chat_frame.jpg");
    ASSERT_EQ(frame_.size(), QSize(543, 510));
  }
  QImage frame_;
};

struct WhiteArea {
  const char *label;
  QRect box;
};

class FrameWhiteAreaTest : public FrameTest, public ::testing::WithParamInterface<WhiteArea> {};

TEST_P(FrameWhiteAreaTest, IsWhite) {
  const Extreme darkest = darkestIn(frame_, GetParam().box);
  EXPECT_GE(darkest.value, kWhiteFloor) << "at " << darkest.at.x() << "," << darkest.at.y();
}

INSTANTIATE_TEST_SUITE_P(UnderControls, FrameWhiteAreaTest,
                         ::testing::Values(WhiteArea{"transcript", QRect(10, 109, 381, 249)},
                                           WhiteArea{"typing_area", QRect(5, 384, 374, 93)},
                                           // Around the signature strip (121, 24, 377, 16): the
                                           // strip's edges must meet white on every side.
                                           WhiteArea{"left_of_strip", QRect(119, 24, 2, 16)},
                                           WhiteArea{"right_of_strip", QRect(498, 24, 6, 16)},
                                           WhiteArea{"above_strip", QRect(121, 23, 377, 1)},
                                           WhiteArea{"below_strip", QRect(121, 40, 377, 1)}),
                         [](const auto &info) { return std::string(info.param.label); });

class FrameLineTest : public FrameTest, public ::testing::WithParamInterface<WhiteArea> {};

TEST_P(FrameLineTest, SurroundsTheWhiteBox) {
  const Extreme brightest = brightestOnRing(frame_, GetParam().box.adjusted(-1, -1, 1, 1));
  EXPECT_LE(brightest.value, kFrameLineCeiling)
      << "at " << brightest.at.x() << "," << brightest.at.y();
}

INSTANTIATE_TEST_SUITE_P(RichTextBoxes, FrameLineTest,
                         ::testing::Values(WhiteArea{"transcript", QRect(10, 109, 381, 249)},
                                           WhiteArea{"typing_area", QRect(5, 384, 374, 93)}),
                         [](const auto &info) { return std::string(info.param.label); });

TEST_F(FrameTest, TitleAreaIsBlankAndLightForTheNickname) {
  const Extreme darkest = darkestIn(frame_, QRect(80, 3, 324, 20));
  EXPECT_GE(darkest.value, kLightFloor) << "at " << darkest.at.x() << "," << darkest.at.y();
}

double meanDifference(const QImage &a, QPoint aOrigin, const QImage &b, QSize size) {
  long total = 0;
  for (int y = 0; y < size.height(); ++y) {
    for (int x = 0; x < size.width(); ++x) {
      const QRgb p = a.pixel(aOrigin + QPoint(x, y));
      const QRgb q = b.pixel(x, y);
      total += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
               std::abs(qBlue(p) - qBlue(q));
    }
  }
  return static_cast<double>(total) / (3.0 * size.width() * size.height());
}

TEST_F(FrameTest, PaintedSendButtonMatchesTheButtonPicture) {
  const QImage button = asset("send_button.jpg");
  ASSERT_EQ(button.size(), QSize(82, 23));
  EXPECT_LT(meanDifference(frame_, QPoint(308, 481), button, QSize(81, 22)),
            kMatchingPictureTolerance);
}

TEST_F(FrameTest, PressedButtonDiffersVisiblyFromTheNormalOne) {
  const QImage pressed = asset("send_button_pressed.jpg");
  ASSERT_EQ(pressed.size(), QSize(87, 28));
  EXPECT_GT(meanDifference(frame_, QPoint(308, 481), pressed, QSize(81, 22)),
            kMatchingPictureTolerance);
}

}  // namespace
}  // namespace chatmock::testing
