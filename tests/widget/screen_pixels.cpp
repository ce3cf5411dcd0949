#include "tests/widget/screen_pixels.h"

#include <QPixmap>
#include <QScreen>

namespace chatmock::testing_support {

QImage OnScreen(const QWidget& window, const QRect& inWindow) {
  const QPixmap shown = window.screen()->grabWindow(window.winId(), inWindow.x(), inWindow.y(),
                                                    inWindow.width(), inWindow.height());
  return shown.toImage().convertToFormat(QImage::Format_RGB32);
}

QImage OnScreen(const QWidget& widget) {
  const QWidget& window = *widget.window();
  const QRect inWindow(widget.mapTo(&window, QPoint(0, 0)), widget.size());
  return OnScreen(window, inWindow);
}

QImage Rendered(QWidget& widget) { return widget.grab().toImage().convertToFormat(QImage::Format_RGB32); }

}  // namespace chatmock::testing_support
