#include "tools/artwork/avatar_portrait.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "tools/artwork/pixel_shapes.h"
#include "tools/artwork/smooth_scope.h"
#include "tools/artwork/theme.h"

namespace chatmock {
namespace {

const QColor kSkinLight{0xFF, 0xE4, 0xC8};
const QColor kSkinShade{0xEE, 0xB8, 0x8A};
const QColor kSkinEdge{0xB9, 0x80, 0x55};
const QColor kHair{0x4A, 0x2E, 0x1E};
const QColor kHairShine{0x7A, 0x52, 0x36};
const QColor kShirt{0x2F, 0x86, 0xD6};
const QColor kShirtShade{0x1D, 0x5C, 0xA6};
const QColor kFrameOuter{0x8E, 0xAE, 0xD2};

constexpr qreal kBadgeRadius = 5.5;

void paintBackdrop(QPainter &painter, const QRectF &box) {
  QRadialGradient glow(QPointF(box.width() * 0.5, box.height() * 0.35), box.width() * 0.75);
  glow.setColorAt(0, QColor(0xFF, 0xFF, 0xFF));
  glow.setColorAt(1, QColor(0xB4, 0xDC, 0xF7));
  painter.fillRect(box, glow);
}

void paintShoulders(QPainter &painter, const QRectF &box) {
  const qreal w = box.width();
  const qreal h = box.height();
  QPainterPath shirt;
  shirt.moveTo(2, h + 1);
  shirt.cubicTo(3, h - 12, 12, h - 16, w * 0.5 - 9, h - 17);
  shirt.lineTo(w * 0.5 + 9, h - 17);
  shirt.cubicTo(w - 12, h - 16, w - 3, h - 12, w - 2, h + 1);
  shirt.closeSubpath();
  QLinearGradient fill(0, h - 18, 0, h);
  fill.setColorAt(0, kShirt.lighter(125));
  fill.setColorAt(1, kShirtShade);
  painter.setPen(QPen(kShirtShade.darker(130), 1.0));
  painter.setBrush(fill);
  painter.drawPath(shirt);

  QPainterPath collar;
  collar.moveTo(w * 0.5 - 8, h - 17);
  collar.lineTo(w * 0.5, h - 8);
  collar.lineTo(w * 0.5 + 8, h - 17);
  collar.closeSubpath();
  painter.setPen(QPen(QColor(0xC8, 0xD4, 0xE0), 1.0));
  painter.setBrush(theme::kWhite);
  painter.drawPath(collar);
}

void paintNeckAndHead(QPainter &painter, const QRectF &box) {
  const qreal cx = box.width() * 0.5;
  painter.setPen(QPen(kSkinEdge, 1.0));
  painter.setBrush(kSkinShade);
  painter.drawRect(QRectF(cx - 5, 36, 10, 10));

  QRadialGradient skin(QPointF(cx - 4, 22), 18);
  skin.setColorAt(0, kSkinLight);
  skin.setColorAt(1, kSkinShade);
  painter.setBrush(skin);
  painter.drawEllipse(QPointF(cx - 13.5, 27), 2.8, 4);
  painter.drawEllipse(QPointF(cx + 13.5, 27), 2.8, 4);
  painter.drawEllipse(QPointF(cx, 25), 13, 14.5);
}

void paintHair(QPainter &painter, const QRectF &box) {
  const qreal cx = box.width() * 0.5;
  QPainterPath hair;
  hair.moveTo(cx - 14, 27);
  hair.cubicTo(cx - 16, 8, cx - 6, 6, cx + 2, 7.5);
  hair.cubicTo(cx + 12, 8, cx + 17, 14, cx + 14, 27);
  hair.cubicTo(cx + 12, 20, cx + 9, 17, cx + 5, 16);
  hair.cubicTo(cx, 19, cx - 7, 19, cx - 11, 18);
  hair.cubicTo(cx - 12, 21, cx - 13, 24, cx - 14, 27);
  hair.closeSubpath();
  QLinearGradient fill(0, 6, 0, 26);
  fill.setColorAt(0, kHairShine);
  fill.setColorAt(1, kHair);
  painter.setPen(QPen(kHair.darker(140), 1.0));
  painter.setBrush(fill);
  painter.drawPath(hair);
}

void paintFace(QPainter &painter, const QRectF &box) {
  const qreal cx = box.width() * 0.5;
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0x33, 0x22, 0x18));
  painter.drawEllipse(QPointF(cx - 5, 26), 1.6, 2.1);
  painter.drawEllipse(QPointF(cx + 5, 26), 1.6, 2.1);
  QColor blush(0xF4, 0x8E, 0x8E);
  blush.setAlpha(110);
  painter.setBrush(blush);
  painter.drawEllipse(QPointF(cx - 8.5, 31), 2.6, 1.6);
  painter.drawEllipse(QPointF(cx + 8.5, 31), 2.6, 1.6);
  QPainterPath smile;
  smile.moveTo(cx - 3.5, 32);
  smile.quadTo(cx, 35.5, cx + 3.5, 32);
  painter.setPen(QPen(QColor(0x9A, 0x4A, 0x32), 1.2, Qt::SolidLine, Qt::RoundCap));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(smile);
}

void paintOnlineBadge(QPainter &painter, const QRectF &box) {
  const QPointF centre(box.width() - kBadgeRadius - 2.5, box.height() - kBadgeRadius - 2.5);
  QRadialGradient gem(centre - QPointF(1.5, 1.5), kBadgeRadius * 1.6);
  gem.setColorAt(0, QColor(0xB8, 0xF5, 0x9E));
  gem.setColorAt(1, theme::kOnlineGreen.darker(115));
  painter.setPen(QPen(theme::kWhite, 1.5));
  painter.setBrush(gem);
  painter.drawEllipse(centre, kBadgeRadius, kBadgeRadius);
  painter.setPen(QPen(QColor(0x1F, 0x7A, 0x18), 0.8));
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(centre, kBadgeRadius + 1.2, kBadgeRadius + 1.2);
}

}  // namespace

void paintAvatarPortrait(QPainter &painter, const QRect &box) {
  {
    SmoothScope scope(painter, box.topLeft());
    painter.setClipRect(QRect(QPoint(0, 0), box.size()));
    const QRectF local(0, 0, box.width(), box.height());
    paintBackdrop(painter, local);
    paintShoulders(painter, local);
    paintNeckAndHead(painter, local);
    paintHair(painter, local);
    paintFace(painter, local);
    paintOnlineBadge(painter, local);
  }
  frameRect(painter, box.adjusted(-1, -1, 1, 1), kFrameOuter);
}

}  // namespace chatmock
