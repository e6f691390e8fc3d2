// Only one copy runs: a second one ends at once and leaves the first alone.
#include <gtest/gtest.h>

#include "harness/tonquil_test.h"
#include "harness/wait_until.h"

namespace tonquil::e2e {
namespace {

using SingleInstance = TonquilTest;

int CountWindows(const std::vector<Record>& windows, const std::string& window_class, bool visible_only) {
  int count = 0;
  for (const Record& window : windows) {
    if (window.Text("class") == window_class && (!visible_only || window.Flag("visible"))) ++count;
  }
  return count;
}

TEST_F(SingleInstance, SecondCopyEndsWithExitCodeOneAndShowsNothing) {
  StartTonquil();
  TonquilRun& second = app_.Launch();
  const std::optional<int> exit_code = second.WaitExit(milliseconds(15000));
  ASSERT_TRUE(exit_code.has_value()) << "the second copy is still running";
  EXPECT_EQ(*exit_code, 1);

  const std::vector<Record> windows = driver_.Run({"windows"});
  EXPECT_EQ(CountWindows(windows, kMainClass, false), 1);
  EXPECT_EQ(CountWindows(windows, kOptionClass, false), 0) << "the options dialog is made when first shown";
  EXPECT_EQ(CountWindows(windows, "#32770", true), 0) << "no message box";
  EXPECT_FALSE(app_.IniExists()) << "the second copy must not touch the settings";

  EXPECT_EQ(DumpMain().window.Text("text"), "Tonquil 110529");
  EXPECT_EQ(CloseTonquil(), 0);
}

// Copies started together all reach the probe before any has shown its window: the
// guard taken at start-up still lets exactly one of them run.
TEST_F(SingleInstance, CopiesStartedTogetherLeaveExactlyOneRunning) {
  constexpr int kCopies = 4;
  for (int i = 0; i < kCopies; ++i) app_.Launch();
  ASSERT_TRUE(driver_.WaitWindow(kMainClass, "visible", 20000));

  auto ended = [&] {
    int count = 0;
    for (auto& run : app_.runs()) count += run->WaitExit(milliseconds(0)).has_value() ? 1 : 0;
    return count;
  };
  WaitUntil([&] { return ended() >= kCopies - 1; }, milliseconds(15000));
  int refused = 0;
  TonquilRun* survivor = nullptr;
  for (auto& run : app_.runs()) {
    const std::optional<int> exit_code = run->WaitExit(milliseconds(0));
    if (exit_code == 1) ++refused;
    if (!exit_code.has_value()) survivor = run.get();
  }
  EXPECT_EQ(refused, kCopies - 1);
  ASSERT_NE(survivor, nullptr) << "no copy runs";
  EXPECT_EQ(CountWindows(driver_.Run({"windows"}), kMainClass, false), 1);

  driver_.Run({"close", kMainClass});
  EXPECT_EQ(survivor->WaitExit(milliseconds(15000)), 0);
}

TEST_F(SingleInstance, NextCopyStartsOnceTheFirstHasEnded) {
  StartTonquil();
  EXPECT_EQ(CloseTonquil(), 0);
  StartTonquil();
  EXPECT_EQ(CloseTonquil(), 0);
}

}  // namespace
}  // namespace tonquil::e2e
