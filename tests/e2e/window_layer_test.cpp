// The window layer's own checks, in ui_checks.exe from the Windows build, where real
// windows exist: each runs under Wine and must hold.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "harness/child_process.h"
#include "harness/wine_env.h"

namespace tonquil::e2e {
namespace {

// ui_checks.exe lies in the Windows build's tests folder, beside its tools folder.
std::string UiChecksPath() {
  const std::filesystem::path windows_build =
      std::filesystem::path(DriverExePath()).parent_path().parent_path().parent_path();
  return (windows_build / "tests" / "win" / "ui_checks.exe").string();
}

void ExpectCheckHolds(const std::string& check) {
  const CommandResult result = RunCaptured(WineCommand(UiChecksPath(), {check}), milliseconds(60000));
  EXPECT_EQ(result.exit_code, 0) << result.out << result.err;
  EXPECT_EQ(result.out.substr(0, 2), "ok") << result.out;
}

TEST(WindowLayer, AWindowObjectLetsGoOfTheHandleOfItsDestroyedWindow) {
  ExpectCheckHolds("handle-goes-with-the-window");
}

TEST(WindowLayer, ALinkClickRunsInASingleThreadedApartmentEnteredAtTheFirstClick) {
  ExpectCheckHolds("link-click-apartment");
}

}  // namespace
}  // namespace tonquil::e2e
