#include "tools/artwork/format_toolbar.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "tools/artwork/crisp_text.h"
#include "tools/artwork/frame_layout.h"
#include "tools/artwork/pixel_shapes.h"
#include "tools/artwork/smooth_scope.h"
#include "tools/artwork/theme.h"
#include "tools/artwork/tool_glyphs.h"

namespace chatmock {
namespace {

constexpr int kGlyphSize = 16;
constexpr int kSlotWidth = 25;
constexpr int kFirstLeft = layout::kFormatToolbar.left() + 4;
constexpr int kHistoryRightInset = 4;
constexpr int kHistoryIconGap = 3;
constexpr int kHistoryArrowGap = 4;

const QString kHistoryLabel = QString::fromUtf8("消息记录");

// The font tool: a blue A over a colour bar.
void paintFontGlyph(QPainter &painter, QPoint origin) {
  {
    SmoothScope scope(painter, origin);
    QPainterPath letter;
    letter.moveTo(2.0, 12.5);
    letter.lineTo(7.0, 1.0);
    letter.lineTo(9.0, 1.0);
    letter.lineTo(14.0, 12.5);
    letter.lineTo(11.6, 12.5);
    letter.lineTo(10.3, 9.3);
    letter.lineTo(5.7, 9.3);
    letter.lineTo(4.4, 12.5);
    letter.closeSubpath();
    QPainterPath hole;
    hole.moveTo(6.4, 7.4);
    hole.lineTo(9.6, 7.4);
    hole.lineTo(8.0, 3.4);
    hole.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x1D, 0x5F, 0xC2));
    painter.drawPath(letter.subtracted(hole));
  }
  const QColor bar[] = {QColor(0xE8, 0x3A, 0x2E), QColor(0xF6, 0xC3, 0x1C),
                        QColor(0x3C, 0xB0, 0x3A), QColor(0x2E, 0x7B, 0xE0)};
  for (int i = 0; i < 4; ++i) {
    painter.fillRect(
        QRect(origin.x() + 1 + i * 3 + (i > 0 ? 1 : 0), origin.y() + 14, i == 0 ? 4 : 3, 2),
        bar[i]);
  }
}

// The emoticon tool: a round yellow face.
void paintSmileGlyph(QPainter &painter, QPoint origin) {
  SmoothScope scope(painter, origin);
  QRadialGradient face(QPointF(6.0, 5.0), 9.0);
  face.setColorAt(0, QColor(0xFF, 0xF4, 0x9A));
  face.setColorAt(1, QColor(0xF7, 0xB9, 0x17));
  painter.setPen(QPen(QColor(0xB0, 0x74, 0x0A), 1.0));
  painter.setBrush(face);
  painter.drawEllipse(QRectF(1.5, 1.5, 13, 13));
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0x5A, 0x32, 0x05));
  painter.drawEllipse(QPointF(5.6, 6.3), 1.1, 1.5);
  painter.drawEllipse(QPointF(10.4, 6.3), 1.1, 1.5);
  QPainterPath smile;
  smile.moveTo(4.5, 9.5);
  smile.quadTo(8.0, 13.2, 11.5, 9.5);
  painter.setPen(QPen(QColor(0x5A, 0x32, 0x05), 1.2, Qt::SolidLine, Qt::RoundCap));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(smile);
}

// The shake tool: a small window with motion marks either side.
void paintShakeGlyph(QPainter &painter, QPoint origin) {
  const QColor edge{0x2F, 0x5F, 0x9E};
  const QRect window(origin + QPoint(4, 3), QSize(8, 10));
  frameRect(painter, window, edge);
  painter.fillRect(QRect(window.left() + 1, window.top() + 1, 6, 2), QColor(0x4E, 0x97, 0xE8));
  painter.fillRect(window.adjusted(1, 3, -1, -1), theme::kWhite);
  for (int side : {0, 1}) {
    const int x = side == 0 ? origin.x() + 1 : origin.x() + 14;
    verticalLine(painter, x, origin.y() + 5, 6, QColor(0xE0, 0x6A, 0x2A));
    const int outer = side == 0 ? x - 1 : x + 1;
    verticalLine(painter, outer, origin.y() + 6, 4, QColor(0xF0, 0xA0, 0x60));
  }
}

// The picture tool: a framed landscape with a sun.
void paintPictureGlyph(QPainter &painter, QPoint origin) {
  const QRect frame(origin + QPoint(1, 2), QSize(14, 12));
  frameRect(painter, frame, QColor(0x5C, 0x6E, 0x84));
  verticalGradient(painter, frame.adjusted(1, 1, -1, -1), QColor(0xA8, 0xDA, 0xFF),
                   QColor(0xE4, 0xF4, 0xFF));
  SmoothScope scope(painter, origin);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0xFF, 0xB4, 0x1E));
  painter.drawEllipse(QPointF(11.0, 6.0), 1.8, 1.8);
  QPainterPath hills;
  hills.moveTo(2.0, 13.0);
  hills.lineTo(6.0, 7.5);
  hills.lineTo(9.0, 11.0);
  hills.lineTo(10.5, 9.5);
  hills.lineTo(14.0, 13.0);
  hills.closeSubpath();
  painter.setBrush(QColor(0x3C, 0xA0, 0x38));
  painter.drawPath(hills);
}

