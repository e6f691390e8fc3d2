// Only one copy runs: a second one ends at once and leaves the first alone.
#include <gtest/gtest.h>

#include "harness/tonquil_test.h"

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

TEST_F(SingleInstance, NextCopyStartsOnceTheFirstHasEnded) {
  StartTonquil();
  EXPECT_EQ(CloseTonquil(), 0);
  StartTonquil();
  EXPECT_EQ(CloseTonquil(), 0);
}

}  // namespace
}  // namespace tonquil::e2e
