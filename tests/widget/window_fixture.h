#pragma once
// A freshly loaded MainWindow for each test, made the way the program makes
// it, active and with its first focus; destroyed again after the test.

#include <gtest/gtest.h>

#include <QPointer>
#include <QWidget>

#include <cstdint>
#include <memory>
#include <optional>
#include <ostream>
#include <vector>

#include "app/control_ref.h"
#include "app/main_window.h"

namespace chatmock {
// Test names and failures show a control by its id, not its bytes.
inline void PrintTo(ControlRef ref, std::ostream* os) { *os << "control 0x" << std::hex << ref.control; }
}  // namespace chatmock

namespace chatmock::testing_support {

// One event a bound handler saw, in the order they were raised.
struct RaisedEvent {
  std::uint32_t control;
  std::int32_t event;
  bool operator==(const RaisedEvent&) const = default;
  friend void PrintTo(const RaisedEvent& e, std::ostream* os) {
    *os << "(0x" << std::hex << e.control << std::dec << ", " << e.event << ")";
  }
};

// Handlers bound by a test append here; every test starts with it empty.
class EventLog {
 public:
  // Rebinds (control, event) to a handler that records the event and
  // answers with the given result.
  void Watch(std::uint32_t control, std::int32_t event, std::optional<bool> result = std::nullopt);
  void Watch(ControlRef control, std::int32_t event, std::optional<bool> result = std::nullopt) {
    Watch(control.control, event, result);
  }
  int Count(std::uint32_t control, std::int32_t event) const;
  int Count(ControlRef control, std::int32_t event) const { return Count(control.control, event); }
  const std::vector<RaisedEvent>& Events() const { return events_; }
  void Clear() { events_.clear(); }

 private:
  std::vector<RaisedEvent> events_;
};

// The text a control shows, whatever its kind keeps it in; the rich edit's
// paragraphs joined by "\n".
QString ShownText(const QWidget& control);

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  MainWindow& Window() { return *window_; }
  QWidget& WidgetOf(std::uint32_t control);
  QWidget& WidgetOf(ControlRef control) { return WidgetOf(control.control); }
  template <class Kind>
  Kind& KindOf(ControlRef control) {
    auto* widget = dynamic_cast<Kind*>(&WidgetOf(control));
    if (widget == nullptr) {
      ADD_FAILURE() << "the control is of another kind";
    }
    return *widget;
  }

  // Makes the window active again and waits until it is.
  void ActivateWindow();
  // Gives the activation to another top-level window and waits for it.
  void DeactivateWindow();
  // Runs the repaints and other posted work that is due now.
  static void ProcessPendingEvents();
  // Runs the deferred deletes, as the event loop would after a close.
  static void ProcessDeferredDeletes();

  static QWidget* FocusWidget();

  // How often the exit routine of the run has been called.
  static int ExitRoutineCalls();

  EventLog log_;

 private:
  static void CountExitRoutineCall();

  QPointer<MainWindow> window_;
  std::unique_ptr<QWidget> otherWindow_;
};

}  // namespace chatmock::testing_support
