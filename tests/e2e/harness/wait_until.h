#pragma once
// Waiting for a state that another process reaches in its own time.
#include <chrono>
#include <thread>

namespace tonquil::e2e {

// Polls until the condition holds; false when the timeout passed first.
template <typename Condition>
bool WaitUntil(Condition condition, std::chrono::milliseconds timeout,
               std::chrono::milliseconds poll = std::chrono::milliseconds(50)) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (!condition()) {
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(poll);
  }
  return true;
}

}  // namespace tonquil::e2e
