// Whole-process timing: runs the given commands in turn, alternating, so
// that a change in the machine's load hits all of them alike, and writes
// every run's wall time, CPU time and peak resident memory as JSON.
//
//   chatmock_bench_processes RUNS TIMEOUT_MS OUT.json LABEL CMD [ARG...] [--- LABEL CMD ...]

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "bench/child_process.h"

namespace chatmock::bench {
namespace {

constexpr char kSeparator[] = "---";
constexpr int kFixedArguments = 4;

struct Command {
  std::string label;
  std::vector<std::string> argv;
  std::vector<ProcessRun> runs;
};

std::vector<Command> ParseCommands(int argc, char** argv) {
  std::vector<Command> commands;
  bool startNew = true;
  for (int i = kFixedArguments; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == kSeparator) {
      startNew = true;
    } else if (startNew) {
      commands.push_back(Command{arg, {}, {}});
      startNew = false;
    } else {
      commands.back().argv.push_back(arg);
    }
  }
  return commands;
}

void WriteRuns(std::ofstream& out, const std::vector<ProcessRun>& runs) {
  const auto list = [&](const char* name, auto field) {
    out << "    \"" << name << "\": [";
    for (std::size_t i = 0; i < runs.size(); ++i) out << (i ? ", " : "") << field(runs[i]);
    out << "]";
  };
  list("wall_ms", [](const ProcessRun& r) { return r.wallMs; });
  out << ",\n";
  list("cpu_ms", [](const ProcessRun& r) { return r.cpuMs; });
  out << ",\n";
  list("max_rss_kb", [](const ProcessRun& r) { return r.maxRssKb; });
  out << ",\n";
  list("voluntary_switches", [](const ProcessRun& r) { return r.voluntarySwitches; });
  out << ",\n";
  list("exit_code", [](const ProcessRun& r) { return r.timedOut ? -2 : r.exitCode; });
  out << "\n";
}

bool WriteJson(const std::string& path, const std::vector<Command>& commands) {
  std::ofstream out(path);
  out << "{\n";
  for (std::size_t i = 0; i < commands.size(); ++i) {
    out << "  \"" << commands[i].label << "\": {\n";
    WriteRuns(out, commands[i].runs);
    out << "  }" << (i + 1 < commands.size() ? "," : "") << "\n";
  }
  out << "}\n";
  return static_cast<bool>(out);
}

}  // namespace
}  // namespace chatmock::bench

int main(int argc, char** argv) {
  using namespace chatmock::bench;
  if (argc < kFixedArguments + 2) {
    std::fprintf(stderr, "usage: %s RUNS TIMEOUT_MS OUT.json LABEL CMD [ARG...] [--- LABEL CMD ...]\n", argv[0]);
    return 2;
  }
  const int runs = std::atoi(argv[1]);
  const int timeoutMs = std::atoi(argv[2]);
  const std::string outPath = argv[3];
  std::vector<Command> commands = ParseCommands(argc, argv);
  bool allSucceeded = true;
  // One run each first, unrecorded: it brings the files into the page
  // cache, which a person starting the program has too.
  for (int round = -1; round < runs; ++round) {
    for (Command& command : commands) {
      const ProcessRun run = RunProcess(command.argv, outPath + "." + command.label + ".stderr", timeoutMs);
      allSucceeded = allSucceeded && run.exitCode == 0;
      if (round >= 0) command.runs.push_back(run);
    }
  }
  if (!WriteJson(outPath, commands)) return 1;
  return allSucceeded ? 0 : 1;
}
