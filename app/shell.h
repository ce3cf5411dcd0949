#pragma once
// The shell: start-up, the loaded windows, the event loop, the end of the
// run and the fatal path.

#include <QString>

#include <cstdint>

namespace chatmock {

class MainWindow;

using ExitRoutine = void (*)();

// Prepares the shell: the application object, fonts, the value heap's
// failure path, and the definition's handlers bound to the program's routines.
void InitRuntime();
// Records the end-of-program routine; a later call replaces it.
void SetExitRoutine(ExitRoutine routine);
// Creates and shows the window with this id from its stored definition.
void LoadWindow(std::uint32_t windowId);
// Runs until the last loaded window has been destroyed.
void RunEventLoop();
// The end of a normal run: destroys any window left, calls the end-of-program
// routine once, releases the shell. Returns the exit code.
int FinishRun(int code);

MainWindow* FindLoadedWindow(std::uint32_t windowId);

// A broken precondition of the shell: a modal error box that says what
// failed, then the process ends with status 255 (-1) without calling the
// end-of-program routine.
[[noreturn]] void FatalError(const QString& what);

// Tests see the message instead of a person pressing OK.
using FatalPresenter = void (*)(const QString& what);
void SetFatalPresenter(FatalPresenter presenter);

inline constexpr int kFatalExitCode = 255;

}  // namespace chatmock
