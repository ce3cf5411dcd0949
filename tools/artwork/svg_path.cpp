#include "tools/artwork/svg_path.h"

#include <QPainterPath>
#include <QStringList>

namespace chatmock {
namespace {

QString number(qreal value) { return QString::number(value, 'f', 2); }

QString point(const QPainterPath::Element &element) {
  return number(element.x) + QLatin1Char(' ') + number(element.y);
}

}  // namespace

QString svgPathData(const QPainterPath &path) {
  QStringList commands;
  bool open = false;
  for (int i = 0; i < path.elementCount(); ++i) {
    const QPainterPath::Element element = path.elementAt(i);
    switch (element.type) {
      case QPainterPath::MoveToElement:
        if (open) commands << QStringLiteral("Z");
        commands << QStringLiteral("M ") + point(element);
        open = true;
        break;
      case QPainterPath::LineToElement:
        commands << QStringLiteral("L ") + point(element);
        break;
      case QPainterPath::CurveToElement:
        // A cubic is stored as its first control point followed by two
        // CurveToData elements: the second control point and the end.
        if (i + 2 < path.elementCount()) {
          commands << QStringLiteral("C ") + point(element) + QLatin1Char(' ') +
                          point(path.elementAt(i + 1)) + QLatin1Char(' ') +
                          point(path.elementAt(i + 2));
          i += 2;
        }
        break;
      case QPainterPath::CurveToDataElement:
        break;
    }
  }
  if (open) commands << QStringLiteral("Z");
  return commands.join(QLatin1Char(' '));
}

}  // namespace chatmock
