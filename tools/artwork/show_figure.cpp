#include "tools/artwork/show_figure.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "tools/artwork/pixel_shapes.h"
#include "tools/artwork/smooth_scope.h"
#include "tools/artwork/theme.h"

namespace chatmock {
namespace {

// The figure is drawn for a 143 x 228 box and centred horizontally in
// whatever box it is given.
constexpr qreal kDesignWidth = 143.0;

const QColor kInk{0x5A, 0x3A, 0x28};
const QColor kSkinLight{0xFF, 0xE6, 0xCC};
const QColor kSkinShade{0xF1, 0xBE, 0x93};
const QColor kHairLight{0x8A, 0x5A, 0x34};
const QColor kHairDark{0x4B, 0x2C, 0x18};
const QColor kHoodieLight{0xFF, 0xA3, 0x7E};
const QColor kHoodieDark{0xE9, 0x5F, 0x45};
const QColor kJeansLight{0x6F, 0x9E, 0xE0};
const QColor kJeansDark{0x35, 0x5E, 0xA8};

QLinearGradient vertical(qreal top, qreal bottom, const QColor &from, const QColor &to) {
  QLinearGradient gradient(0, top, 0, bottom);
  gradient.setColorAt(0, from);
  gradient.setColorAt(1, to);
  return gradient;
}

void inked(QPainter &painter, const QPainterPath &path, const QBrush &fill, qreal width = 1.2) {
  painter.setPen(QPen(kInk, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(fill);
  painter.drawPath(path);
}

QPainterPath mirrored(const QPainterPath &path, qreal axis) {
  QTransform flip;
  flip.translate(axis, 0);
  flip.scale(-1, 1);
  flip.translate(-axis, 0);
  return flip.map(path);
}

void paintBackdrop(QPainter &painter, const QRectF &box) {
  QLinearGradient sky(0, 0, 0, box.height());
  sky.setColorAt(0.0, QColor(0xCF, 0xE9, 0xFD));
  sky.setColorAt(0.62, QColor(0xFB, 0xFD, 0xFF));
  sky.setColorAt(0.80, QColor(0xF2, 0xF8, 0xFE));
  sky.setColorAt(1.0, QColor(0xDD, 0xED, 0xFA));
  painter.fillRect(box, sky);
  struct Bubble {
    QPointF centre;
    qreal radius;
    QColor colour;
  };
  const Bubble bubbles[] = {
      {{22, 36}, 13, QColor(255, 255, 255, 150)},  {{121, 26}, 8, QColor(255, 255, 255, 170)},
      {{126, 118}, 15, QColor(255, 214, 230, 90)}, {{14, 128}, 9, QColor(200, 236, 255, 140)},
      {{112, 64}, 4, QColor(255, 255, 255, 200)},
  };
  painter.setPen(Qt::NoPen);
  for (const Bubble &bubble : bubbles) {
    painter.setBrush(bubble.colour);
    painter.drawEllipse(bubble.centre, bubble.radius, bubble.radius);
  }
  QRadialGradient shadow(QPointF(71, 209), 40);
  shadow.setColorAt(0, QColor(0x60, 0x80, 0xA0, 90));
  shadow.setColorAt(1, QColor(0x60, 0x80, 0xA0, 0));
  painter.setBrush(shadow);
  painter.drawEllipse(QPointF(71, 209), 42, 7);
}

void paintHairBack(QPainter &painter) {
  QPainterPath back;
  back.moveTo(38, 84);
  back.cubicTo(30, 40, 52, 22, 71, 22);
  back.cubicTo(90, 22, 112, 40, 104, 84);
  back.cubicTo(98, 88, 44, 88, 38, 84);
  back.closeSubpath();
  inked(painter, back, vertical(22, 86, kHairLight, kHairDark));
}

void paintHead(QPainter &painter) {
  QRadialGradient skin(QPointF(64, 56), 34);
  skin.setColorAt(0, kSkinLight);
  skin.setColorAt(1, kSkinShade);
  QPainterPath ear;
  ear.addEllipse(QPointF(43, 68), 5, 6.5);
  inked(painter, ear, skin);
  inked(painter, mirrored(ear, 71), skin);
  QPainterPath face;
  face.addEllipse(QPointF(71, 64), 28, 29);
  inked(painter, face, skin);
}

void paintFringe(QPainter &painter) {
  QPainterPath fringe;
  fringe.moveTo(43, 64);
  fringe.cubicTo(38, 36, 58, 27, 71, 27);
  fringe.cubicTo(86, 27, 104, 36, 99, 64);
  fringe.cubicTo(97, 56, 94, 50, 88, 46);
  fringe.lineTo(84, 53);
  fringe.cubicTo(80, 48, 76, 45, 72, 44);
  fringe.lineTo(67, 52);
  fringe.cubicTo(62, 47, 58, 45, 54, 46);
  fringe.cubicTo(49, 51, 46, 56, 43, 64);
  fringe.closeSubpath();
  inked(painter, fringe, vertical(26, 64, kHairLight, kHairDark));
  QPainterPath shine;
  shine.moveTo(56, 34);
  shine.quadTo(66, 30, 78, 33);
  painter.setPen(QPen(QColor(255, 255, 255, 110), 2.2, Qt::SolidLine, Qt::RoundCap));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(shine);
}

void paintFace(QPainter &painter) {
  painter.setPen(QPen(kInk, 1.4, Qt::SolidLine, Qt::RoundCap));
  painter.setBrush(Qt::NoBrush);
  painter.drawArc(QRectF(54, 58, 11, 6), 30 * 16, 120 * 16);
  painter.drawArc(QRectF(77, 58, 11, 6), 30 * 16, 120 * 16);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0x2B, 0x1B, 0x14));
  painter.drawEllipse(QPointF(60, 71), 4, 5.5);
  painter.drawEllipse(QPointF(82, 71), 4, 5.5);
  painter.setBrush(theme::kWhite);
  painter.drawEllipse(QPointF(58.6, 69.0), 1.6, 1.8);
  painter.drawEllipse(QPointF(80.6, 69.0), 1.6, 1.8);
  painter.setBrush(QColor(0xFF, 0x8C, 0x8C, 110));
  painter.drawEllipse(QPointF(52, 80), 5, 3);
  painter.drawEllipse(QPointF(90, 80), 5, 3);
  QPainterPath mouth;
  mouth.moveTo(65, 82);
  mouth.quadTo(71, 88.5, 77, 82);
  mouth.quadTo(71, 85, 65, 82);
  painter.setPen(QPen(QColor(0x9A, 0x40, 0x30), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(QColor(0xE0, 0x6A, 0x5E));
  painter.drawPath(mouth);
}

void paintArms(QPainter &painter) {
  QPainterPath sleeve;
  sleeve.moveTo(46, 102);
  sleeve.cubicTo(38, 104, 35, 110, 33, 120);
  sleeve.lineTo(27, 143);
  sleeve.lineTo(38, 146);
  sleeve.lineTo(45, 122);
  sleeve.closeSubpath();
  const QLinearGradient cloth = vertical(100, 148, kHoodieLight, kHoodieDark);
  inked(painter, sleeve, cloth);
  inked(painter, mirrored(sleeve, 71), cloth);
  QPainterPath cuff;
  cuff.moveTo(27.5, 141);
  cuff.lineTo(38.5, 144);
  cuff.lineTo(37.5, 148);
  cuff.lineTo(26.5, 145);
  cuff.closeSubpath();
  const QColor cuffColour = kHoodieDark.darker(112);
  inked(painter, cuff, cuffColour);
  inked(painter, mirrored(cuff, 71), cuffColour);
  QPainterPath hand;
  hand.addEllipse(QPointF(31.5, 152), 6, 6.5);
  const QBrush skin(kSkinLight);
  inked(painter, hand, skin);
  inked(painter, mirrored(hand, 71), skin);
}

void paintLegs(QPainter &painter) {
  QPainterPath jeans;
  jeans.moveTo(44, 150);
  jeans.lineTo(98, 150);
  jeans.lineTo(97, 197);
  jeans.lineTo(76, 197);
  jeans.lineTo(71.5, 166);
  jeans.lineTo(70.5, 166);
  jeans.lineTo(66, 197);
  jeans.lineTo(45, 197);
  jeans.closeSubpath();
  inked(painter, jeans, vertical(150, 197, kJeansLight, kJeansDark));
  painter.setPen(QPen(QColor(0xD6, 0xE6, 0xFA, 160), 1.0, Qt::DashLine));
  painter.drawLine(QPointF(56, 160), QPointF(55.5, 194));
  painter.drawLine(QPointF(86, 160), QPointF(86.5, 194));

  QPainterPath shoe;
  shoe.moveTo(42, 206);
  shoe.cubicTo(41, 198, 46, 195, 56, 195);
  shoe.cubicTo(64, 195, 68, 199, 68, 206);
  shoe.closeSubpath();
  const QLinearGradient leather = vertical(195, 207, theme::kWhite, QColor(0xD8, 0xDE, 0xE8));
  inked(painter, shoe, leather);
  inked(painter, mirrored(shoe, 71), leather);
  painter.setPen(QPen(QColor(0xE0, 0x3C, 0x3C), 2.0, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(QPointF(48, 201), QPointF(60, 198.5));
  painter.drawLine(QPointF(94, 201), QPointF(82, 198.5));
}

void paintHoodie(QPainter &painter) {
  QPainterPath body;
  body.moveTo(50, 98);
  body.lineTo(92, 98);
  body.cubicTo(100, 100, 103, 106, 102, 116);
  body.lineTo(100, 152);
  body.lineTo(42, 152);
  body.lineTo(40, 116);
  body.cubicTo(39, 106, 42, 100, 50, 98);
  body.closeSubpath();
  inked(painter, body, vertical(98, 152, kHoodieLight, kHoodieDark));

  QPainterPath hem;
  hem.addRect(QRectF(42, 146, 58, 6));
  inked(painter, hem, kHoodieDark.darker(112));

  QPainterPath pocket;
  pocket.moveTo(55, 145);
  pocket.lineTo(58, 129);
  pocket.lineTo(84, 129);
  pocket.lineTo(87, 145);
  painter.setPen(QPen(QColor(0xB8, 0x44, 0x30), 1.1));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(pocket);
  painter.drawLine(QPointF(71, 104), QPointF(71, 146));
}

void paintHoodAndStrings(QPainter &painter) {
  QPainterPath hood;
  hood.moveTo(54, 98);
  hood.cubicTo(58, 106, 84, 106, 88, 98);
  hood.cubicTo(82, 94, 60, 94, 54, 98);
  hood.closeSubpath();
  inked(painter, hood, QColor(0xFF, 0xC2, 0xA8), 1.0);

  painter.setPen(QPen(theme::kWhite, 1.6, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(QPointF(66, 103), QPointF(65, 116));
  painter.drawLine(QPointF(76, 103), QPointF(77, 116));
  painter.setBrush(theme::kWhite);
  painter.setPen(Qt::NoPen);
  painter.drawEllipse(QPointF(65, 117), 1.5, 1.5);
  painter.drawEllipse(QPointF(77, 117), 1.5, 1.5);
}

void paintNeck(QPainter &painter) {
  QPainterPath neck;
  neck.addRect(QRectF(65, 88, 12, 10));
  inked(painter, neck, kSkinShade);
}

void paintSparkles(QPainter &painter) {
  const QPointF stars[] = {{118, 92}, {24, 88}, {108, 168}};
  painter.setPen(QPen(QColor(0xFF, 0xC8, 0x3C), 1.2, Qt::SolidLine, Qt::RoundCap));
  for (const QPointF &star : stars) {
    painter.drawLine(star - QPointF(3.5, 0), star + QPointF(3.5, 0));
    painter.drawLine(star - QPointF(0, 3.5), star + QPointF(0, 3.5));
  }
}

}  // namespace

void paintShowFigure(QPainter &painter, const QRect &box) {
  {
    SmoothScope scope(painter, box.topLeft());
    painter.setClipRect(QRect(QPoint(0, 0), box.size()));
    paintBackdrop(painter, QRectF(0, 0, box.width(), box.height()));
    painter.translate((box.width() - kDesignWidth) / 2.0, 0);
    paintSparkles(painter);
    paintHairBack(painter);
    paintNeck(painter);
    paintArms(painter);
    paintLegs(painter);
    paintHoodie(painter);
    paintHoodAndStrings(painter);
    paintHead(painter);
    paintFringe(painter);
    paintFace(painter);
  }
  verticalLine(painter, box.left() - 1, box.top() - 1, box.height() + 2, theme::kPanelBorder);
  horizontalLine(painter, box.left() - 1, box.bottom() + 1, box.width() + 1, theme::kPanelBorder);
}

}  // namespace chatmock
