#include "app/preprocess.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QWindow>

#include "app/control_kinds.h"
#include "app/dispatch.h"
#include "app/kinds/radio_box.h"
#include "app/main_window.h"
#include "app/shell.h"

namespace chatmock {
namespace {

Qt::MouseButton ButtonOf(const QEvent& event) {
  return static_cast<const QMouseEvent&>(event).button();
}

std::int32_t CommonEventOf(const QEvent& event) {
  switch (event.type()) {
    case QEvent::MouseButtonPress:
      if (ButtonOf(event) == Qt::LeftButton) return events::kLeftDown;
      if (ButtonOf(event) == Qt::RightButton) return events::kRightDown;
      return 0;
    case QEvent::MouseButtonRelease:
      if (ButtonOf(event) == Qt::LeftButton) return events::kLeftUp;
      if (ButtonOf(event) == Qt::RightButton) return events::kRightUp;
      return 0;
    case QEvent::MouseButtonDblClick:
      return ButtonOf(event) == Qt::LeftButton ? events::kDoubleClick : 0;
    case QEvent::MouseMove: return events::kMouseMove;
    case QEvent::Wheel: return events::kWheel;
    case QEvent::KeyPress: return events::kKeyDown;
    case QEvent::KeyRelease: return events::kKeyUp;
    default: return 0;
  }
}

bool IsMouseInput(QEvent::Type type) {
  return type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
         type == QEvent::MouseButtonDblClick || type == QEvent::MouseMove || type == QEvent::Wheel;
}

bool IsKeyInput(QEvent::Type type) { return type == QEvent::KeyPress || type == QEvent::KeyRelease; }

std::uint32_t EventTarget(const LiveControl* control) {
  return control ? control->def->id : kWindowItself;
}

void StartWindowMove(MainWindow& window) {
  if (QWindow* handle = window.windowHandle()) handle->startSystemMove();
}

}  // namespace

int FormKeyCode(const QKeyEvent& event) {
  int code = 0;
  const int key = event.key();
  if (key >= Qt::Key_0 && key <= Qt::Key_9) {
    code = 0x30 + (key - Qt::Key_0);  // the keypad's digits count as the main ones
  } else if (key >= Qt::Key_A && key <= Qt::Key_Z) {
    code = 0x41 + (key - Qt::Key_A);
  } else {
    switch (key) {
      case Qt::Key_Tab:
      case Qt::Key_Backtab: code = keys::kTab; break;
      case Qt::Key_Return:
      case Qt::Key_Enter: code = keys::kEnter; break;
      case Qt::Key_Escape: code = keys::kEscape; break;
      case Qt::Key_Left: code = keys::kLeft; break;
      case Qt::Key_Up: code = keys::kUp; break;
      case Qt::Key_Right: code = keys::kRight; break;
      case Qt::Key_Down: code = keys::kDown; break;
      case Qt::Key_Minus: code = 0xBD; break;
      case Qt::Key_Period: code = 0xBE; break;
      case Qt::Key_Slash: code = 0xBF; break;
      case Qt::Key_Space: code = 0x20; break;
      case Qt::Key_F1: code = 0x70; break;
      default: code = 0; break;
    }
  }
  const Qt::KeyboardModifiers modifiers = event.modifiers();
  const bool modifierKey = key == Qt::Key_Control || key == Qt::Key_Shift || key == Qt::Key_Alt;
  if (!modifierKey) {
    if (modifiers & Qt::ControlModifier) code += keys::kCtrl;
    if ((modifiers & Qt::ShiftModifier) || key == Qt::Key_Backtab) code += keys::kShift;
    if (modifiers & Qt::AltModifier) code += keys::kAlt;
  }
  return code;
}

bool InputPreprocessor::SeenAlready(const QEvent& event) {
  const auto& input = static_cast<const QInputEvent&>(event);
  quint64 detail = 0;
  if (IsKeyInput(event.type())) {
    detail = static_cast<quint64>(static_cast<const QKeyEvent&>(event).key());
  } else {
    const QPointF at = static_cast<const QSinglePointEvent&>(event).globalPosition();
    detail = (static_cast<quint64>(at.x() * 16) << 32) ^ static_cast<quint64>(at.y() * 16);
  }
  const bool same = input.timestamp() == lastTimestamp_ && event.type() == lastType_ &&
                    detail == lastDetail_ && input.timestamp() != 0;
  lastTimestamp_ = input.timestamp();
  lastType_ = event.type();
  lastDetail_ = detail;
  return same;
}

bool InputPreprocessor::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  const bool focusChange = type == QEvent::FocusIn || type == QEvent::FocusOut;
  if (!IsMouseInput(type) && !IsKeyInput(type) && !focusChange) return false;
  auto* widget = qobject_cast<QWidget*>(watched);
  if (widget == nullptr) return false;
  auto* window = qobject_cast<MainWindow*>(widget->window());
  if (window == nullptr || FindLoadedWindow(window->Id()) != window) return false;
  LiveControl* control = window->ControlOfWidget(widget);

