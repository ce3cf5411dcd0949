#pragma once
// The process's resident memory as the kernel reports it.

#include <optional>

namespace chatmock::reliability {

struct ResidentMemory {
  long currentKiB;  // VmRSS
  long peakKiB;     // VmHWM
};

// nullopt where /proc/self/status cannot be read or lacks the fields.
std::optional<ResidentMemory> ReadResidentMemory();

}  // namespace chatmock::reliability
