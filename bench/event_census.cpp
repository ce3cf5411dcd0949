#include "bench/event_census.h"

#include <QCoreApplication>
#include <QEvent>

namespace chatmock::bench {

EventCensus::EventCensus(const QObject* watchedForPaints) : watched_(watchedForPaints) {
  QCoreApplication::instance()->installEventFilter(this);
}

EventCensus::~EventCensus() {
  if (QCoreApplication::instance() != nullptr) QCoreApplication::instance()->removeEventFilter(this);
}

bool EventCensus::eventFilter(QObject* watched, QEvent* event) {
  if (!counting_.load(std::memory_order_relaxed)) return false;
  ++events_;
  if (event->type() == QEvent::Timer) {
    ++timerEvents_;
    ++timersByReceiver_[watched->metaObject()->className()];
  }
  if (event->type() == QEvent::Paint && watched == watched_) ++watchedPaints_;
  return false;
}

}  // namespace chatmock::bench
