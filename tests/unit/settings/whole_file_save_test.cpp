#include "settings/whole_file_save.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

namespace tonquil {
namespace {

// Each step answers from its own script (kDone once the script runs out) and is logged;
// each pause moves the clock on by its length.
class ScriptedSteps : public SaveSteps {
 public:
  std::deque<StepResult> temporary, replace, in_place;
  std::vector<std::string> log;
  std::int64_t now_ms = 0;

  StepResult WriteTemporary(const std::string& bytes) override { return Take(temporary, "temporary " + bytes); }
  StepResult ReplaceWithTemporary() override { return Take(replace, "replace"); }
  void RemoveTemporary() override { log.push_back("remove"); }
  StepResult RewriteInPlace(const std::string& bytes) override { return Take(in_place, "in place " + bytes); }
  std::int64_t NowMs() override { return now_ms; }
  void Pause(int ms) override { now_ms += ms; }

 private:
  StepResult Take(std::deque<StepResult>& script, const std::string& entry) {
    log.push_back(entry);
    if (script.empty()) return StepResult::kDone;
    const StepResult result = script.front();
    script.pop_front();
    return result;
  }
};

using Log = std::vector<std::string>;
constexpr StepResult kBusy = StepResult::kBusy;
constexpr StepResult kDenied = StepResult::kDenied;
constexpr StepResult kFailed = StepResult::kFailed;

TEST(SaveWhole, WritesTheTemporaryAndMovesItOver) {
  ScriptedSteps steps;
  EXPECT_TRUE(SaveWhole(steps, "new"));
  EXPECT_EQ(steps.log, (Log{"temporary new", "replace"}));
}

TEST(SaveWhole, AFolderThatTakesNoNewFileGetsTheTargetRewrittenInPlace) {
  ScriptedSteps steps;
  steps.temporary = {kDenied};
  EXPECT_TRUE(SaveWhole(steps, "new"));
  EXPECT_EQ(steps.log, (Log{"temporary new", "in place new"}));
}

TEST(SaveWhole, ATargetThatCannotBeReplacedIsRewrittenInPlace) {
  ScriptedSteps steps;
  steps.replace = {kDenied};
  EXPECT_TRUE(SaveWhole(steps, "new"));
  EXPECT_EQ(steps.log, (Log{"temporary new", "replace", "remove", "in place new"}));
}

TEST(SaveWhole, OtherFailuresLeaveTheTargetAlone) {
  ScriptedSteps temporary_fails;
  temporary_fails.temporary = {kFailed};
  EXPECT_FALSE(SaveWhole(temporary_fails, "new"));
  EXPECT_EQ(temporary_fails.log, (Log{"temporary new", "remove"}));

  ScriptedSteps replace_fails;
  replace_fails.replace = {kFailed};
  EXPECT_FALSE(SaveWhole(replace_fails, "new"));
  EXPECT_EQ(replace_fails.log, (Log{"temporary new", "replace", "remove"}));

  ScriptedSteps in_place_denied;
  in_place_denied.temporary = {kDenied};
  in_place_denied.in_place = {kDenied};
  EXPECT_FALSE(SaveWhole(in_place_denied, "new"));
}

TEST(SaveWhole, AFileHeldForAMomentIsWaitedFor) {
  ScriptedSteps steps;
  steps.replace = {kBusy, kBusy, kBusy};
  EXPECT_TRUE(SaveWhole(steps, "new"));
  EXPECT_EQ(steps.log, (Log{"temporary new", "replace", "replace", "replace", "replace"}));
  EXPECT_EQ(steps.now_ms, 3 * kBusyRetryMs);

  ScriptedSteps in_place;
  in_place.temporary = {kDenied};
  in_place.in_place = {kBusy, kBusy};
  EXPECT_TRUE(SaveWhole(in_place, "new"));
  EXPECT_EQ(in_place.log, (Log{"temporary new", "in place new", "in place new", "in place new"}));
}

// About a second from the start of the save, across its steps; then one last try in
// place, which a file still held refuses at once.
TEST(SaveWhole, AFileHeldLongerThanASecondIsGivenUp) {
  ScriptedSteps steps;
  steps.temporary = {kBusy, kBusy};
  steps.replace = std::deque<StepResult>(100, kBusy);
  steps.in_place = {kBusy};
  EXPECT_FALSE(SaveWhole(steps, "new"));
  EXPECT_GE(steps.now_ms, kBusyWaitMs);
  EXPECT_LT(steps.now_ms, kBusyWaitMs + kBusyRetryMs);
  // A try after every pause, and the first try of each of the two steps.
  const std::size_t tries = 2 + kBusyWaitMs / kBusyRetryMs;
  ASSERT_EQ(steps.log.size(), tries + 2);
  EXPECT_EQ(steps.log[tries - 1], "replace");
  EXPECT_EQ(steps.log[tries], "remove");
  EXPECT_EQ(steps.log[tries + 1], "in place new");
}

}  // namespace
}  // namespace tonquil
