#include "bench/paired_ratio.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "bench/thread_clock.h"

namespace chatmock::bench {
namespace {

// Each timed block is long enough that reading the clock around it costs
// nothing worth counting.
constexpr double kBlockSeconds = 200e-6;

double TimeBlock(const std::function<void()>& work, int calls) {
  const double start = ThreadCpuSeconds();
  for (int i = 0; i < calls; ++i) work();
  return ThreadCpuSeconds() - start;
}

int CallsPerBlock(const std::function<void()>& ours, const std::function<void()>& reference) {
  const double shorter = std::min(TimeBlock(ours, 1), TimeBlock(reference, 1));
  return std::max(1, static_cast<int>(std::ceil(kBlockSeconds / std::max(shorter, 1e-9))));
}

double Quantile(std::vector<double> values, double q) {
  const auto at = static_cast<std::ptrdiff_t>(q * static_cast<double>(values.size() - 1));
  std::nth_element(values.begin(), values.begin() + at, values.end());
  return values[static_cast<std::size_t>(at)];
}

}  // namespace

void RunPaired(benchmark::State& state, const std::function<void()>& ours,
               const std::function<void()>& reference) {
  const int calls = CallsPerBlock(ours, reference);
  std::vector<double> ratios;
  bool oursFirst = true;
  for (auto _ : state) {
    // Taking turns at going first evens out what the first leaves in the caches.
    double a = 0;
    double b = 0;
    if (oursFirst) {
      a = TimeBlock(ours, calls);
      b = TimeBlock(reference, calls);
    } else {
      b = TimeBlock(reference, calls);
      a = TimeBlock(ours, calls);
    }
    oursFirst = !oursFirst;
    if (b > 0) ratios.push_back(a / b);
  }
  if (ratios.empty()) return;
  state.counters["ratio"] = Quantile(ratios, 0.5);
  state.counters["ratio_q1"] = Quantile(ratios, 0.25);
  state.counters["ratio_q3"] = Quantile(ratios, 0.75);
  state.counters["pairs"] = static_cast<double>(ratios.size());
  state.counters["calls_per_block"] = calls;
}

}  // namespace chatmock::bench
