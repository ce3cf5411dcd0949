#pragma once
// The program's routines that the definition's bindings name. Defined by
// the program; the shell binds them at start-up.

#include <span>

#include "app/definition.h"
#include "app/dispatch.h"

namespace chatmock {

struct BoundRoutine {
  HandlerId id;
  EventHandler routine;
};

std::span<const BoundRoutine> ProgramRoutines();

}  // namespace chatmock