// The screen capture tool: a pair of scissors.
void paintScissorsGlyph(QPainter &painter, QPoint origin) {
  SmoothScope scope(painter, origin);
  painter.setPen(QPen(QColor(0x6B, 0x78, 0x88), 1.6, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(QPointF(5.0, 10.0), QPointF(12.5, 1.5));
  painter.drawLine(QPointF(11.0, 10.0), QPointF(3.5, 1.5));
  painter.setPen(QPen(QColor(0xD2, 0x3B, 0x2B), 1.6));
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(QPointF(4.0, 12.2), 2.4, 2.4);
  painter.drawEllipse(QPointF(12.0, 12.2), 2.4, 2.4);
}

// The voice message tool: a microphone on a stand.
void paintMicrophoneGlyph(QPainter &painter, QPoint origin) {
  SmoothScope scope(painter, origin);
  QLinearGradient body(6, 0, 11, 0);
  body.setColorAt(0, QColor(0x8E, 0xA4, 0xBC));
  body.setColorAt(0.45, QColor(0xF4, 0xF8, 0xFC));
  body.setColorAt(1, QColor(0x6E, 0x84, 0x9E));
  painter.setPen(QPen(QColor(0x3E, 0x4E, 0x62), 1.0));
  painter.setBrush(body);
  painter.drawRoundedRect(QRectF(6.5, 0.5, 4, 9), 2, 2);
  painter.setBrush(Qt::NoBrush);
  QPainterPath cradle;
  cradle.moveTo(4.5, 6.5);
  cradle.cubicTo(4.5, 12.0, 12.5, 12.0, 12.5, 6.5);
  painter.drawPath(cradle);
  painter.drawLine(QPointF(8.5, 11.5), QPointF(8.5, 14.5));
  painter.drawLine(QPointF(5.5, 14.5), QPointF(11.5, 14.5));
}

// The history entry's icon: a small page with a clock corner.
void paintHistoryGlyph(QPainter &painter, QPoint origin) {
  const QColor edge{0x58, 0x7C, 0xA8};
  const QRect page(origin + QPoint(1, 1), QSize(11, 14));
  frameRect(painter, page, edge);
  painter.fillRect(page.adjusted(1, 1, -1, -1), theme::kWhite);
  for (int row = 0; row < 4; ++row) {
    horizontalLine(painter, page.left() + 2, page.top() + 3 + row * 2, row == 3 ? 4 : 7,
                   QColor(0x9D, 0xB5, 0xD2));
  }
  SmoothScope scope(painter, origin);
  painter.setPen(QPen(QColor(0x2C, 0x73, 0xC9), 1.0));
  painter.setBrush(QColor(0xFF, 0xFF, 0xFF));
  painter.drawEllipse(QPointF(11.5, 11.5), 3.8, 3.8);
  painter.drawLine(QPointF(11.5, 11.5), QPointF(11.5, 9.0));
  painter.drawLine(QPointF(11.5, 11.5), QPointF(13.3, 11.5));
}

void paintHistoryEntry(QPainter &painter, const QRect &bar) {
  const QFont font = songFont(kLabelPixels);
  const int labelWidth = textWidth(font, kHistoryLabel);
  const int arrowLeft = bar.right() - kHistoryRightInset - 4;
  const int labelLeft = arrowLeft - kHistoryArrowGap - labelWidth;
  const int iconLeft = labelLeft - kHistoryIconGap - kGlyphSize;
  const int glyphTop = bar.top() + (bar.height() - kGlyphSize) / 2;
  paintHistoryGlyph(painter, QPoint(iconLeft, glyphTop));
  drawTextIn(painter, QRect(labelLeft, bar.top(), labelWidth + 2, bar.height()), kHistoryLabel,
             theme::kText, font);
  paintMenuArrow(painter, QPoint(arrowLeft, bar.top() + bar.height() / 2 - 1), theme::kGlyphDark);
}

}  // namespace

void paintFormatToolbar(QPainter &painter) {
  using Glyph = void (*)(QPainter &, QPoint);
  const Glyph glyphs[] = {paintFontGlyph,       paintSmileGlyph,   paintShakeGlyph,
                          paintMicrophoneGlyph, paintPictureGlyph, paintScissorsGlyph};
  const QRect bar = layout::kFormatToolbar;
  const int top = bar.top() + (bar.height() - kGlyphSize) / 2;
  int left = kFirstLeft;
  for (Glyph glyph : glyphs) {
    glyph(painter, QPoint(left, top));
    left += kSlotWidth;
  }
  paintHistoryEntry(painter, bar);
}

}  // namespace chatmock
