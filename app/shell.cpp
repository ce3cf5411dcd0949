#include "app/shell.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "app/definition.h"
#include "app/dispatch.h"
#include "app/look.h"
#include "app/main_window.h"
#include "app/preprocess.h"
#include "app/routines.h"
#include "app/values.h"

namespace chatmock {
namespace {

struct ShellState {
  ExitRoutine exitRoutine = nullptr;
  bool loopStarted = false;
  std::vector<QPointer<MainWindow>> loadedWindows;
  std::unique_ptr<QApplication> application;  // when the shell made it
  std::unique_ptr<InputPreprocessor> preprocessor;
  FatalPresenter presenter = nullptr;
};

ShellState& Shell() {
  static ShellState state;
  return state;
}

void PresentInMessageBox(const QString& what) {
  QMessageBox::critical(nullptr, QStringLiteral("chatmock"), what, QMessageBox::Ok);
}

[[noreturn]] void FailAllocation(std::size_t bytes) {
  FatalError(QStringLiteral("could not allocate %1 bytes").arg(bytes));
}

void EnsureApplication() {
  if (QCoreApplication::instance() != nullptr) return;
  static int argc = 1;
  static char name[] = "chatmock";
  static char* argv[] = {name, nullptr};
  Shell().application = std::make_unique<QApplication>(argc, argv);
}

void BindDefinitionHandlers() {
  const std::span<const BoundRoutine> routines = ProgramRoutines();
  for (const EventBinding& binding : MainWindowBindings()) {
    const auto routine = std::find_if(routines.begin(), routines.end(),
                                      [&](const BoundRoutine& r) { return r.id == binding.handler; });
    if (routine == routines.end()) {
      FatalError(QStringLiteral("the window definition names a routine the program lacks"));
    }
    BindHandler(binding.control, binding.event, routine->routine);
  }
}

void ForgetWindow(const MainWindow* window) {
  auto& windows = Shell().loadedWindows;
  windows.erase(std::remove_if(windows.begin(), windows.end(),
                               [window](const QPointer<MainWindow>& w) {
                                 return w.isNull() || w.data() == window;
                               }),
                windows.end());
  if (windows.empty() && Shell().loopStarted) QCoreApplication::exit(0);
}

}  // namespace

void InitRuntime() {
  SetAllocationFailureHandler(&FailAllocation);
  EnsureApplication();
  QApplication::setQuitOnLastWindowClosed(false);
  InstallFontSubstitutions();
  QApplication::setFont(DefaultGuiFont());
  UnbindAllHandlers();
  BindDefinitionHandlers();
}

void SetExitRoutine(ExitRoutine routine) { Shell().exitRoutine = routine; }

void LoadWindow(std::uint32_t windowId) {
  if (windowId != MainWindowDef().id) {
    FatalError(QStringLiteral("the window 0x%1 is not in the definition").arg(windowId, 8, 16, QChar('0')));
  }
  auto* window = new MainWindow(MainWindowDef());  // deletes itself on close
  window->PlaceCentred();
  window->CreateControls(MainWindowControls());
  // Naming the format spares Qt probing its other image plug-ins at start-up.
  window->setWindowIcon(QIcon(QPixmap::fromImage(QImage::fromData(
      ProgramIconBytes().data(), static_cast<int>(ProgramIconBytes().size()), "PNG"))));
  Shell().loadedWindows.push_back(window);
  window->SetDestroyedCallback(&ForgetWindow);
  if (!Shell().preprocessor) {
    Shell().preprocessor = std::make_unique<InputPreprocessor>();
    qApp->installEventFilter(Shell().preprocessor.get());
  }

  RaiseEvent(kWindowItself, events::kCreated);
  const QPointer<MainWindow> alive = window;
  if (alive) RaiseEvent(kWindowItself, events::kMoved);
  if (alive) RaiseEvent(kWindowItself, events::kResized);
  if (!alive) return;
  window->FocusFirstInTabOrder();
  window->show();
  window->activateWindow();
}

void RunEventLoop() {
  Shell().loopStarted = true;
  if (Shell().loadedWindows.empty()) return;
  QApplication::exec();
}

int FinishRun(int code) {
  ShellState& shell = Shell();
  for (const QPointer<MainWindow>& window : std::vector(shell.loadedWindows)) delete window.data();
  shell.loadedWindows.clear();
  if (const ExitRoutine routine = shell.exitRoutine) {
    shell.exitRoutine = nullptr;
    routine();
  }
  if (shell.preprocessor) qApp->removeEventFilter(shell.preprocessor.get());
  shell.preprocessor.reset();
  UnbindAllHandlers();
  shell.loopStarted = false;
  shell.application.reset();
  return code;
}

MainWindow* FindLoadedWindow(std::uint32_t windowId) {
  for (const QPointer<MainWindow>& window : Shell().loadedWindows) {
    if (window && window->Id() == windowId) return window.data();
  }
  return nullptr;
}

void SetFatalPresenter(FatalPresenter presenter) { Shell().presenter = presenter; }

void FatalError(const QString& what) {
  ShellState& shell = Shell();
  if (shell.presenter != nullptr) {
    shell.presenter(what);
  } else if (QCoreApplication::instance() != nullptr) {
    PresentInMessageBox(what);
  } else {
    std::fprintf(stderr, "chatmock: %s\n", what.toLocal8Bit().constData());
  }
  shell.exitRoutine = nullptr;
  std::fflush(nullptr);
  // Ends here: destructors of widgets in the middle of a handler cannot run safely.
  std::_Exit(kFatalExitCode);
}

}  // namespace chatmock
