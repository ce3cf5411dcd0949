#pragma once
// The program's own routines around the shell.

namespace chatmock {

// The entry routine: prepares the shell, loads MainWindow and runs the loop.
int StartProgram();
// The program keeps no program-wide state, so these have nothing to do.
void InitProgram();
void EndProgram();
void OnMainWindowCreated();
// A label's feedback request carries two integers; nothing here answers it.
void OnNoticeFeedback();

}  // namespace chatmock
