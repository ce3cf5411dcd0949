#include "tools/artwork/pixel_shapes.h"

#include <QPainter>

namespace chatmock {

void horizontalLine(QPainter &painter, int x, int y, int width, const QColor &colour) {
  painter.fillRect(QRect(x, y, width, 1), colour);
}

void verticalLine(QPainter &painter, int x, int y, int height, const QColor &colour) {
  painter.fillRect(QRect(x, y, 1, height), colour);
}

void frameRect(QPainter &painter, const QRect &box, const QColor &colour) {
  horizontalLine(painter, box.left(), box.top(), box.width(), colour);
  horizontalLine(painter, box.left(), box.bottom(), box.width(), colour);
  verticalLine(painter, box.left(), box.top(), box.height(), colour);
  verticalLine(painter, box.right(), box.top(), box.height(), colour);
}

void roundedFrame(QPainter &painter, const QRect &box, const QColor &border, const QColor &corner) {
  horizontalLine(painter, box.left() + 1, box.top(), box.width() - 2, border);
  horizontalLine(painter, box.left() + 1, box.bottom(), box.width() - 2, border);
  verticalLine(painter, box.left(), box.top() + 1, box.height() - 2, border);
  verticalLine(painter, box.right(), box.top() + 1, box.height() - 2, border);
  for (const QPoint &p : {box.topLeft(), box.topRight(), box.bottomLeft(), box.bottomRight()}) {
    painter.fillRect(QRect(p, QSize(1, 1)), corner);
  }
}

void verticalGradient(QPainter &painter, const QRect &box, const QColor &top,
                      const QColor &bottom) {
  const int rows = box.height();
  for (int row = 0; row < rows; ++row) {
    const double amount = rows > 1 ? static_cast<double>(row) / (rows - 1) : 0.0;
    horizontalLine(painter, box.left(), box.top() + row, box.width(), mix(top, bottom, amount));
  }
}

QColor mix(const QColor &a, const QColor &b, double amount) {
  const auto blend = [amount](int from, int to) {
    return static_cast<int>(from + (to - from) * amount + 0.5);
  };
  return QColor(blend(a.red(), b.red()), blend(a.green(), b.green()), blend(a.blue(), b.blue()),
                blend(a.alpha(), b.alpha()));
}

}  // namespace chatmock
