#include "tools/artwork/tool_glyphs.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "tools/artwork/pixel_shapes.h"
#include "tools/artwork/smooth_scope.h"
#include "tools/artwork/theme.h"

namespace chatmock {
namespace {

const QColor kOutline{0x2E, 0x55, 0x86};
const QColor kSilverLight{0xFA, 0xFC, 0xFF};
const QColor kSilverDark{0xA7, 0xBD, 0xD3};

QLinearGradient verticalFill(qreal top, qreal bottom, const QColor &from, const QColor &to) {
  QLinearGradient gradient(0, top, 0, bottom);
  gradient.setColorAt(0, from);
  gradient.setColorAt(1, to);
  return gradient;
}

void outlinedPath(QPainter &painter, const QPainterPath &path, const QBrush &fill,
                  const QColor &outline, qreal width = 1.0) {
  painter.setPen(QPen(outline, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(fill);
  painter.drawPath(path);
}

QPainterPath roundedBox(const QRectF &box, qreal radius) {
  QPainterPath path;
  path.addRoundedRect(box, radius, radius);
  return path;
}

QPainterPath ellipse(const QPointF &centre, qreal rx, qreal ry) {
  QPainterPath path;
  path.addEllipse(centre, rx, ry);
  return path;
}

}  // namespace

void paintVideoGlyph(QPainter &painter, QPoint origin) {
  SmoothScope scope(painter, origin);
  // A ball webcam on a small foot.
  QPainterPath foot;
  foot.moveTo(5.5, 18.5);
  foot.lineTo(14.5, 18.5);
  foot.lineTo(12.5, 14.5);
  foot.lineTo(7.5, 14.5);
  foot.closeSubpath();
  outlinedPath(painter, foot, verticalFill(14, 19, kSilverLight, kSilverDark), kOutline);
  QRadialGradient shell(QPointF(7.5, 5.0), 10.0);
  shell.setColorAt(0, kSilverLight);
  shell.setColorAt(1, kSilverDark);
  outlinedPath(painter, ellipse(QPointF(10, 8.5), 7.5, 7.0), shell, kOutline);
  QRadialGradient lens(QPointF(9.0, 7.5), 4.0);
  lens.setColorAt(0, QColor(0x7F, 0xC4, 0xFF));
  lens.setColorAt(1, QColor(0x13, 0x3E, 0x7A));
  outlinedPath(painter, ellipse(QPointF(10, 9), 3.6, 3.6), lens, QColor(0x1A, 0x2F, 0x4F));
  painter.setPen(Qt::NoPen);
  painter.setBrush(theme::kWhite);
  painter.drawEllipse(QPointF(8.8, 7.8), 1.1, 1.1);
}

void paintVoiceGlyph(QPainter &painter, QPoint origin) {
  SmoothScope scope(painter, origin);
  // A headset: band, two ear cups and a microphone boom.
  QPainterPath band;
  band.moveTo(3.5, 11.0);
  band.cubicTo(3.5, 1.0, 16.5, 1.0, 16.5, 11.0);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(kOutline, 3.0, Qt::SolidLine, Qt::RoundCap));
  painter.drawPath(band);
  painter.setPen(QPen(QColor(0x8F, 0xB9, 0xE4), 1.0, Qt::SolidLine, Qt::RoundCap));
  painter.drawPath(band);
  const auto cup = [&](qreal x) {
    outlinedPath(painter, roundedBox(QRectF(x, 9.5, 5, 7), 2),
                 verticalFill(9, 17, QColor(0x6C, 0xD0, 0x5A), QColor(0x2A, 0x8A, 0x2A)), kOutline);
  };
  cup(1.5);
  cup(13.5);
  QPainterPath boom;
  boom.moveTo(4.0, 16.0);
  boom.cubicTo(4.5, 19.0, 8.0, 19.0, 10.5, 18.5);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(kOutline, 1.4, Qt::SolidLine, Qt::RoundCap));
  painter.drawPath(boom);
  outlinedPath(painter, ellipse(QPointF(11.5, 18.3), 1.6, 1.3), QColor(0x33, 0x33, 0x33), kOutline);
}

void paintFileTransferGlyph(QPainter &painter, QPoint origin) {
  SmoothScope scope(painter, origin);
  // A folder with a green arrow leaving it.
  QPainterPath back;
  back.moveTo(1.5, 4.5);
  back.lineTo(7.0, 4.5);
  back.lineTo(8.5, 6.5);
  back.lineTo(16.5, 6.5);
  back.lineTo(16.5, 16.5);
  back.lineTo(1.5, 16.5);
  back.closeSubpath();
  outlinedPath(painter, back,
               verticalFill(4, 17, QColor(0xFF, 0xE3, 0x86), QColor(0xE9, 0xAE, 0x2F)),
               QColor(0xA8, 0x72, 0x10));
  QPainterPath front;
  front.moveTo(1.5, 16.5);
  front.lineTo(3.5, 9.0);
  front.lineTo(18.5, 9.0);
  front.lineTo(16.5, 16.5);
  front.closeSubpath();
  outlinedPath(painter, front,
               verticalFill(9, 17, QColor(0xFF, 0xF0, 0xB8), QColor(0xF5, 0xC2, 0x45)),
               QColor(0xA8, 0x72, 0x10));
  QPainterPath arrow;
  arrow.moveTo(9.0, 12.0);
  arrow.lineTo(13.0, 12.0);
  arrow.lineTo(13.0, 9.5);
  arrow.lineTo(18.5, 14.0);
  arrow.lineTo(13.0, 18.5);
  arrow.lineTo(13.0, 16.0);
  arrow.lineTo(9.0, 16.0);
  arrow.closeSubpath();
  outlinedPath(painter, arrow,
               verticalFill(9, 19, QColor(0x8E, 0xE0, 0x6E), QColor(0x2C, 0x9A, 0x22)),
               QColor(0x1F, 0x6E, 0x18));
}

void paintRemoteDesktopGlyph(QPainter &painter, QPoint origin) {
  SmoothScope scope(painter, origin);
  // A monitor with a pointer on its screen.
  outlinedPath(painter, roundedBox(QRectF(1.5, 2.5, 17, 12), 1.5),
               verticalFill(2, 15, kSilverLight, kSilverDark), kOutline);
  painter.setPen(Qt::NoPen);
  painter.setBrush(verticalFill(4, 13, QColor(0x6F, 0xBC, 0xF6), QColor(0x1F, 0x6C, 0xC8)));
  painter.drawRect(QRectF(3, 4, 14, 9));
  QPainterPath stand;
  stand.moveTo(8.0, 14.5);
  stand.lineTo(12.0, 14.5);
  stand.lineTo(13.5, 18.5);
  stand.lineTo(6.5, 18.5);
  stand.closeSubpath();
  outlinedPath(painter, stand, verticalFill(14, 19, kSilverLight, kSilverDark), kOutline);
  QPainterPath pointer;
  pointer.moveTo(9.0, 5.5);
  pointer.lineTo(9.0, 12.5);
  pointer.lineTo(10.8, 10.8);
  pointer.lineTo(12.2, 13.6);
  pointer.lineTo(13.4, 13.0);
  pointer.lineTo(12.0, 10.3);
  pointer.lineTo(14.3, 10.0);
  pointer.closeSubpath();
  outlinedPath(painter, pointer, theme::kWhite, QColor(0x15, 0x2A, 0x48), 0.9);
}

void paintGroupChatGlyph(QPainter &painter, QPoint origin) {
  SmoothScope scope(painter, origin);
  // Two people side by side, the nearer one in front.
  const auto person = [&](qreal x, qreal y, const QColor &light, const QColor &dark) {
    QPainterPath body;
    body.moveTo(x - 5.5, y + 11.5);
    body.cubicTo(x - 5.5, y + 5.0, x + 5.5, y + 5.0, x + 5.5, y + 11.5);
    body.closeSubpath();
    outlinedPath(painter, body, verticalFill(y + 5, y + 12, light, dark), dark.darker(150));
    QRadialGradient face(QPointF(x - 1, y + 1), 4.5);
    face.setColorAt(0, QColor(0xFF, 0xF1, 0xDE));
    face.setColorAt(1, QColor(0xF2, 0xC7, 0x97));
    outlinedPath(painter, ellipse(QPointF(x, y + 2.5), 3.3, 3.3), face, QColor(0x9A, 0x6A, 0x3E));
  };
  person(13.0, 2.0, QColor(0x9E, 0xE0, 0x84), QColor(0x3E, 0x9E, 0x2E));
  person(7.0, 6.5, QColor(0x92, 0xC9, 0xFA), QColor(0x2A, 0x74, 0xC8));
}

void paintMusicGlyph(QPainter &painter, QPoint origin) {
  SmoothScope scope(painter, origin);
  // Two joined notes.
  const QColor ink{0x6A, 0x3F, 0xB8};
  painter.setPen(Qt::NoPen);
  painter.setBrush(ink);
  QPainterPath beam;
  beam.moveTo(7.0, 3.5);
  beam.lineTo(17.0, 1.5);
  beam.lineTo(17.0, 4.5);
  beam.lineTo(7.0, 6.5);
  beam.closeSubpath();
  painter.drawPath(beam);
  painter.drawRect(QRectF(7.0, 4.0, 1.6, 11.0));
  painter.drawRect(QRectF(15.4, 2.0, 1.6, 11.0));
  QRadialGradient head(QPointF(4.0, 15.0), 4.0);
  head.setColorAt(0, QColor(0xB9, 0x95, 0xF2));
  head.setColorAt(1, ink);
  painter.setBrush(head);
  painter.drawEllipse(QPointF(5.4, 15.6), 3.3, 2.5);
  painter.drawEllipse(QPointF(13.8, 13.6), 3.3, 2.5);
}

void paintAppsGlyph(QPainter &painter, QPoint origin) {
  SmoothScope scope(painter, origin);
  // A grid of four tiles.
  const QColor tiles[] = {QColor(0x3A, 0x8E, 0xE6), QColor(0xF2, 0x9B, 0x1D),
                          QColor(0x4C, 0xB8, 0x3A), QColor(0xE2, 0x4E, 0x4E)};
  for (int i = 0; i < 4; ++i) {
    const QRectF box(2.5 + (i % 2) * 8, 2.5 + (i / 2) * 8, 7, 7);
    outlinedPath(painter, roundedBox(box, 1.8),
                 verticalFill(box.top(), box.bottom(), tiles[i].lighter(140), tiles[i]),
                 tiles[i].darker(140));
  }
}

void paintMenuArrow(QPainter &painter, QPoint topLeft, const QColor &colour) {
  // Rows of 5, 3 and 1 pixels: the classic crisp menu triangle.
  for (int row = 0; row < 3; ++row) {
    horizontalLine(painter, topLeft.x() + row, topLeft.y() + row, 5 - 2 * row, colour);
  }
}

}  // namespace chatmock
