#pragma once
// The window's pre-processing of input, ahead of delivery: Esc, Tab, the
// radio arrow keys, dragging the window, and the common control events.

#include <QObject>

#include "app/caret_rest.h"

#include <cstdint>

class QKeyEvent;
class QMouseEvent;

namespace chatmock {

class MainWindow;
struct LiveControl;

// Key codes as the window sees them: virtual-key codes with 0x2000 added for
// Ctrl, 0x4000 for Shift and 0x8000 for Alt.
namespace keys {
inline constexpr int kCtrl = 0x2000, kShift = 0x4000, kAlt = 0x8000;
inline constexpr int kTab = 0x09, kEnter = 0x0D, kEscape = 0x1B;
inline constexpr int kLeft = 0x25, kUp = 0x26, kRight = 0x27, kDown = 0x28;
}  // namespace keys

int FormKeyCode(const QKeyEvent& event);

class InputPreprocessor : public QObject {
  Q_OBJECT
 public:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool PreprocessMouse(MainWindow& window, LiveControl* control, const QEvent& event);
  bool PreprocessKeyDown(MainWindow& window, LiveControl* control, QKeyEvent& event);
  bool SwitchRadioBox(MainWindow& window, LiveControl& from, bool forward);
  bool PickMnemonic(MainWindow& window, QChar key);
  bool SeenAlready(const QEvent& event);

  CaretRest caretRest_;
  // Qt hands an ignored mouse or key event on to the parent widgets; the
  // window pre-processes each input once.
  quint64 lastTimestamp_ = 0;
  int lastType_ = 0;
  quint64 lastDetail_ = 0;
};

}  // namespace chatmock
