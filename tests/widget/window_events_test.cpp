// The window's own events over its life: each raised once, in order.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

#include "app/definition.h"
#include "app/shell.h"
#include "tests/widget/window_fixture.h"

namespace chatmock::testing_support {
namespace {

constexpr int kActivationTimeoutMs = 5000;

class WindowEventsTest : public testing::Test {
 protected:
  void SetUp() override {
    InitRuntime();
    for (const std::int32_t event : {events::kCreated, events::kQueryClose, events::kDestroyed, events::kMoved,
                                     events::kResized, events::kActivated, events::kDeactivated,
                                     events::kFirstActivation}) {
      log_.Watch(kWindowItself, event);
    }
  }
  void TearDown() override {
    FinishRun(0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  EventLog log_;
};

TEST_F(WindowEventsTest, LoadingRaisesCreatedMovedResizedThenTheActivations) {
  LoadWindow(kMainWindowId);
  MainWindow* window = FindLoadedWindow(kMainWindowId);
  ASSERT_NE(window, nullptr);
  QApplication::setActiveWindow(window);
  ASSERT_TRUE(QTest::qWaitForWindowActive(window, kActivationTimeoutMs));
  QCoreApplication::processEvents();
  EXPECT_EQ(log_.Events(), (std::vector<RaisedEvent>{{kWindowItself, events::kCreated},
                                                      {kWindowItself, events::kMoved},
                                                      {kWindowItself, events::kResized},
                                                      {kWindowItself, events::kActivated},
                                                      {kWindowItself, events::kFirstActivation}}));
}

TEST_F(WindowEventsTest, MovingAndResizingTheShownWindowRaiseOneEventEach) {
  LoadWindow(kMainWindowId);
  MainWindow* window = FindLoadedWindow(kMainWindowId);
  ASSERT_NE(window, nullptr);
  QCoreApplication::processEvents();
  log_.Clear();
  window->move(window->pos() + QPoint(7, 5));
  window->setFixedSize(window->width() + 1, window->height());
  QCoreApplication::processEvents();
  EXPECT_EQ(log_.Count(kWindowItself, events::kMoved), 1);
  EXPECT_EQ(log_.Count(kWindowItself, events::kResized), 1);
}

int g_exitRoutineCalls = 0;
void CountExitRoutineCall() { ++g_exitRoutineCalls; }

constexpr int kRunGiveUpMs = 10000;
constexpr int kRunDidNotEnd = 9;

// The whole run in a child process: the loop ends when Esc has closed the
// last window, and the end of the run calls the exit routine exactly once.
TEST_F(WindowEventsTest, RunEndsWhenTheLastWindowClosesAndCallsTheExitRoutineOnce) {
  EXPECT_EXIT(
      {
        SetExitRoutine(&CountExitRoutineCall);
        LoadWindow(kMainWindowId);
        QTimer::singleShot(0, [] {
          QTest::keyClick(FindLoadedWindow(kMainWindowId)->focusWidget(), Qt::Key_Escape);
        });
        QTimer::singleShot(kRunGiveUpMs, [] { std::_Exit(kRunDidNotEnd); });
        RunEventLoop();
        const int code = FinishRun(0);
        FinishRun(0);
        std::fflush(nullptr);
        std::_Exit(code == 0 && g_exitRoutineCalls == 1 ? 0 : 1);
      },
      testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace chatmock::testing_support
