#include "app/caret_rest.h"

#include <QGuiApplication>
#include <QStyleHints>

namespace chatmock {
CaretRest::CaretRest(int pauseMs) : flashTime_(QGuiApplication::styleHints()->cursorFlashTime()) {
  pause_.setSingleShot(true);
  pause_.setInterval(pauseMs);
  connect(&pause_, &QTimer::timeout, this, &CaretRest::Rest);
  pause_.start();
}

CaretRest::~CaretRest() {
  if (resting_) QGuiApplication::styleHints()->setCursorFlashTime(flashTime_);
}

void CaretRest::NoteInput() {
  if (resting_) {
    resting_ = false;
    QGuiApplication::styleHints()->setCursorFlashTime(flashTime_);
  }
  pause_.start();
}

void CaretRest::Rest() {
  resting_ = true;
  // A flash time of 0 leaves the caret drawn and stops its timer.
  QGuiApplication::styleHints()->setCursorFlashTime(0);
}

}  // namespace chatmock
