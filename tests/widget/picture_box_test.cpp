// A picture box shows the picture it is given, placed by its display mode,
// over its background; bytes that are no picture show the background alone.

#include <gtest/gtest.h>

#include <QPaintEvent>
#include <QPainter>
#include <QScreen>

#include <cstdlib>
#include <functional>

#include "app/definition.h"
#include "app/look.h"
#include "app/properties.h"
#include "pictures/picture_box.h"
#include "tests/widget/picture_bytes.h"
#include "tests/widget/screen_pixels.h"
#include "tests/widget/window_fixture.h"

namespace chatmock::testing_support {
namespace {

constexpr PropertyIndex kBackColor = 9;
constexpr PropertyIndex kPicture = 10;
constexpr PropertyIndex kDisplayMode = 11;
// JPEG and smoothing may move a channel by a few steps inside a flat area.
constexpr int kColourTolerance = 10;

const QColor kTopLeft(0xC0, 0x20, 0x20), kTopRight(0x20, 0x20, 0xC0), kBottomLeft(0x20, 0xA0, 0x20),
    kBottomRight(0x30, 0x30, 0x30);

bool CloseTo(QRgb actual, const QColor& expected) {
  return std::abs(qRed(actual) - expected.red()) <= kColourTolerance &&
         std::abs(qGreen(actual) - expected.green()) <= kColourTolerance &&
         std::abs(qBlue(actual) - expected.blue()) <= kColourTolerance;
}

// Counts the paint events the widget receives.
class PaintCounter : public QObject {
 public:
  int paints = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

class PictureBoxTest : public WindowTest {
 protected:
  PictureBox& Box(ControlRef ref) { return KindOf<PictureBox>(ref); }

  void SetBoxSize(ControlRef ref, QSize size) {
    WriteProperty(ref, common::kWidth, kWholeValue, size.width());
    WriteProperty(ref, common::kHeight, kWholeValue, size.height());
  }

  void SetPicture(ControlRef ref, const Bytes& bytes) {
    WriteProperty(ref, kPicture, kWholeValue, ByteValue::Copy(bytes));
  }

