#pragma once
// Times an action of the link code and tells its pauses apart from the rest: the wall
// time, the time spent sleeping in the pauses, and the processor time outside them.
#include <chrono>

#include "posix_comm_api.h"

namespace tonquil::bench {

using Clock = std::chrono::steady_clock;

inline double Ms(Clock::duration span) { return std::chrono::duration<double, std::milli>(span).count(); }

struct Timed {
  double wall_ms;
  double slept_ms;  // spent inside the pauses, which no system makes exactly as long as asked
  double cpu_ms;    // this thread's processor time outside the pauses: immune to preemption
  unsigned pauses;
  double core_ms() const { return wall_ms - slept_ms; }
};

template <typename Action>
Timed TimeWithPauses(const PosixCommApi& api, Action&& action) {
  const SleepTally before = api.Slept();
  const auto cpu_start = ThreadCpuTime();
  const Clock::time_point start = Clock::now();
  action();
  const double wall = Ms(Clock::now() - start);
  const auto cpu = ThreadCpuTime() - cpu_start;
  const SleepTally& after = api.Slept();
  return {wall, Ms(after.slept - before.slept), Ms(cpu - (after.sleep_cpu - before.sleep_cpu)),
          after.calls - before.calls};
}

}  // namespace tonquil::bench
