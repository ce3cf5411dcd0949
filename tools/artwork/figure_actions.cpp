#include "tools/artwork/figure_actions.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "tools/artwork/frame_layout.h"
#include "tools/artwork/pixel_shapes.h"
#include "tools/artwork/smooth_scope.h"
#include "tools/artwork/theme.h"

namespace chatmock {
namespace {

constexpr int kGlyphSize = 16;
constexpr int kSlotWidth = 26;
constexpr int kGlyphCount = 5;

void paintShirtGlyph(QPainter &painter, QPoint origin) {
  SmoothScope scope(painter, origin);
  QPainterPath shirt;
  shirt.moveTo(5.5, 1.5);
  shirt.lineTo(1.0, 4.5);
  shirt.lineTo(2.5, 8.0);
  shirt.lineTo(4.5, 7.0);
  shirt.lineTo(4.5, 14.5);
  shirt.lineTo(11.5, 14.5);
  shirt.lineTo(11.5, 7.0);
  shirt.lineTo(13.5, 8.0);
  shirt.lineTo(15.0, 4.5);
  shirt.lineTo(10.5, 1.5);
  shirt.quadTo(8.0, 4.0, 5.5, 1.5);
  shirt.closeSubpath();
  QLinearGradient fill(0, 1, 0, 15);
  fill.setColorAt(0, QColor(0xFF, 0xB0, 0xCF));
  fill.setColorAt(1, QColor(0xE5, 0x4C, 0x8C));
  painter.setPen(QPen(QColor(0xA3, 0x2A, 0x5E), 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(fill);
  painter.drawPath(shirt);
}

void paintCameraGlyph(QPainter &painter, QPoint origin) {
  SmoothScope scope(painter, origin);
  QLinearGradient body(0, 4, 0, 14);
  body.setColorAt(0, QColor(0x8A, 0x98, 0xAA));
  body.setColorAt(1, QColor(0x3C, 0x48, 0x58));
  painter.setPen(QPen(QColor(0x26, 0x2E, 0x3A), 1.0));
  painter.setBrush(body);
  painter.drawRoundedRect(QRectF(1.5, 4.5, 13, 9.5), 1.5, 1.5);
  painter.drawRect(QRectF(5.5, 2.5, 5, 2));
  painter.setBrush(QColor(0x9C, 0xD4, 0xFF));
  painter.drawEllipse(QPointF(8, 9.2), 3.2, 3.2);
  painter.setPen(Qt::NoPen);
  painter.setBrush(theme::kWhite);
  painter.drawEllipse(QPointF(7, 8.2), 1, 1);
}

void paintHeartGlyph(QPainter &painter, QPoint origin) {
  SmoothScope scope(painter, origin);
  QPainterPath heart;
  heart.moveTo(8, 14.5);
  heart.cubicTo(1, 9.5, 0.5, 5.5, 2.5, 3.2);
  heart.cubicTo(4.5, 1.2, 7, 2, 8, 4.5);
  heart.cubicTo(9, 2, 11.5, 1.2, 13.5, 3.2);
  heart.cubicTo(15.5, 5.5, 15, 9.5, 8, 14.5);
  heart.closeSubpath();
  QRadialGradient fill(QPointF(5, 5), 10);
  fill.setColorAt(0, QColor(0xFF, 0x9C, 0x9C));
  fill.setColorAt(1, QColor(0xE0, 0x26, 0x3A));
  painter.setPen(QPen(QColor(0xA0, 0x16, 0x24), 1.0));
  painter.setBrush(fill);
  painter.drawPath(heart);
}

void paintGiftGlyph(QPainter &painter, QPoint origin) {
  const QColor edge{0x8E, 0x1E, 0x1E};
  const QRect box(origin + QPoint(2, 6), QSize(12, 9));
  const QRect lid(origin + QPoint(1, 4), QSize(14, 3));
  verticalGradient(painter, box, QColor(0xF4, 0x5A, 0x4A), QColor(0xC8, 0x2A, 0x2A));
  frameRect(painter, box, edge);
  verticalGradient(painter, lid, QColor(0xFF, 0x7A, 0x6A), QColor(0xE0, 0x3A, 0x34));
  frameRect(painter, lid, edge);
  painter.fillRect(QRect(origin.x() + 7, origin.y() + 4, 2, 11), QColor(0xFF, 0xD2, 0x3C));
  SmoothScope scope(painter, origin);
  painter.setPen(QPen(QColor(0xE8, 0xA8, 0x10), 1.2));
  painter.setBrush(QColor(0xFF, 0xD8, 0x4C));
  painter.drawEllipse(QPointF(5.5, 2.5), 2.5, 1.7);
  painter.drawEllipse(QPointF(10.5, 2.5), 2.5, 1.7);
}

void paintStarGlyph(QPainter &painter, QPoint origin) {
  SmoothScope scope(painter, origin);
  QPainterPath star;
  const QPointF points[] = {{8, 0.8},  {10.1, 5.6}, {15.2, 5.9}, {11.3, 9.3}, {12.5, 14.5},
                            {8, 11.8}, {3.5, 14.5}, {4.7, 9.3},  {0.8, 5.9},  {5.9, 5.6}};
  star.moveTo(points[0]);
  for (const QPointF &p : points) star.lineTo(p);
  star.closeSubpath();
  QRadialGradient fill(QPointF(7, 6), 9);
  fill.setColorAt(0, QColor(0xFF, 0xF3, 0x9C));
  fill.setColorAt(1, QColor(0xF5, 0xAE, 0x14));
  painter.setPen(QPen(QColor(0xB8, 0x76, 0x08), 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(fill);
  painter.drawPath(star);
}

}  // namespace

void paintFigureActions(QPainter &painter) {
  using Glyph = void (*)(QPainter &, QPoint);
  const Glyph glyphs[kGlyphCount] = {paintShirtGlyph, paintCameraGlyph, paintHeartGlyph,
                                     paintGiftGlyph, paintStarGlyph};
  const QRect row = layout::kFigureActions;
  const int used = kSlotWidth * (kGlyphCount - 1) + kGlyphSize;
  int left = row.left() + (row.width() - used) / 2;
  const int top = row.top() + (row.height() - kGlyphSize) / 2;
  for (Glyph glyph : glyphs) {
    glyph(painter, QPoint(left, top));
    left += kSlotWidth;
  }
}

}  // namespace chatmock
