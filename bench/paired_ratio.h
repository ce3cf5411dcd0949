#pragma once
// Times two pieces of work alternately and close together, so that a change
// in the shared machine's load hits both alike; each pair of times gives a
// ratio, and the median of those ratios is reported as counters:
// ratio (median), ratio_q1 and ratio_q3 (the quartiles), pairs.

#include <benchmark/benchmark.h>

#include <functional>

namespace chatmock::bench {

void RunPaired(benchmark::State& state, const std::function<void()>& ours,
               const std::function<void()>& reference);

}  // namespace chatmock::bench
