// A transparent label has no background of its own: a new caption must
// leave on screen exactly what lies beneath it, with no trace of the old one.

#include <gtest/gtest.h>

#include <QFontMetrics>

#include "app/definition.h"
#include "app/properties.h"
#include "tests/widget/screen_pixels.h"
#include "tests/widget/window_fixture.h"

namespace chatmock::testing_support {
namespace {

constexpr PropertyIndex kCaption = 8;
// Glyphs may reach a pixel or two past their advance.
constexpr int kGlyphOverhang = 3;

// Columns in which the two pictures differ, from the given column on.
int DifferingPixels(const QImage& a, const QImage& b, int fromColumn) {
  int differing = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = fromColumn; x < a.width(); ++x) differing += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
  }
  return differing;
}

struct RepaintCase {
  const char* label;
  ControlRef control;
  friend void PrintTo(const RepaintCase& c, std::ostream* os) { *os << c.label; }
};

class CaptionRepaintTest : public WindowTest, public testing::WithParamInterface<RepaintCase> {};

TEST_P(CaptionRepaintTest, ShortCaptionAfterALongOneLeavesOnlyWhatLiesBeneath) {
  const ControlRef label = GetParam().control;
  QWidget& widget = WidgetOf(label);
  const char* longCaption =  // 点击编辑个性签名, three times over
      "\xB5\xE3\xBB\xF7\xB1\xE0\xBC\xAD\xB8\xF6\xD0\xD4\xC7\xA9\xC3\xFB"
      "\xB5\xE3\xBB\xF7\xB1\xE0\xBC\xAD\xB8\xF6\xD0\xD4\xC7\xA9\xC3\xFB"
      "\xB5\xE3\xBB\xF7\xB1\xE0\xBC\xAD\xB8\xF6\xD0\xD4\xC7\xA9\xC3\xFB";
  WriteProperty(label, kCaption, kWholeValue, longCaption);
  ProcessPendingEvents();
  const QImage withLong = OnScreen(widget);

  WriteProperty(label, kCaption, kWholeValue, "ab");
  ProcessPendingEvents();
  const QImage withShort = OnScreen(widget);

  const QRect area(widget.mapTo(&Window(), QPoint(0, 0)), widget.size());
  WriteProperty(label, common::kVisible, kWholeValue, 0);
  ProcessPendingEvents();
  const QImage beneath = OnScreen(Window(), area);

  const int shortWidth = QFontMetrics(widget.font()).horizontalAdvance(QStringLiteral("ab")) + kGlyphOverhang;
  ASSERT_LT(shortWidth, widget.width() / 2);
  ASSERT_GT(DifferingPixels(withLong, beneath, shortWidth), 0) << "the long caption was never shown";
  EXPECT_EQ(DifferingPixels(withShort, beneath, shortWidth), 0);
  EXPECT_GT(DifferingPixels(withShort, beneath, 0), 0) << "the short caption is not shown";
}

INSTANTIATE_TEST_SUITE_P(Labels, CaptionRepaintTest,
                         testing::Values(RepaintCase{"signature_over_frame", controls::透明标签1},
                                         RepaintCase{"nickname_over_frame", controls::透明标签6},
                                         RepaintCase{"on_the_window", controls::透明标签3}),
                         [](const testing::TestParamInfo<RepaintCase>& info) {
                           return std::string(info.param.label);
                         });

}  // namespace
}  // namespace chatmock::testing_support
