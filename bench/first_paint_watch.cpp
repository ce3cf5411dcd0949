#include "bench/first_paint_watch.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdlib>
#include <cstring>

namespace chatmock::bench {
namespace {

constexpr char kRestFlag[] = "--rest-ms=";

}  // namespace

FirstPaintWatch::FirstPaintWatch(int restMs) : restMs_(restMs) {
  QCoreApplication::instance()->installEventFilter(this);
}

FirstPaintWatch::~FirstPaintWatch() {
  if (QCoreApplication::instance() != nullptr) QCoreApplication::instance()->removeEventFilter(this);
}

bool FirstPaintWatch::eventFilter(QObject* watched, QEvent* event) {
  if (!seen_ && event->type() == QEvent::Paint && watched->isWidgetType() &&
      static_cast<QWidget*>(watched)->isWindow()) {
    seen_ = true;
    // The window paints first and its children right after, in the same
    // pass, then the pass flushes: a queued quit runs once all of that is done.
    QTimer::singleShot(restMs_, QCoreApplication::instance(), &QCoreApplication::quit);
  }
  return false;
}

int RestMsFromArguments(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strncmp(argv[i], kRestFlag, sizeof kRestFlag - 1) == 0) {
      return std::atoi(argv[i] + sizeof kRestFlag - 1);
    }
  }
  return 0;
}

}  // namespace chatmock::bench
