#pragma once

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QRect>
#include <QString>

class QPainter;

namespace chatmock {

inline constexpr int kLabelPixels = 12;

// The CJK Song face drawn the way a bitmap font is: at 12 px and below it
// gets no antialiasing and full hinting, so strokes come out one dark
// pixel wide instead of thin and grey.
QFont songFont(int pixelSize, bool bold = false);

// Draws one line with its baseline at `baseline` (integer pixels).
void drawTextAt(QPainter &painter, QPoint baseline, const QString &text, const QColor &colour,
                const QFont &font);

// Draws one line centred vertically (and, if asked, horizontally) in box.
void drawTextIn(QPainter &painter, const QRect &box, const QString &text, const QColor &colour,
                const QFont &font, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);

// Width in pixels the text takes in font.
int textWidth(const QFont &font, const QString &text);

// Draws a label with an access key: the character at keyIndex is
// underlined with a one-pixel line, as a Windows button label is.
void drawAccessKeyLabel(QPainter &painter, QPoint baseline, const QString &text, int keyIndex,
                        const QColor &colour, const QFont &font);

}  // namespace chatmock
