#pragma once
// How much one long run does. The defaults are the full run; a run under
// valgrind, a hundred times slower, passes smaller counts on its command line.

namespace chatmock::reliability {

struct LongRunCounts {
  int posts = 5000;
  int fetchClicks = 500;
  int captionEdits = 500;
};

// Set by the suite's main from --posts=N, --fetches=N and --edits=N.
LongRunCounts& ConfiguredLongRun();

}  // namespace chatmock::reliability
