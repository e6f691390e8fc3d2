#pragma once
// The order of a whole-file save and what it does when a step fails. The usual way
// writes a temporary file beside the target and moves it over the target, so a save cut
// short leaves the old file. A folder that takes no new files (the user may write the
// settings file but create nothing beside it) leaves only rewriting the file in place.
// Another program holding the file for a moment (an indexer, a virus scanner) is waited
// out for about a second.
#include <cstdint>
#include <string>

namespace tonquil {

enum class StepResult {
  kDone,
  kBusy,    // another program holds the file now: worth another try shortly
  kDenied,  // no right to do it
  kFailed,  // anything else
};

// Time as the waits for a held file need it.
class WaitClock {
 public:
  virtual ~WaitClock() = default;
  virtual std::int64_t NowMs() = 0;
  virtual void Pause(int ms) = 0;
};

constexpr int kBusyWaitMs = 1000;   // how long a held file is waited for, from the first try
constexpr int kBusyRetryMs = 50;    // the pause between two tries

// Runs steps again while they find the file busy, until kBusyWaitMs after it was made.
class BusyRetry {
 public:
  explicit BusyRetry(WaitClock& clock) : clock_(clock), deadline_(clock.NowMs() + kBusyWaitMs) {}

  template <class Step>
  StepResult Run(Step step) {
    StepResult result = step();
    while (result == StepResult::kBusy && clock_.NowMs() < deadline_) {
      clock_.Pause(kBusyRetryMs);
      result = step();
    }
    return result;
  }

 private:
  WaitClock& clock_;
  std::int64_t deadline_;
};

// The file system's side of one save, carried out by the platform.
class SaveSteps : public WaitClock {
 public:
  // Creates or empties the temporary file beside the target and writes bytes into it,
  // flushed to the disk.
  virtual StepResult WriteTemporary(const std::string& bytes) = 0;
  // Moves the temporary file over the target in one step.
  virtual StepResult ReplaceWithTemporary() = 0;
  virtual void RemoveTemporary() = 0;
  // Writes bytes over the existing target from its start and cuts it there.
  virtual StepResult RewriteInPlace(const std::string& bytes) = 0;
};

// True when the target holds bytes, whole, at the end.
bool SaveWhole(SaveSteps& steps, const std::string& bytes);

}  // namespace tonquil
