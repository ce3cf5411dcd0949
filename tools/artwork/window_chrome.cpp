#include "tools/artwork/window_chrome.h"

#include <QPainter>
#include <array>

#include "tools/artwork/frame_layout.h"
#include "tools/artwork/pixel_shapes.h"
#include "tools/artwork/theme.h"

namespace chatmock {
namespace {

// Rows of the header, top to bottom. The band behind the signature line
// must be pure white so the program's white strip leaves no seam.
constexpr int kTitleFadeEnd = layout::kSignatureStrip.top();
constexpr int kWhiteBandEnd = layout::kSignatureStrip.bottom() + 2;
constexpr int kHeaderEnd = layout::kPeerFigure.top() - 1;

// Corner art, top-left orientation: x outside, # outline, + outline half
// over outside, o outline half over the inside.
constexpr std::array<const char *, 6> kTopCorner = {
    "xxx+##", "x+#o  ", "x#o   ", "+#    ", "#o    ", "#     ",
};
constexpr std::array<const char *, 3> kBottomCorner = {
    "x+#",
    "+o ",
    "#  ",
};

constexpr int kButtonHeight = 19;
constexpr int kMinimiseWidth = 24;
constexpr int kMaximiseWidth = 24;
constexpr int kCloseWidth = 32;
constexpr int kButtonsRightInset = 4;

// Soft white sweeps at the right of the header give the chrome some
// gloss; over the white band they vanish, so it stays pure white.
void paintHeaderGloss(QPainter &painter, int width) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setClipRect(QRect(0, 1, width, kHeaderEnd - 1));
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(255, 255, 255, 70));
  painter.drawEllipse(QPointF(width - 40, -30), 150, 62);
  painter.setBrush(QColor(255, 255, 255, 90));
  painter.drawEllipse(QPointF(width + 10, 70), 120, 40);
  painter.restore();
}

void paintHeader(QPainter &painter, int width) {
  verticalGradient(painter, QRect(0, 0, width, kTitleFadeEnd), theme::kTitleTop, theme::kWhite);
  painter.fillRect(QRect(0, kTitleFadeEnd, width, kWhiteBandEnd - kTitleFadeEnd), theme::kWhite);
  verticalGradient(painter, QRect(0, kWhiteBandEnd, width, kHeaderEnd - kWhiteBandEnd),
                   theme::kWhite, theme::kToolRowBottom);
  paintHeaderGloss(painter, width);
  horizontalLine(painter, 0, kHeaderEnd, width, theme::kHeaderSeparator);
}

template <std::size_t Rows>
void paintCorner(QPainter &painter, const std::array<const char *, Rows> &art, QPoint origin,
                 int stepX, int stepY) {
  QColor outlineHalf = theme::kWindowOutline;
  outlineHalf.setAlpha(128);
  for (std::size_t row = 0; row < Rows; ++row) {
    for (int col = 0; art[row][col] != '\0'; ++col) {
      const QRect pixel(origin.x() + col * stepX, origin.y() + static_cast<int>(row) * stepY, 1, 1);
      switch (art[row][col]) {
        case 'x':
          painter.fillRect(pixel, theme::kButtonFace);
          break;
        case '#':
          painter.fillRect(pixel, theme::kWindowOutline);
          break;
        case '+':
          painter.fillRect(pixel, theme::kButtonFace);
          painter.fillRect(pixel, outlineHalf);
          break;
        case 'o':
          painter.fillRect(pixel, outlineHalf);
          break;
        default:
          break;
      }
    }
  }
}

void paintInnerGlow(QPainter &painter, QSize frame) {
  QColor glow = theme::kWindowInnerGlow;
  glow.setAlpha(170);
  horizontalLine(painter, 5, 1, frame.width() - 10, glow);
  verticalLine(painter, 1, 6, kTitleFadeEnd - 6, glow);
  verticalLine(painter, frame.width() - 2, 6, kTitleFadeEnd - 6, glow);
}

// The three glyphs, drawn pixel by pixel in a dark blue with a white
// emboss one pixel below.
void paintMinimiseGlyph(QPainter &painter, QPoint centre, const QColor &colour) {
  painter.fillRect(QRect(centre.x() - 4, centre.y() + 2, 8, 2), colour);
}

