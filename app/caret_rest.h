#pragma once
// Stops the caret blinking after a pause without input, and starts it again
// with the next key or press, as desktops do: a window at rest then wakes
// for nothing at all.

#include <QObject>
#include <QTimer>

namespace chatmock {

// The pause after which a caret stops blinking on the desktop the window imitates.
inline constexpr int kCaretRestMs = 5000;

class CaretRest : public QObject {
  Q_OBJECT
 public:
  explicit CaretRest(int pauseMs = kCaretRestMs);
  ~CaretRest() override;

  // Any key or mouse input of the window.
  void NoteInput();
  bool Resting() const { return resting_; }

 private:
  void Rest();

  QTimer pause_;
  int flashTime_;
  bool resting_ = false;
};

}  // namespace chatmock