  // Every pixel of the image is the colour.
  static void ExpectAll(const QImage& image, QRgb colour) {
    int wrong = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) wrong += RgbAt(image, x, y) != colour ? 1 : 0;
    }
    EXPECT_EQ(wrong, 0) << "pixels other than " << std::hex << colour;
  }
};

enum class Encoding { Bmp, Jpeg };

struct ModeCase {
  const char* label;
  ControlRef box;
  QSize boxSize;  // empty: as stored
  int mode;       // -1: as stored
  QSize picture;
  Encoding encoding;
  QRect drawn;
  friend void PrintTo(const ModeCase& c, std::ostream* os) { *os << c.label; }
};

class DisplayModeTest : public PictureBoxTest, public testing::WithParamInterface<ModeCase> {};

TEST_P(DisplayModeTest, DrawsThePictureAtItsPlaceOverTheBackground) {
  const ModeCase& c = GetParam();
  if (!c.boxSize.isEmpty()) SetBoxSize(c.box, c.boxSize);
  if (c.mode >= 0) WriteProperty(c.box, kDisplayMode, kWholeValue, c.mode);
  const QImage source = QuartersImage(c.picture.width(), c.picture.height(), kTopLeft, kTopRight,
                                      kBottomLeft, kBottomRight);
  SetPicture(c.box, c.encoding == Encoding::Bmp ? BmpBytes(source) : JpegBytes(source));
  PictureBox& box = Box(c.box);
  ASSERT_TRUE(box.HasPicture());
  EXPECT_EQ(box.PictureRect(), c.drawn);

  const QImage shown = Rendered(box);
  const QRect r = c.drawn;
  const int qx = r.width() / 4, qy = r.height() / 4;
  EXPECT_TRUE(CloseTo(shown.pixel(r.left() + qx, r.top() + qy), kTopLeft));
  EXPECT_TRUE(CloseTo(shown.pixel(r.right() - qx, r.top() + qy), kTopRight));
  EXPECT_TRUE(CloseTo(shown.pixel(r.left() + qx, r.bottom() - qy), kBottomLeft));
  EXPECT_TRUE(CloseTo(shown.pixel(r.right() - qx, r.bottom() - qy), kBottomRight));
  // Just outside the picture, where the box has room: the background.
  const QRgb background = RgbOf(ButtonFaceColor());
  const QPoint centre = r.center();
  if (r.top() > 0) {
    EXPECT_EQ(RgbAt(shown, centre.x(), r.top() - 1), background);
  }
  if (r.bottom() < shown.height() - 1) {
    EXPECT_EQ(RgbAt(shown, centre.x(), r.bottom() + 1), background);
  }
  if (r.left() > 0) {
    EXPECT_EQ(RgbAt(shown, r.left() - 1, centre.y()), background);
  }
  if (r.right() < shown.width() - 1) {
    EXPECT_EQ(RgbAt(shown, r.right() + 1, centre.y()), background);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Modes, DisplayModeTest,
    testing::Values(
        ModeCase{"wide_shrunk_and_centred", controls::图片框4, {100, 100}, 2, {200, 100}, Encoding::Bmp,
                 {0, 25, 100, 50}},
        ModeCase{"wide_jpeg_shrunk_and_centred", controls::图片框4, {100, 100}, 2, {200, 100},
                 Encoding::Jpeg, {0, 25, 100, 50}},
        ModeCase{"small_centred", controls::图片框4, {100, 100}, 2, {50, 40}, Encoding::Bmp, {25, 30, 50, 40}},
        ModeCase{"avatar_stretched", controls::图片框2, {}, -1, {50, 50}, Encoding::Bmp, {0, 0, 64, 63}},
        ModeCase{"avatar_stretched_from_jpeg", controls::图片框2, {}, -1, {50, 50}, Encoding::Jpeg,
                 {0, 0, 64, 63}},
        ModeCase{"show_figure_top_left", controls::图片框3, {}, -1, {100, 100}, Encoding::Bmp,
                 {0, 0, 100, 100}}),
    [](const testing::TestParamInfo<ModeCase>& info) { return std::string(info.param.label); });

TEST_F(PictureBoxTest, TopLeftModeShowsTheTopLeftOfALargerPicture) {
  SetPicture(controls::图片框3, BmpBytes(CoordinateImage(200, 400)));
  PictureBox& box = Box(controls::图片框3);
  ASSERT_EQ(box.size(), QSize(143, 228));
  EXPECT_EQ(box.PictureRect(), QRect(0, 0, 200, 400));
  const QImage shown = Rendered(box);
  int wrong = 0;
  for (int y = 0; y < 228; ++y) {
    for (int x = 0; x < 143; ++x) wrong += RgbAt(shown, x, y) != (CoordinateColour(x, y) & 0xFFFFFFu);
  }
  EXPECT_EQ(wrong, 0);
  EXPECT_EQ(RgbAt(shown, 142, 227), CoordinateColour(142, 227) & 0xFFFFFFu);
}

TEST_F(PictureBoxTest, SmallerPictureLeavesButtonFaceRightAndBelow) {
  SetPicture(controls::图片框3, BmpBytes(CoordinateImage(100, 100)));
  const QImage shown = Rendered(Box(controls::图片框3));
  ExpectAll(shown.copy(100, 0, 43, 228), RgbOf(ButtonFaceColor()));
  ExpectAll(shown.copy(0, 100, 143, 128), RgbOf(ButtonFaceColor()));
  EXPECT_EQ(RgbAt(shown, 99, 99), CoordinateColour(99, 99) & 0xFFFFFFu);
  EXPECT_EQ(RgbAt(shown, 0, 0), CoordinateColour(0, 0) & 0xFFFFFFu);
}

TEST_F(PictureBoxTest, NoBytesClearToTheBackground) {
  SetPicture(controls::图片框3, BmpBytes(SolidImage(50, 50, Qt::red)));
  WriteProperty(controls::图片框3, kPicture, kWholeValue, ValueArg::NullBytes());
  EXPECT_FALSE(Box(controls::图片框3).HasPicture());
  EXPECT_TRUE(Box(controls::图片框3).PictureRect().isEmpty());
  ExpectAll(Rendered(Box(controls::图片框3)), RgbOf(ButtonFaceColor()));
}

TEST_F(PictureBoxTest, PngIsNoPicture) {
  SetPicture(controls::图片框3, BmpBytes(SolidImage(50, 50, Qt::red)));
  const Bytes png = PngBytes(SolidImage(50, 50, Qt::blue));
  SetPicture(controls::图片框3, png);
  EXPECT_FALSE(Box(controls::图片框3).HasPicture());
  ExpectAll(Rendered(Box(controls::图片框3)), RgbOf(ButtonFaceColor()));
  const ByteValue read = ReadProperty(controls::图片框3, kPicture, kWholeValue).TakeBytes();
  EXPECT_EQ(Bytes(read.Bytes().begin(), read.Bytes().end()), png);
}

TEST_F(PictureBoxTest, DamagedBytesAreNoPicture) {
  Bytes bmp = BmpBytes(SolidImage(50, 50, Qt::red));
  bmp.resize(60);
  SetPicture(controls::图片框3, bmp);
  EXPECT_FALSE(Box(controls::图片框3).HasPicture());
  SetPicture(controls::图片框3, Bytes{'B', 'M', 0, 0});
  EXPECT_FALSE(Box(controls::图片框3).HasPicture());
  ExpectAll(Rendered(Box(controls::图片框3)), RgbOf(ButtonFaceColor()));
}

TEST_F(PictureBoxTest, IconIsDrawnWithItsMaskOverTheBackground) {
  WriteProperty(controls::图片框4, kBackColor, kWholeValue, 0x00FF0000);  // blue
  QImage icon(16, 16, QImage::Format_ARGB32);
  icon.fill(Qt::transparent);
  QPainter(&icon).fillRect(0, 0, 8, 16, QColor(0xC0, 0x20, 0x20));
  SetPicture(controls::图片框4, IconBytes(icon));
  ASSERT_TRUE(Box(controls::图片框4).HasPicture());
  const QImage shown = Rendered(Box(controls::图片框4));
  EXPECT_EQ(RgbAt(shown, 3, 8), 0xC02020u);
  EXPECT_EQ(RgbAt(shown, 12, 8), 0x0000FFu) << "the masked half shows the background";
  EXPECT_EQ(RgbAt(shown, 30, 30), 0x0000FFu);
}

// The offscreen screen is 32 bits deep: a stretched picture is averaged,
// so between a black and a white pixel there are greys.
TEST_F(PictureBoxTest, StretchingSmoothsOnADeepDisplay) {
  ASSERT_GT(Box(controls::图片框2).screen()->depth(), 16);
  SetPicture(controls::图片框2, BmpBytes(HalvesImage(2, 1, Qt::black, Qt::white)));
  const QImage shown = Rendered(Box(controls::图片框2));
  int greys = 0;
  for (int x = 0; x < shown.width(); ++x) {
    const int level = qRed(shown.pixel(x, 30));
    greys += level > 0x20 && level < 0xE0 ? 1 : 0;
  }
  EXPECT_GT(greys, 4);
  EXPECT_LT(qRed(shown.pixel(0, 30)), 0x40);
  EXPECT_GT(qRed(shown.pixel(63, 30)), 0xC0);
}

TEST_F(PictureBoxTest, BoxWithItsOwnBackgroundShowsIt) {
  ExpectAll(Rendered(Box(controls::图片框5)), 0xFFFFFFu);
}

struct DeferredWrite {
  const char* label;
  std::function<void()> write;
  QRgb shownAtCentre;
  friend void PrintTo(const DeferredWrite& c, std::ostream* os) { *os << c.label; }
};

class DeferredRepaintTest : public PictureBoxTest, public testing::WithParamInterface<DeferredWrite> {};

// A write marks the box for repainting: nothing is drawn inside the call,
// and the next repaint shows the new state on screen.
TEST_P(DeferredRepaintTest, WriteMarksTheBoxAndTheNextRepaintShowsIt) {
  PictureBox& box = Box(controls::图片框4);
  SetPicture(controls::图片框4, BmpBytes(SolidImage(20, 20, Qt::red)));
  ProcessPendingEvents();
  PaintCounter counter;
  box.installEventFilter(&counter);
  GetParam().write();
  EXPECT_EQ(counter.paints, 0);
  ProcessPendingEvents();
  box.removeEventFilter(&counter);
  EXPECT_GE(counter.paints, 1);
  const QImage shown = OnScreen(box);
  EXPECT_EQ(RgbAt(shown, box.width() / 2, box.height() / 2), GetParam().shownAtCentre);
}

INSTANTIATE_TEST_SUITE_P(
    Writes, DeferredRepaintTest,
    testing::Values(
        DeferredWrite{"picture",
                      [] {
                        WriteProperty(controls::图片框4, kPicture, kWholeValue,
                                      ByteValue::Copy(BmpBytes(SolidImage(140, 142, Qt::blue))));
                      },
                      0x0000FFu},
        DeferredWrite{"display_mode",
                      [] { WriteProperty(controls::图片框4, kDisplayMode, kWholeValue, 1); }, 0xFF0000u},
        DeferredWrite{"back_colour",
                      [] { WriteProperty(controls::图片框4, kBackColor, kWholeValue, 0x0000FF00); },
                      0x00FF00u}),
    [](const testing::TestParamInfo<DeferredWrite>& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace chatmock::testing_support
