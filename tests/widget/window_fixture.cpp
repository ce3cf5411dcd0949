#include "tests/widget/window_fixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>

#include <algorithm>

#include "app/dispatch.h"
#include "app/kinds/edit_box.h"
#include "app/kinds/label.h"
#include "app/kinds/transparent_label.h"
#include "app/shell.h"
#include "transcript/rich_edit.h"

namespace chatmock::testing_support {
namespace {

int g_exitRoutineCalls = 0;
constexpr int kActivationTimeoutMs = 5000;

}  // namespace

void EventLog::Watch(std::uint32_t control, std::int32_t event, std::optional<bool> result) {
  BindHandler(control, event, [this, control, event, result]() -> std::optional<bool> {
    events_.push_back({control, event});
    return result;
  });
}

int EventLog::Count(std::uint32_t control, std::int32_t event) const {
  return static_cast<int>(std::count(events_.begin(), events_.end(), RaisedEvent{control, event}));
}

QString ShownText(const QWidget& control) {
  if (auto* edit = dynamic_cast<const EditBox*>(&control)) return edit->text();
  if (auto* label = dynamic_cast<const TransparentLabel*>(&control)) return label->Caption();
  if (auto* label = dynamic_cast<const Label*>(&control)) return label->Caption();
  if (auto* button = dynamic_cast<const QAbstractButton*>(&control)) return button->text();
  if (auto* rich = dynamic_cast<const RichEdit*>(&control)) return rich->toPlainText();
  return QString();
}

void WindowTest::CountExitRoutineCall() { ++g_exitRoutineCalls; }

int WindowTest::ExitRoutineCalls() { return g_exitRoutineCalls; }

void WindowTest::SetUp() {
  g_exitRoutineCalls = 0;
  InitRuntime();
  SetExitRoutine(&CountExitRoutineCall);
  LoadWindow(kMainWindowId);
  window_ = FindLoadedWindow(kMainWindowId);
  ASSERT_NE(window_, nullptr);
  ActivateWindow();
}

void WindowTest::TearDown() {
  FinishRun(0);
  otherWindow_.reset();
  ProcessDeferredDeletes();
}

QWidget& WindowTest::WidgetOf(std::uint32_t control) {
  LiveControl* live = window_->FindControl(control);
  if (live == nullptr || !live->IsLive()) {
    ADD_FAILURE() << "no live control 0x" << std::hex << control;
    return *window_;
  }
  return *live->widget;
}

void WindowTest::ActivateWindow() {
  window_->activateWindow();
  QApplication::setActiveWindow(window_);
  ASSERT_TRUE(QTest::qWaitForWindowActive(window_, kActivationTimeoutMs));
}

void WindowTest::DeactivateWindow() {
  if (!otherWindow_) {
    otherWindow_ = std::make_unique<QWidget>();
    otherWindow_->setGeometry(0, 0, 50, 50);
  }
  otherWindow_->show();
  otherWindow_->activateWindow();
  QApplication::setActiveWindow(otherWindow_.get());
  ASSERT_TRUE(QTest::qWaitForWindowActive(otherWindow_.get(), kActivationTimeoutMs));
  ASSERT_FALSE(window_->isActiveWindow());
}

void WindowTest::ProcessPendingEvents() {
  // A repaint posted while handling posted events runs in the second pass.
  for (int pass = 0; pass < 2; ++pass) {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
  }
}

void WindowTest::ProcessDeferredDeletes() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QWidget* WindowTest::FocusWidget() { return QApplication::focusWidget(); }

}  // namespace chatmock::testing_support
