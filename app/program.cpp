#include "app/program.h"

#include <array>

#include "app/definition.h"
#include "app/routines.h"
#include "app/shell.h"
#include "captions/captions.h"
#include "pictures/lookup.h"
#include "transcript/posting.h"

namespace chatmock {
namespace {

// Adapts a routine without a result to the handler signature.
template <void (*Routine)()>
std::optional<bool> WithoutResult() {
  Routine();
  return std::nullopt;
}

const std::array kRoutines = {
    BoundRoutine{HandlerId::MainWindowCreated, &WithoutResult<&OnMainWindowCreated>},
    BoundRoutine{HandlerId::NoticeFeedback, &WithoutResult<&OnNoticeFeedback>},
    BoundRoutine{HandlerId::FetchPictures, &WithoutResult<&OnFetchPicturesClicked>},
    BoundRoutine{HandlerId::PostMessage, &WithoutResult<&OnSendClicked>},
    BoundRoutine{HandlerId::OpenNicknameEditor, &WithoutResult<&OpenNicknameEditor>},
    BoundRoutine{HandlerId::OpenSignatureEditor, &WithoutResult<&OpenSignatureEditor>},
    BoundRoutine{HandlerId::CloseNicknameEditor, &WithoutResult<&CloseNicknameEditor>},
    BoundRoutine{HandlerId::CloseSignatureEditor, &WithoutResult<&CloseSignatureEditor>},
};

}  // namespace

std::span<const BoundRoutine> ProgramRoutines() { return kRoutines; }

int StartProgram() {
  InitRuntime();
  InitProgram();
  SetExitRoutine(&EndProgram);
  LoadWindow(MainWindowDef().id);
  RunEventLoop();
  return 0;
}

void InitProgram() {}
void EndProgram() {}
void OnMainWindowCreated() {}
void OnNoticeFeedback() {}

}  // namespace chatmock
