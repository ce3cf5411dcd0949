#include "tools/artwork/crisp_text.h"

#include <QFontMetrics>
#include <QPainter>

namespace chatmock {
namespace {

const char kSongFamily[] = "AR PL UMing CN";
constexpr int kBitmapSizeLimit = 12;
constexpr int kUnderlineGap = 2;

}  // namespace

QFont songFont(int pixelSize, bool bold) {
  QFont font(QString::fromLatin1(kSongFamily));
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  font.setKerning(false);
  if (pixelSize <= kBitmapSizeLimit) {
    font.setStyleStrategy(QFont::NoAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
  } else {
    font.setStyleStrategy(QFont::PreferAntialias);
  }
  return font;
}

void drawTextAt(QPainter &painter, QPoint baseline, const QString &text, const QColor &colour,
                const QFont &font) {
  painter.save();
  painter.setFont(font);
  painter.setPen(colour);
  painter.drawText(baseline, text);
  painter.restore();
}

void drawTextIn(QPainter &painter, const QRect &box, const QString &text, const QColor &colour,
                const QFont &font, Qt::Alignment alignment) {
  painter.save();
  painter.setFont(font);
  painter.setPen(colour);
  painter.drawText(box, static_cast<int>(alignment) | Qt::TextSingleLine, text);
  painter.restore();
}

int textWidth(const QFont &font, const QString &text) {
  return QFontMetrics(font).horizontalAdvance(text);
}

void drawAccessKeyLabel(QPainter &painter, QPoint baseline, const QString &text, int keyIndex,
                        const QColor &colour, const QFont &font) {
  drawTextAt(painter, baseline, text, colour, font);
  const QFontMetrics metrics(font);
  const int left = baseline.x() + metrics.horizontalAdvance(text.left(keyIndex));
  const int width = metrics.horizontalAdvance(text.mid(keyIndex, 1));
  painter.fillRect(QRect(left, baseline.y() + kUnderlineGap - 1, width, 1), colour);
}

}  // namespace chatmock
