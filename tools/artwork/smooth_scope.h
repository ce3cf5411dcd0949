#pragma once

#include <QPainter>
#include <QPoint>

namespace chatmock {

// Round shapes (faces, discs, curves) are drawn smooth in their own local
// coordinates; the painter's state is restored when the scope ends so
// crisp drawing after it stays unantialiased.
class SmoothScope {
 public:
  SmoothScope(QPainter &painter, QPoint origin) : painter_(painter) {
    painter_.save();
    painter_.translate(origin);
    painter_.setRenderHint(QPainter::Antialiasing, true);
  }
  ~SmoothScope() { painter_.restore(); }
  SmoothScope(const SmoothScope &) = delete;
  SmoothScope &operator=(const SmoothScope &) = delete;

 private:
  QPainter &painter_;
};

}  // namespace chatmock
