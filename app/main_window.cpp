#include "app/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include <algorithm>

#include "app/control_kinds.h"
#include "app/dispatch.h"
#include "app/look.h"

namespace chatmock {

MainWindow::MainWindow(const WindowDef& def)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), def_(def) {
  setObjectName(QString::fromUtf8(def.name));
  setWindowTitle(QString::fromUtf8(def.title));
  setFixedSize(def.width, def.height);
  setAttribute(Qt::WA_DeleteOnClose);
  setFont(DefaultGuiFont());
}

MainWindow::~MainWindow() {
  if (destroyedCallback_) destroyedCallback_(this);
}

void MainWindow::CreateControls(std::span<const ControlDef> controls) {
  // Created from the last stored control to the first, each at first a child
  // of the window.
  for (auto def = controls.rbegin(); def != controls.rend(); ++def) {
    LiveControl& control = controls_.emplace_front();
    control.def = &*def;
    control.visibleSetting = def->visible;
    control.widget = CreateControlWidget(*def, this);
    control.widget->hide();
  }
  // Then moved into their stored parents, keeping the stored left and top.
  for (LiveControl& control : controls_) {
    if (control.def->parent == kWindowItself) continue;
    LiveControl* parent = FindControl(control.def->parent);
    control.widget->setParent(parent->widget);
    control.widget->move(control.def->left, control.def->top);
  }
  // Within each parent the first stored child ends up on top.
  for (auto control = controls_.rbegin(); control != controls_.rend(); ++control) {
    control->widget->raise();
  }
  for (LiveControl& control : controls_) control.widget->setVisible(control.visibleSetting);
}

LiveControl* MainWindow::FindControl(std::uint32_t id) {
  const auto it = std::find_if(controls_.begin(), controls_.end(),
                               [id](const LiveControl& c) { return c.def->id == id; });
  return it == controls_.end() ? nullptr : &*it;
}

LiveControl* MainWindow::ControlOfWidget(const QWidget* widget) {
  for (; widget != nullptr && widget != this; widget = widget->parentWidget()) {
    const auto it = std::find_if(controls_.begin(), controls_.end(),
                                 [widget](const LiveControl& c) { return c.widget == widget; });
    if (it != controls_.end()) return &*it;
  }
  return nullptr;
}

std::vector<LiveControl*> MainWindow::TabSequence() {
  std::vector<LiveControl*> sequence;
  for (auto control = controls_.rbegin(); control != controls_.rend(); ++control) {
    if (!control->IsLive() || !control->def->tabStop) continue;
    if (control->def->kind == ControlKind::PictureButton) continue;
    if (!control->widget->isVisibleTo(this) || !control->widget->isEnabled()) continue;
    sequence.push_back(&*control);
  }
  std::stable_sort(sequence.begin(), sequence.end(), [](LiveControl* a, LiveControl* b) {
    return a->def->tabOrder < b->def->tabOrder;
  });
  return sequence;
}

void MainWindow::FocusFirstInTabOrder() {
  const std::vector<LiveControl*> sequence = TabSequence();
  if (!sequence.empty()) sequence.front()->widget->setFocus(Qt::ActiveWindowFocusReason);
}

void MainWindow::MoveFocusInTabOrder(bool forward) {
  const std::vector<LiveControl*> sequence = TabSequence();
  if (sequence.empty()) return;
  const LiveControl* current = ControlOfWidget(QApplication::focusWidget());
  const auto it = std::find(sequence.begin(), sequence.end(), current);
  const auto count = static_cast<std::ptrdiff_t>(sequence.size());
  std::ptrdiff_t next = forward ? 0 : count - 1;
  if (it != sequence.end()) {
    next = ((it - sequence.begin()) + (forward ? 1 : -1) + count) % count;
  }
  sequence[static_cast<std::size_t>(next)]->widget->setFocus(forward ? Qt::TabFocusReason
                                                                     : Qt::BacktabFocusReason);
}

void MainWindow::PlaceCentred() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  const QRect full = screen->geometry();
  move(full.left() + (full.width() - def_.width) / 2, full.top() + (full.height() - def_.height) / 2);
}

void MainWindow::OnActivated() {
  RaiseEvent(kWindowItself, events::kActivated);
  if (!activatedOnce_) {
    activatedOnce_ = true;
    RaiseEvent(kWindowItself, events::kFirstActivation);
  }
  RaiseEvent(kWindowItself, events::kGotFocus);
  // A saved control that is now hidden (a caption editor that closed when the
  // window lost the focus) would swallow what the user types: the focus goes
  // to the first control in tab order instead.
  if (savedFocus_ && savedFocus_->window() == this && savedFocus_->isVisibleTo(this)) {
    savedFocus_->setFocus(Qt::ActiveWindowFocusReason);
  } else {
    FocusFirstInTabOrder();
  }
}

void MainWindow::OnDeactivated() {
  QWidget* focused = QApplication::focusWidget();
  if (focused == nullptr) focused = focusWidget();
  if (ControlOfWidget(focused) != nullptr) savedFocus_ = ControlOfWidget(focused)->widget;
  RaiseEvent(kWindowItself, events::kDeactivated);
}

void MainWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange) {
    if (isActiveWindow()) {
      OnActivated();
    } else {
      OnDeactivated();
    }
  }
  QWidget::changeEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (ConsumedBy(RaiseEvent(kWindowItself, events::kQueryClose))) {
    event->ignore();
    return;
  }
  event->accept();
  RaiseEvent(kWindowItself, events::kDestroyed);
}

// LoadWindow raises the first moved and resized events itself; the move and
// resize that Qt still holds for the first show are those same ones again.
void MainWindow::moveEvent(QMoveEvent* event) {
  if (isVisible()) RaiseEvent(kWindowItself, events::kMoved);
  QWidget::moveEvent(event);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  if (isVisible()) RaiseEvent(kWindowItself, events::kResized);
  QWidget::resizeEvent(event);
}

void MainWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), ColorFromBgr(def_.backColor, ButtonFaceColor()));
}

void MainWindow::mousePressEvent(QMouseEvent* event) { event->accept(); }

}  // namespace chatmock
