#pragma once
// The live window: its controls in stored order, the focus it saves between
// activations, and the window events it raises.

#include <QPointer>
#include <QWidget>

#include <deque>
#include <functional>
#include <vector>

#include "app/definition.h"
#include "app/live_control.h"

namespace chatmock {

class MainWindow : public QWidget {
  Q_OBJECT
 public:
  explicit MainWindow(const WindowDef& def);
  ~MainWindow() override;

  // Called from the destructor while the window is still whole.
  void SetDestroyedCallback(std::function<void(MainWindow*)> callback) {
    destroyedCallback_ = std::move(callback);
  }

  const WindowDef& Def() const { return def_; }
  std::uint32_t Id() const { return def_.id; }

  // Builds the controls from the definition, parented, stacked and shown as stored.
  void CreateControls(std::span<const ControlDef> controls);

  LiveControl* FindControl(std::uint32_t id);
  // The control a widget belongs to (the widget or one of its ancestors); null
  // for the window's own background.
  LiveControl* ControlOfWidget(const QWidget* widget);
  std::deque<LiveControl>& Controls() { return controls_; }

  // Visible, enabled tab-stop controls by tab-order value, equal values in
  // reverse stored order.
  std::vector<LiveControl*> TabSequence();
  void FocusFirstInTabOrder();
  // Tab (forward) or Shift+Tab from the control that has the focus.
  void MoveFocusInTabOrder(bool forward);

  // Centred on the full screen, in whole pixels rounded towards zero.
  void PlaceCentred();

 protected:
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  void OnActivated();
  void OnDeactivated();

  const WindowDef& def_;
  std::deque<LiveControl> controls_;  // stored order; stable addresses
  QPointer<QWidget> savedFocus_;
  bool activatedOnce_ = false;
  std::function<void(MainWindow*)> destroyedCallback_;
};

}  // namespace chatmock
