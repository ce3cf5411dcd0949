#pragma once
// Pixels as they are on the screen (the window's backing store, which is
// what the offscreen platform shows), and pixels as a widget paints them now.

#include <QImage>
#include <QWidget>

namespace chatmock::testing_support {

// What the screen shows of the widget's rectangle, after the repaints due
// have run: stale pixels that no repaint covered stay visible here.
QImage OnScreen(const QWidget& widget);
QImage OnScreen(const QWidget& window, const QRect& inWindow);

// The widget painted afresh into an image (QWidget::grab).
QImage Rendered(QWidget& widget);

// 0xRRGGBB of a pixel, alpha dropped.
inline QRgb RgbAt(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFFu; }
inline QRgb RgbOf(const QColor& colour) { return colour.rgb() & 0xFFFFFFu; }

}  // namespace chatmock::testing_support
