#include "tests/reliability/resident_memory.h"

#include <fstream>
#include <string>

namespace chatmock::reliability {
namespace {

// The number after a "Name:" line's label, in kB as the kernel writes it.
std::optional<long> FieldKiB(const std::string& line, const std::string& label) {
  if (line.rfind(label, 0) != 0) return std::nullopt;
  try {
    return std::stol(line.substr(label.size()));
  } catch (...) {
    return std::nullopt;
  }
}

}  // namespace

std::optional<ResidentMemory> ReadResidentMemory() {
  std::ifstream status("/proc/self/status");
  std::optional<long> current, peak;
  for (std::string line; std::getline(status, line);) {
    if (!current) current = FieldKiB(line, "VmRSS:");
    if (!peak) peak = FieldKiB(line, "VmHWM:");
  }
  if (!current || !peak) return std::nullopt;
  return ResidentMemory{*current, *peak};
}

}  // namespace chatmock::reliability
