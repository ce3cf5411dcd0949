#include "tools/artwork/app_icon.h"

#include <QPainter>
#include <QPainterPath>
#include <QStringList>
#include <vector>

#include "tools/artwork/svg_path.h"

namespace chatmock {
namespace {

// Shapes are designed on a 48-unit square.
constexpr qreal kDesignSize = 48.0;
constexpr qreal kEdgeWidth = 1.0;
constexpr qreal kGapWidth = 3.0;
constexpr qreal kDotRadius = 2.3;

struct Bubble {
  QString name;
  QPainterPath shape;
  QColor light;
  QColor dark;
  QColor edge;
};

QPainterPath bubbleShape(QRectF body, const QPolygonF &tail) {
  QPainterPath ellipse;
  ellipse.addEllipse(body);
  QPainterPath pointer;
  pointer.addPolygon(tail);
  pointer.closeSubpath();
  return ellipse.united(pointer).simplified();
}

std::vector<Bubble> bubbles() {
  const QPainterPath back =
      bubbleShape(QRectF(14, 3, 32, 25), QPolygonF({{34, 24}, {43, 35}, {28, 27}}));
  const QPainterPath front =
      bubbleShape(QRectF(2, 14, 34, 27), QPolygonF({{9, 34}, {4, 46}, {18, 39}}));
  return {
      {QStringLiteral("back"), back, QColor(0xA6, 0xEA, 0x7E), QColor(0x2E, 0x9C, 0x2A),
       QColor(0x1D, 0x6E, 0x1A)},
      {QStringLiteral("front"), front, QColor(0x8A, 0xD0, 0xFF), QColor(0x17, 0x6B, 0xD6),
       QColor(0x0E, 0x4A, 0x9C)},
  };
}

QPointF dotCentre(int index) { return QPointF(11.0 + index * 8.0, 28.0); }

QLinearGradient fillFor(const Bubble &bubble) {
  const QRectF bounds = bubble.shape.boundingRect();
  QLinearGradient gradient(bounds.topLeft(), bounds.bottomLeft());
  gradient.setColorAt(0, bubble.light);
  gradient.setColorAt(1, bubble.dark);
  return gradient;
}

void paintBubble(QPainter &painter, const Bubble &bubble, bool separated) {
  if (separated) {
    // A white gap where the front bubble overlaps the back one keeps the
    // two shapes apart at 16 px.
    painter.setPen(QPen(Qt::white, kGapWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(bubble.shape);
  }
  painter.setPen(QPen(bubble.edge, kEdgeWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(fillFor(bubble));
  painter.drawPath(bubble.shape);
}

QString svgColour(const QColor &colour) { return colour.name(QColor::HexRgb); }

QString svgGradient(const Bubble &bubble) {
  const QRectF bounds = bubble.shape.boundingRect();
  return QStringLiteral(
             "<linearGradient id=\"%1\" gradientUnits=\"userSpaceOnUse\" x1=\"0\" y1=\"%2\" "
             "x2=\"0\" y2=\"%3\"><stop offset=\"0\" stop-color=\"%4\"/><stop offset=\"1\" "
             "stop-color=\"%5\"/></linearGradient>")
      .arg(bubble.name)
      .arg(bounds.top(), 0, 'f', 2)
      .arg(bounds.bottom(), 0, 'f', 2)
      .arg(svgColour(bubble.light), svgColour(bubble.dark));
}

QString svgBubble(const Bubble &bubble, bool separated) {
  const QString data = svgPathData(bubble.shape);
  QString out;
  if (separated) {
    out += QStringLiteral(
               "<path d=\"%1\" fill=\"none\" stroke=\"#ffffff\" stroke-width=\"%2\" "
               "stroke-linejoin=\"round\"/>")
               .arg(data)
               .arg(kGapWidth);
  }
  out += QStringLiteral(
             "<path d=\"%1\" fill=\"url(#%2)\" stroke=\"%3\" stroke-width=\"%4\" "
             "stroke-linejoin=\"round\"/>")
             .arg(data, bubble.name, svgColour(bubble.edge))
             .arg(kEdgeWidth);
  return out;
}

}  // namespace

QImage paintAppIcon(int size) {
  QImage icon(size, size, QImage::Format_ARGB32);
  icon.fill(Qt::transparent);
  QPainter painter(&icon);
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.scale(size / kDesignSize, size / kDesignSize);
  const std::vector<Bubble> shapes = bubbles();
  for (std::size_t i = 0; i < shapes.size(); ++i) paintBubble(painter, shapes[i], i > 0);
  painter.setPen(Qt::NoPen);
  painter.setBrush(Qt::white);
  for (int i = 0; i < 3; ++i) painter.drawEllipse(dotCentre(i), kDotRadius, kDotRadius);
  return icon;
}

QString appIconSvg() {
  const std::vector<Bubble> shapes = bubbles();
  QStringList parts;
  parts << QStringLiteral(
      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"48\" height=\"48\" viewBox=\"0 0 48 "
      "48\">");
  parts << QStringLiteral("<defs>");
  for (const Bubble &bubble : shapes) parts << svgGradient(bubble);
  parts << QStringLiteral("</defs>");
  for (std::size_t i = 0; i < shapes.size(); ++i) parts << svgBubble(shapes[i], i > 0);
  for (int i = 0; i < 3; ++i) {
    const QPointF c = dotCentre(i);
    parts << QStringLiteral("<circle cx=\"%1\" cy=\"%2\" r=\"%3\" fill=\"#ffffff\"/>")
                 .arg(c.x())
                 .arg(c.y())
                 .arg(kDotRadius);
  }
  parts << QStringLiteral("</svg>");
  return parts.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

}  // namespace chatmock
