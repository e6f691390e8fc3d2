#include "settings/whole_file_save.h"

namespace tonquil {

bool SaveWhole(SaveSteps& steps, const std::string& bytes) {
  BusyRetry retry(steps);
  const auto rewrite_in_place = [&] { return steps.RewriteInPlace(bytes); };
  const StepResult written = retry.Run([&] { return steps.WriteTemporary(bytes); });
  if (written == StepResult::kDenied) {
    // Nothing new can be made beside the target; rewriting it is the only way left.
    return retry.Run(rewrite_in_place) == StepResult::kDone;
  }
  if (written != StepResult::kDone) {
    steps.RemoveTemporary();
    return false;
  }
  const StepResult replaced = retry.Run([&] { return steps.ReplaceWithTemporary(); });
  if (replaced == StepResult::kDone) return true;
  steps.RemoveTemporary();
  // The target could not be replaced: renaming over it may be what is not allowed, while
  // writing it is. A file still held makes this try fail at once.
  return replaced != StepResult::kFailed && retry.Run(rewrite_in_place) == StepResult::kDone;
}

}  // namespace tonquil
