#pragma once
// Runs one command to its end and tells how long it took and what it used.

#include <string>
#include <vector>

namespace chatmock::bench {

struct ProcessRun {
  double wallMs = 0;     // from just before the spawn to the reaped exit
  double cpuMs = 0;      // user and system time of the child
  long maxRssKb = 0;     // peak resident set, from the kernel's accounting
  long voluntarySwitches = 0;
  int exitCode = -1;     // -1 when it was killed or did not start
  bool timedOut = false;
};

// argv[0] is the executable's path. The child's standard output is
// discarded and its standard error goes to `stderrPath`. A child still
// running after `timeoutMs` is killed.
ProcessRun RunProcess(const std::vector<std::string>& argv, const std::string& stderrPath,
                      int timeoutMs);

}  // namespace chatmock::bench
