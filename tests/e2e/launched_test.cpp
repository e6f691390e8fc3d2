// Starts that another program makes through CreateProcessW, as launchers and task
// schedulers do: hidden by the start-up information, or in a current folder of the
// launcher's choosing where libraries lie about. The driver starts the program and
// does not wait for it; the fixture closes it and waits until its window is gone.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "harness/file_guards.h"
#include "harness/tonquil_test.h"
#include "harness/wine_env.h"

namespace tonquil::e2e {
namespace {

constexpr int kShowTimeoutMs = 20000;
constexpr int kGoneTimeoutMs = 15000;
const std::string kMarker = "tqmarker.dll";
const std::string kMarkerInCurrentFolder = "tqmarker_current.dll";

class Launched : public TonquilTest {
 protected:
  ~Launched() override {
    if (!started_) return;
    driver_.Try({"close", kMainClass});
    driver_.WaitWindow(kMainClass, "gone", kGoneTimeoutMs);
  }
  void StartAs(const std::string& show, const std::string& current_folder) {
    started_ = true;
    driver_.Run({"start", WindowsPathOf(app_.ExePath()), show, WindowsPathOf(current_folder)});
  }
  bool CloseAndWaitGone() {
    driver_.Run({"close", kMainClass});
    started_ = !driver_.WaitWindow(kMainClass, "gone", kGoneTimeoutMs);
    return !started_;
  }
  Record LoadInTheProgram(const std::string& name) { return driver_.Run({"load-library", kMainClass, name}).at(0); }

  bool started_ = false;
};

// Hidden, the program would run with no window and no icon to reach it by.
TEST_F(Launched, HiddenShowsTheWindowAsANormalStartDoes) {
  StartAs("hide", folder_.path());
  ASSERT_TRUE(driver_.WaitWindow(kMainClass, "visible", kShowTimeoutMs)) << "the window never showed";
  const Record state = driver_.Rect(kMainClass);
  EXPECT_FALSE(state.Flag("minimized")) << state.line();
  EXPECT_TRUE(CloseAndWaitGone());
}

// A library asked for by its name alone after start-up, as a system component asks for
// one, is looked for in the system folder only: the test's own marker library beside
// the exe, and another in the current folder, are not loaded.
TEST_F(Launched, LibrariesBesideTheExeOrInTheCurrentFolderAreNotLoaded) {
  const std::string marker = (std::filesystem::path(DriverExePath()).parent_path() / kMarker).string();
  const std::string current = folder_.File("current");
  std::filesystem::create_directory(current);
  std::filesystem::copy_file(marker, folder_.File(kMarker));
  std::filesystem::copy_file(marker, current + "/" + kMarker);
  std::filesystem::copy_file(marker, current + "/" + kMarkerInCurrentFolder);
  StartAs("normal", current);
  ASSERT_TRUE(driver_.WaitWindow(kMainClass, "visible", kShowTimeoutMs));

  for (const std::string& name : {kMarker, kMarkerInCurrentFolder}) {
    const Record library = LoadInTheProgram(name);
    EXPECT_FALSE(library.Flag("loaded")) << library.line();
  }
  // What the system folder holds loads by name, and the marker is a library that loads
  // when its place is given.
  EXPECT_TRUE(LoadInTheProgram("mpr.dll").Flag("loaded"));
  const Record named = LoadInTheProgram(WindowsPathOf(folder_.File(kMarker)));
  EXPECT_TRUE(named.Flag("loaded")) << named.line();
  EXPECT_TRUE(CloseAndWaitGone());
}

}  // namespace
}  // namespace tonquil::e2e