  if (focusChange) {
    // Focus moves between controls; a focus change inside one (a viewport) is not news.
    if (control == nullptr || control->widget != widget) return false;
    RaiseEvent(control->def->id, type == QEvent::FocusIn ? events::kGotFocus : events::kLostFocus);
    return false;
  }
  if (SeenAlready(*event)) return false;
  if (type != QEvent::MouseMove) caretRest_.NoteInput();
  if (IsMouseInput(type)) return PreprocessMouse(*window, control, *event);

  auto& key = *static_cast<QKeyEvent*>(event);
  if (control != nullptr && !control->widget->isEnabled()) return false;
  if (type == QEvent::KeyPress && PreprocessKeyDown(*window, control, key)) return true;
  if (ConsumedBy(RaiseEvent(EventTarget(control), CommonEventOf(*event)))) return true;
  if (type == QEvent::KeyPress && !key.text().isEmpty() && key.text().front().isPrint()) {
    return ConsumedBy(RaiseEvent(EventTarget(control), events::kCharacter));
  }
  return false;
}

bool InputPreprocessor::PreprocessMouse(MainWindow& window, LiveControl* control,
                                        const QEvent& event) {
  // A wheel turn is pointer input too, but not a mouse event.
  const bool leftPress = event.type() == QEvent::MouseButtonPress && ButtonOf(event) == Qt::LeftButton;
  if (leftPress && window.Def().dragAnywhere) {
    if (control == nullptr) {
      // The background: moves the window like a title bar, and the press goes
      // on to the window without raising anything.
      StartWindowMove(window);
      return false;
    }
    if (DragsWindow(control->def->kind)) {
      StartWindowMove(window);
      return true;
    }
  }
  const std::int32_t common = CommonEventOf(event);
  if (common == 0) return false;
  return ConsumedBy(RaiseEvent(EventTarget(control), common));
}

bool InputPreprocessor::PreprocessKeyDown(MainWindow& window, LiveControl* control,
                                          QKeyEvent& event) {
  const int code = FormKeyCode(event);
  switch (code) {
    case keys::kEscape:
      if (!window.Def().escCloses) return false;
      window.close();
      return true;
    case keys::kTab:
    case keys::kTab + keys::kShift:
      window.MoveFocusInTabOrder(code == keys::kTab);
      return true;
    case keys::kEnter:
      // A multi-line box claims Enter for itself; elsewhere, with no default
      // push button and Enter not moving the focus, it goes on as an
      // ordinary key.
      return false;
    case keys::kLeft:
    case keys::kUp:
    case keys::kRight:
    case keys::kDown:
      if (control == nullptr || control->def->kind != ControlKind::RadioBox) return false;
      return SwitchRadioBox(window, *control, code == keys::kRight || code == keys::kDown);
    default:
      break;
  }
  if ((code & keys::kAlt) && event.text().size() == 1) return PickMnemonic(window, event.text()[0]);
  return false;
}

bool InputPreprocessor::SwitchRadioBox(MainWindow& window, LiveControl& from, bool forward) {
  std::vector<LiveControl*> radios;
  for (LiveControl* candidate : window.TabSequence()) {
    if (candidate->def->kind == ControlKind::RadioBox && candidate->def->parent == from.def->parent) {
      radios.push_back(candidate);
    }
  }
  const auto it = std::find(radios.begin(), radios.end(), &from);
  if (it == radios.end()) return false;
  const auto count = static_cast<std::ptrdiff_t>(radios.size());
  LiveControl* to = radios[static_cast<std::size_t>(
      ((it - radios.begin()) + (forward ? 1 : -1) + count) % count)];
  for (LiveControl* radio : radios) static_cast<RadioBox*>(radio->widget.data())->SetCheckedState(false);
  static_cast<RadioBox*>(to->widget.data())->SetCheckedState(true);
  RaiseEvent(to->def->id, events::kClicked);
  if (to->IsLive()) to->widget->setFocus(Qt::TabFocusReason);
  return true;
}

bool InputPreprocessor::PickMnemonic(MainWindow& window, QChar key) {
  const QString mark = QStringLiteral("&") + key.toUpper();
  for (LiveControl& control : window.Controls()) {
    if (!control.IsLive() || !control.widget->isVisible() || !control.widget->isEnabled()) continue;
    if (QString::fromUtf8(control.def->text).toUpper().contains(mark)) {
      control.widget->setFocus(Qt::ShortcutFocusReason);
      return true;
    }
  }
  return false;
}

}  // namespace chatmock