void paintMaximiseGlyph(QPainter &painter, QPoint centre, const QColor &colour) {
  const QRect box(centre.x() - 4, centre.y() - 4, 9, 8);
  frameRect(painter, box, colour);
  horizontalLine(painter, box.left(), box.top() + 1, box.width(), colour);
}

void paintCloseGlyph(QPainter &painter, QPoint centre, const QColor &colour) {
  constexpr int kArm = 3;
  for (int d = -kArm; d <= kArm; ++d) {
    painter.fillRect(QRect(centre.x() + d, centre.y() + d, 2, 1), colour);
    painter.fillRect(QRect(centre.x() - d, centre.y() + d, 2, 1), colour);
  }
}

using GlyphPainter = void (*)(QPainter &, QPoint, const QColor &);

void paintEmbossedGlyph(QPainter &painter, GlyphPainter glyph, QPoint centre, const QColor &ink) {
  glyph(painter, centre + QPoint(0, 1), theme::kWhite);
  glyph(painter, centre, ink);
}

void paintButtonFace(QPainter &painter, const QRect &box, const QColor &top, const QColor &bottom) {
  verticalGradient(painter, box, top, bottom);
  QColor shine = theme::kWhite;
  shine.setAlpha(140);
  horizontalLine(painter, box.left(), box.top(), box.width(), shine);
}

}  // namespace

void paintWindowBackground(QPainter &painter, QSize frame) {
  painter.fillRect(QRect(QPoint(0, 0), frame), theme::kButtonFace);
  paintHeader(painter, frame.width());
  verticalGradient(painter,
                   QRect(0, kHeaderEnd + 1, frame.width(), frame.height() - kHeaderEnd - 1),
                   theme::kBodyTop, theme::kBodyBottom);
}

void paintWindowOutline(QPainter &painter, QSize frame) {
  const int right = frame.width() - 1;
  const int bottom = frame.height() - 1;
  paintInnerGlow(painter, frame);
  horizontalLine(painter, 0, 0, frame.width(), theme::kWindowOutline);
  horizontalLine(painter, 0, bottom, frame.width(), theme::kWindowOutline);
  verticalLine(painter, 0, 0, frame.height(), theme::kWindowOutline);
  verticalLine(painter, right, 0, frame.height(), theme::kWindowOutline);
  paintCorner(painter, kTopCorner, QPoint(0, 0), 1, 1);
  paintCorner(painter, kTopCorner, QPoint(right, 0), -1, 1);
  paintCorner(painter, kBottomCorner, QPoint(0, bottom), 1, -1);
  paintCorner(painter, kBottomCorner, QPoint(right, bottom), -1, -1);
}

void paintWindowButtons(QPainter &painter, QSize frame) {
  const int right = frame.width() - 1 - kButtonsRightInset;
  const QRect close(right - kCloseWidth + 1, 1, kCloseWidth, kButtonHeight);
  const QRect maximise(close.left() - kMaximiseWidth, 1, kMaximiseWidth, kButtonHeight);
  const QRect minimise(maximise.left() - kMinimiseWidth, 1, kMinimiseWidth, kButtonHeight);
  const QRect group(minimise.left(), 0, close.right() - minimise.left() + 1, kButtonHeight + 1);

  paintButtonFace(painter, minimise, QColor(0xF4, 0xFA, 0xFF), QColor(0xC9, 0xE3, 0xF8));
  paintButtonFace(painter, maximise, QColor(0xF4, 0xFA, 0xFF), QColor(0xC9, 0xE3, 0xF8));
  paintButtonFace(painter, close, QColor(0xF6, 0xC4, 0xB8), QColor(0xD8, 0x5A, 0x42));
  roundedFrame(painter, group.adjusted(0, -1, 0, 0), theme::kWindowOutline, theme::kTitleTop);
  verticalLine(painter, maximise.left(), 1, kButtonHeight, QColor(0x8E, 0xB5, 0xDC));
  verticalLine(painter, close.left(), 1, kButtonHeight, theme::kWindowOutline);

  const QColor ink = theme::kGlyphDark;
  paintEmbossedGlyph(painter, paintMinimiseGlyph, minimise.center(), ink);
  paintEmbossedGlyph(painter, paintMaximiseGlyph, maximise.center(), ink);
  paintCloseGlyph(painter, close.center() + QPoint(0, 1), QColor(0x8A, 0x22, 0x10));
  paintCloseGlyph(painter, close.center(), theme::kWhite);
}

}  // namespace chatmock
