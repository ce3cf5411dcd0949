#include "tools/artwork/promo_panel.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "tools/artwork/crisp_text.h"
#include "tools/artwork/pixel_shapes.h"
#include "tools/artwork/smooth_scope.h"
#include "tools/artwork/theme.h"

namespace chatmock {
namespace {

const QString kHeadline = QString::fromUtf8("装扮我的形象");
const QString kSubline = QString::fromUtf8("新装上架 免费试穿");
const QColor kHeadlineColour{0xC2, 0x2E, 0x6A};
const QColor kRibbon{0xFF, 0xD0, 0x3A};
const QColor kRibbonEdge{0xC8, 0x90, 0x0A};
const QColor kBoxLight{0xFF, 0x7C, 0x8E};
const QColor kBoxDark{0xD8, 0x30, 0x4E};
const QColor kBoxEdge{0x92, 0x1A, 0x32};

constexpr int kHeadlineTop = 100;
constexpr int kSublineTop = 118;
constexpr int kLineHeight = 16;

void paintPanelFace(QPainter &painter, const QRectF &box) {
  QLinearGradient face(0, 0, 0, box.height());
  face.setColorAt(0, QColor(0xFF, 0xF2, 0xF7));
  face.setColorAt(0.7, theme::kWhite);
  face.setColorAt(1, QColor(0xFF, 0xF6, 0xE8));
  painter.fillRect(box, face);
  QRadialGradient halo(QPointF(box.width() / 2, 52), 48);
  halo.setColorAt(0, QColor(0xFF, 0xF4, 0xB0, 200));
  halo.setColorAt(1, QColor(0xFF, 0xF4, 0xB0, 0));
  painter.setPen(Qt::NoPen);
  painter.setBrush(halo);
  painter.drawEllipse(QPointF(box.width() / 2, 52), 48, 42);
}

void paintFlower(QPainter &painter, QPointF centre, qreal size, const QColor &petal) {
  painter.setPen(QPen(petal.darker(135), 0.8));
  painter.setBrush(petal);
  constexpr int kPetals = 5;
  for (int i = 0; i < kPetals; ++i) {
    const qreal angle = i * 2.0 * M_PI / kPetals - M_PI / 2;
    const QPointF at = centre + QPointF(std::cos(angle), std::sin(angle)) * size * 0.55;
    painter.drawEllipse(at, size * 0.45, size * 0.45);
  }
  painter.setBrush(QColor(0xFF, 0xE0, 0x50));
  painter.setPen(QPen(QColor(0xD0, 0x98, 0x10), 0.8));
  painter.drawEllipse(centre, size * 0.32, size * 0.32);
}

void paintGiftBox(QPainter &painter, QPointF centre) {
  const QRectF body(centre.x() - 24, centre.y() - 8, 48, 34);
  const QRectF lid(centre.x() - 28, centre.y() - 18, 56, 12);
  QLinearGradient bodyFill(0, body.top(), 0, body.bottom());
  bodyFill.setColorAt(0, kBoxLight);
  bodyFill.setColorAt(1, kBoxDark);
  painter.setPen(QPen(kBoxEdge, 1.0));
  painter.setBrush(bodyFill);
  painter.drawRoundedRect(body, 2, 2);
  QLinearGradient lidFill(0, lid.top(), 0, lid.bottom());
  lidFill.setColorAt(0, kBoxLight.lighter(112));
  lidFill.setColorAt(1, kBoxDark);
  painter.setBrush(lidFill);
  painter.drawRoundedRect(lid, 2, 2);

  painter.setPen(QPen(kRibbonEdge, 0.8));
  painter.setBrush(kRibbon);
  painter.drawRect(QRectF(centre.x() - 4, lid.top(), 8, body.bottom() - lid.top()));
  QPainterPath bow;
  bow.moveTo(centre.x(), lid.top());
  bow.cubicTo(centre.x() - 6, lid.top() - 16, centre.x() - 22, lid.top() - 8, centre.x(),
              lid.top());
  bow.cubicTo(centre.x() + 22, lid.top() - 8, centre.x() + 6, lid.top() - 16, centre.x(),
              lid.top());
  painter.drawPath(bow);
  painter.drawEllipse(QPointF(centre.x(), lid.top() - 1), 3.5, 3);
}

}  // namespace

void paintPromoPanel(QPainter &painter, const QRect &box) {
  {
    SmoothScope scope(painter, box.topLeft());
    painter.setClipRect(QRect(QPoint(0, 0), box.size()));
    const QRectF local(0, 0, box.width(), box.height());
    paintPanelFace(painter, local);
    paintGiftBox(painter, QPointF(local.width() / 2, 56));
    paintFlower(painter, QPointF(22, 70), 12, QColor(0xFF, 0x9E, 0xC4));
    paintFlower(painter, QPointF(118, 74), 10, QColor(0xB6, 0x9C, 0xF4));
    paintFlower(painter, QPointF(112, 24), 7, QColor(0xFF, 0xB8, 0x7A));
  }
  const QFont headline = songFont(kLabelPixels, true);
  drawTextIn(painter, QRect(box.left(), box.top() + kHeadlineTop, box.width(), kLineHeight),
             kHeadline, kHeadlineColour, headline, Qt::AlignHCenter | Qt::AlignVCenter);
  drawTextIn(painter, QRect(box.left(), box.top() + kSublineTop, box.width(), kLineHeight),
             kSubline, theme::kLinkText, songFont(kLabelPixels),
             Qt::AlignHCenter | Qt::AlignVCenter);
  frameRect(painter, box.adjusted(-1, -1, 1, 1), theme::kPanelBorder);
}

}  // namespace chatmock
